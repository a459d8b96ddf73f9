#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "carte/Carta.h"

// A question to the model of a seat while the worlds of one decision are weighed, by all that
// decides its card there: the bids and the play are the same in every world, and beside them the
// model reads only the seat's own hand and the face-down cards drawn for the world.
struct DomandaModello {
    std::uint64_t mano = 0;
    std::uint32_t coperte = 0;
    std::int16_t giocate = 0;
    std::int8_t chi = 0;
    bool tattico = false;
    bool operator==(const DomandaModello&) const = default;
};

// The model's answers met while weighing: late in a game many worlds ask the same question. An
// open table with linear probing, so that a lookup is a few reads of one block of memory; kept
// at most half full, so that probes stay short.
class RisposteModello {
public:
    RisposteModello();

    // The answer to domanda: the one remembered, else calcola()'s, remembered from then on.
    template <typename Calcola>
    Carta Risposta(const DomandaModello& domanda, Calcola&& calcola) {
        const std::size_t i = Posto(domanda);
        if (risposte[i].usata) {
            return risposte[i].carta;
        }
        const Carta carta = calcola();
        Ricorda(i, domanda, carta);
        return carta;
    }

    // The answers remembered, and the places the table holds.
    std::size_t Numero() const { return numero; }
    std::size_t Posti() const { return risposte.size(); }

private:
    struct Voce {
        DomandaModello domanda;
        Carta carta;
        bool usata = false;
    };
    std::vector<Voce> risposte;
    std::size_t numero = 0;

    // Where domanda is, or the free place where it would go.
    std::size_t Posto(const DomandaModello& domanda) const;
    // Puts the answer in the free place posto, doubling the table first when it would be more
    // than half full.
    void Ricorda(std::size_t posto, const DomandaModello& domanda, Carta carta);
};
