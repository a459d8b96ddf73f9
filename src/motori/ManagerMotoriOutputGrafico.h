#pragma once

#include <array>
#include <string>

#include "motori/FinestraGioco.h"
#include "motori/LogTest.h"
#include "motori/ManagerMotori.h"

// The engine manager of a table with a window: every event of the game also goes to the
// window, which draws it and sets the pace of play.
class ManagerMotoriOutputGrafico : public ManagerMotori {
public:
    // The window is not owned and must outlive the manager. logTest: where the third
    // computer-only seating logs its games (empty: the default place).
    ManagerMotoriOutputGrafico(StatoTavolo& tavolo, FinestraGioco* finestra, MotoriTavolo motori,
                               const std::string& logTest = {});

    void CartaGiocata(const Carta& carta, int giocatore) override;
    void LicitazioneFatta(const Chiamata& chiamata, int giocatore) override;
    void LicitazioneFinita() override;
    void BriscolaScelta(const Briscola& briscola) override;
    void CarteDistribuite() override;
    void ManoRaccolta() override;
    void FinePartita() override;

    // The highest seat played by the human's engine; -1 when every seat is a computer.
    int GiocatoreUmano() const;
    const LogTest& Log() const { return logTest; }

private:
    FinestraGioco* finestra;
    LogTest logTest;
    // Each seat's card points as last counted, and the cards played then.
    std::array<int, 5> punti{};
    int carteContate = 40;
};
