#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "comune/Casuale.h"
#include "motori/OpzioniTavolo.h"
#include "partita/Chiamata.h"

class FinestraGioco;
class Tavolo;

// What is kept of a person's table between two runs: the series so far and, when a game is
// under way, what plays it again to the point it had reached. A game is not stored as it
// stands but as its start (the generators as they were when the players were made and when
// the game was created) and the decisions taken since: played again from there, every
// computer decides exactly as it did, and goes on deciding as it would have.
struct PartitaConservata {
    // The series, in the saved-series format.
    std::string storia;
    bool inCorso = false;

    // The game under way (when inCorso).
    GeneratoreCasuale generatoreGiocatori;
    GeneratoreCasuale generatorePartita;
    // The window's own draws (the order the hand is laid out in), at the same moment.
    GeneratoreCasuale generatoreFinestra;
    bool esperti = false;
    bool manoAlBuio = true;
    int puntiMonte = 0;
    // The game's state reached, and every bid and card so far with its seat.
    int stato = 0;
    std::vector<std::pair<int, Chiamata>> licitazioni;
    // The trump suit, -1 before it is named.
    int briscola = -1;
    std::vector<std::pair<int, int>> carte;

    bool operator==(const PartitaConservata&) const = default;
};

// Takes what a table has reached (its history, and its game when one is under way) from the
// game's record; the generators and settings are the caller's, who knows when the game began.
void RilevaPartita(const Tavolo& tavolo, PartitaConservata& conservata);

std::string ScriviPartitaConservata(const PartitaConservata& conservata);
// Raises (Errore) for anything ScriviPartitaConservata could not have written.
PartitaConservata LeggiPartitaConservata(std::string_view byte);

// Plays the kept game again on tavolo, the person of seat umano answering through casella
// (the window's mailbox) with the decisions kept: the players are made anew from the kept
// generator, the game started from the other and stepped until it has reached the kept point.
// Raises when the game does not go as kept (another program, another rules file).
void RigiocaPartita(Tavolo& tavolo, FinestraGioco& casella, int umano,
                    const PartitaConservata& conservata, const OpzioniTavolo& opzioni);

// Plays the kept game again on a table of its own, away from any window, as RigiocaPartita
// would with these options: raises, touching nothing, when it cannot be played again.
void ProvaPartitaConservata(const PartitaConservata& conservata, const OpzioniTavolo& opzioni);
