#pragma once

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "comune/Errore.h"
#include "partita/Chiamata.h"
#include "partita/Partita.h"

// A source of the decisions a game asks for, for AvanzaPartita: the bid, the trump and the
// card of the seat that must make it, and whether to go on. A source derives from this and
// hides what it answers; a decision it does not hide is one it never expects, and is refused.
struct DecisioniPartita {
    Chiamata Licita(int /*giocatore*/) {
        throw Errore("Licitazione non prevista in questa partita");
    }
    Briscola ScegliBriscola(int /*giocatore*/) {
        throw Errore("Scelta della briscola non prevista in questa partita");
    }
    Carta ScegliCarta(int /*giocatore*/) { throw Errore("Giocata non prevista in questa partita"); }
    // Asked before every step: false leaves the game where it stands.
    bool Continua(const Partita& /*partita*/) const { return true; }
};

// Plays partita forward from the state it stands in, giocatore being the seat that acts there
// (as the last operation or Riprendi returned it): each decision asked of decisioni, every other
// step taken at once, until the game is scored or decisioni stops it. It does not deal: a game
// waiting for its deal is left as it is. Inline, so that a playout costs what a loop written for
// it would.
template <typename Decisioni>
void AvanzaPartita(Partita& partita, int giocatore, Decisioni& decisioni) {
    while (decisioni.Continua(partita)) {
        switch (partita.Stato()) {
        case StatoPartita::Licitazione: {
            Chiamata chiamata = decisioni.Licita(giocatore);
            giocatore = partita.Licita(giocatore, chiamata);
            break;
        }
        case StatoPartita::FineLicitazione:
            giocatore = partita.FineLicitazione();
            break;
        case StatoPartita::SceltaBriscola:
            giocatore = partita.ImpostaBriscola(decisioni.ScegliBriscola(giocatore));
            break;
        case StatoPartita::Giocata: {
            Carta carta = decisioni.ScegliCarta(giocatore);
            giocatore = partita.Gioca(carta);
            break;
        }
        case StatoPartita::FineMano:
            giocatore = partita.FineMano();
            break;
        case StatoPartita::RaccoltaMano:
            giocatore = partita.RaccogliMano();
            break;
        case StatoPartita::Punteggi:
            partita.Punteggi();
            break;
        case StatoPartita::Distribuzione:
        case StatoPartita::Inattiva:
            return;
        }
    }
}
