#pragma once

#include <array>

#include "ia/GiocaCartaProbabilita.h"
#include "ia/SituazioneTattica.h"

// The table of one trump-control estimate: one row per trump strength, one column per seat,
// negative for the deciding seat's side.
using TabellaControllo = std::array<std::array<double, 5>, 10>;

// The expected share of the points still to come that the deciding seat gives away (negative)
// or keeps by playing a given card, judged by who holds the remaining high trumps.
class ValoreControllo {
public:
    // The unseen trumps are the same for every card of the hand: weighed here once.
    ValoreControllo(const SituazioneTattica& situazione, const Coefficienti& coefficienti);

    double Valuta(const Carta& carta, TabellaControllo* tabella = nullptr) const;

private:
    SituazioneTattica s;
    Coefficienti coeff;
    // The unseen trumps, already signed by side, with each row's sum and whether it has an
    // entry; the trumps kept in hand only add the deciding seat's -1 to their rows.
    TabellaControllo ignote{};
    std::array<double, 10> sommaIgnote{};
    std::array<bool, 10> rigaIgnote{};
    int puntiIgnote = 0;
    int puntiMano = 0;
    std::array<bool, 5> mioLato{};

    double SommaRiga(const std::array<double, 5>& riga) const {
        return riga[0] + riga[1] + riga[2] + riga[3] + riga[4];
    }
};
