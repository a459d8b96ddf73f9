#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "comune/Casuale.h"
#include "partita/RegistroPartita.h"

class SimulatorePartita;

// The deals one seat cannot tell from the true one, drawn fairly, and kept by the weights
// PesiMondi gives them. Everything here is read from what the seat sees: its own hand, the
// bids and passes, the trump, the cards played face up and who played them, who took each
// trick. The cards it cannot see (the other hands, the face-down cards of a first trick still
// on the table) are dealt anew, each seat keeping its number of cards.
class MondiPossibili {
public:
    MondiPossibili(const RegistroPartita& registro, int giocatore);

    // Draws candidate worlds, weighs each (PesiMondi), and keeps quanti of them drawn by weight.
    std::vector<RegistroPartita> Estrai(int quanti, int candidati, GeneratoreCasuale& generatore,
                                        SimulatorePartita& modello) const;

    // One world drawn uniformly.
    RegistroPartita Mondo(GeneratoreCasuale& generatore) const;

    // A number that depends only on what the seat sees: the seed of its draws.
    std::uint32_t Impronta() const;

    int Giocatore() const { return giocatore; }
    // Positions in the order of play of the face-down cards the seat cannot see.
    const std::vector<int>& Coperte() const { return coperte; }
    // How many cards the seat cannot see, in all and in the hand of seat.
    int NumeroNascoste() const { return static_cast<int>(nascoste.size()); }
    int CarteNascoste(int seggio) const { return carteNascoste[static_cast<std::size_t>(seggio)]; }

private:
    const RegistroPartita& registro;
    int giocatore;
    // The cards the seat cannot see, by index, and where they lie in the true deal.
    std::vector<int> nascoste;
    std::vector<int> coperte;
    std::array<int, 5> carteNascoste{};

    bool Coperta(int n) const;
};
