#pragma once

#include <cstdint>
#include <string>

#include "ia/GiocaCarta.h"

// The seven coefficients of the tactical player, in their fixed order.
struct Coefficienti {
    double IP = 1.0;   // coeffImportanzaPunti
    double PP = 0.34;  // coeffPresaPunti
    double CH = 0.09;  // coeffCarteChiamante
    double IR = 2.15;  // coeffImportanzaRelativa
    double PS = 0.675; // coeffPosizione
    double MN = 0.5;   // coeffMano
    double CC = 1.2;   // coeffCartaChiamata
};

// The tactical computer player's card choice: each card is scored by the expected value of
// the trick and the control of the remaining trumps, weighted by the coefficients.
class GiocaCartaProbabilita : public GiocaCartaACaso {
public:
    GiocaCartaProbabilita(int giocatore, const Coefficienti& coefficienti = {});

    Carta ScegliCartaDa(const RegistroPartita& registro) override;
    std::string Nome() const override { return "Probabilità"; }
    std::string Dettaglio() const override;

    const Coefficienti& CoefficientiAttuali() const { return coefficienti; }

private:
    std::int32_t contatoreMosse = 0;
    Coefficienti coefficienti;
};
