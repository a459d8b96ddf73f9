#pragma once

#include <array>
#include <vector>

#include "analisi/Suggerimento.h"
#include "partita/RegistroPartita.h"

struct PartitaNotata;

// One decision of a seat in a finished game: the position as it stood, the expert's advice
// there and the choice made, and what that choice cost: the expert's choice's average score
// less the choice made's, never below 0.
struct DecisioneAnalizzata {
    RegistroPartita posizione;
    Suggerimento suggerimento;
    int fatta = 0;
    double costo = 0.0;

    const Alternativa& Fatta() const {
        return suggerimento.alternative[static_cast<std::size_t>(fatta)];
    }
};

struct AnalisiGiocatore {
    int giocatore = -1;
    std::vector<DecisioneAnalizzata> decisioni;
    double totale = 0.0;
};

// The positions in which seat giocatore decided in the game (its bids, its trump, its cards),
// each as the record stood when it had to act, and what it did there.
struct PosizioneDecisione {
    TipoDecisione tipo;
    RegistroPartita posizione;
    Chiamata chiamata;
    Briscola briscola;
    Carta carta;
};
std::vector<PosizioneDecisione> PosizioniDelGiocatore(const PartitaNotata& partita, int giocatore);

// The seats the noted game's players are modelled as tactical players.
std::array<bool, 5> TatticiDi(const PartitaNotata& partita);

// Every decision of seat giocatore judged by consigliere, each from what the seat knew then.
AnalisiGiocatore AnalizzaPartita(const PartitaNotata& partita, int giocatore,
                                 const Consigliere& consigliere);
