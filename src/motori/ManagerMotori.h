#pragma once

#include <array>
#include <memory>
#include <string>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "motori/Motore.h"
#include "partita/Chiamata.h"

class StatoTavolo;

// The five engines of a table, indexed by seat.
using MotoriTavolo = std::array<std::unique_ptr<Motore>, 5>;

// Holds the five engines of a table: asks the engine on turn for its decision and hears every
// event of the game. The base class uses the events only to prepare the computer engines for
// a new hand; the graphical variant forwards them to the window.
class ManagerMotori {
public:
    // Checks seat by seat that the engine given for seat k plays seat k; raises
    // "Giocatore k/4 - Identificativo errato" for the first that does not. Seats every engine
    // at the table (not owned), whose record and generator they read.
    ManagerMotori(StatoTavolo& tavolo, MotoriTavolo motori);
    virtual ~ManagerMotori();

    ManagerMotori(const ManagerMotori&) = delete;
    ManagerMotori& operator=(const ManagerMotori&) = delete;

    // The engine's answer unchanged; only the human's engine answers "no decision yet".
    Carta ChiediCarta(int giocatore) { return MotoreDi(giocatore).ScegliCarta(); }
    Chiamata ChiediLicitazione(int giocatore) { return MotoreDi(giocatore).Licita(); }
    Briscola ChiediBriscola(int giocatore) { return MotoreDi(giocatore).ScegliBriscola(); }

    virtual std::string DescrizioneMotore(int giocatore) const;
    virtual void CartaGiocata(const Carta& /*carta*/, int /*giocatore*/) {}
    virtual void LicitazioneFatta(const Chiamata& /*chiamata*/, int /*giocatore*/) {}
    virtual void LicitazioneFinita() {}
    virtual void BriscolaScelta(const Briscola& /*briscola*/) {}
    virtual void CarteDistribuite();
    virtual void ManoRaccolta() {}
    virtual void FinePartita() {}

    // The descriptions of seats 0..4, one a line (the "Tipi di Giocatori" list).
    std::string DescrizioniMotori() const;

    Motore& MotoreDi(int giocatore) const;

    // Puts another engine at its seat, between two decisions, and hands back the one that sat
    // there: a person's seat passes to a computer and back. The newcomer takes the seat it
    // plays, is seated at the table and prepared as the deal prepares every engine; nothing
    // else of the game changes (the newcomer's own preparation aside, nothing is drawn).
    std::unique_ptr<Motore> CambiaMotore(std::unique_ptr<Motore> nuovo);

    StatoTavolo& Tavolo() const { return *tavolo; }

protected:
    StatoTavolo* tavolo;
    MotoriTavolo motori;

    // What the deal does for each engine: its bidding values the hand, and its card strategy
    // plays as if the suit its bidding would name were trump.
    static void PreparaMotore(Motore& motore);
};
