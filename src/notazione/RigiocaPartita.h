#pragma once

#include <string>

#include "comune/Errore.h"
#include "partita/RegistroPartita.h"

struct PartitaNotata;

// Where a noted game stops making sense when played again: the part and, for the bids and the
// tricks, which one (from 0).
class ErroreRigioco : public Errore {
public:
    enum class Parte { Licitazione, Briscola, Chiamata, Presa, Punteggi };

    ErroreRigioco(const std::string& messaggio, Parte parte, int indice = 0)
        : Errore(messaggio), parte(parte), indice(indice) {}

    Parte Dove() const { return parte; }
    int Indice() const { return indice; }

private:
    Parte parte;
    int indice;
};

// Plays the noted game again through the game's own state machine, from its deal, with its
// bids, trump and cards, and returns the record at its end: the record of the game itself.
// Raises ErroreRigioco where the notation breaks the rules or disagrees with the game played
// (a seat out of turn, a card not in the hand, a bid that does not go higher, the called card
// or the scores other than the game's).
RegistroPartita RigiocaPartita(const PartitaNotata& partita);
