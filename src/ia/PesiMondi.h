#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ia/RisposteModello.h"

class MondiPossibili;
class RegistroPartita;
class SimulatorePartita;

// Weighs the worlds of one seat's decision by what the bids and the play say of each hand, if
// the other seats played as modello plays them. It remembers the model's answers from world to
// world: a weight is the one the world would get weighed alone.
class PesiMondi {
public:
    PesiMondi(const MondiPossibili& possibili, SimulatorePartita& modello);

    // How likely the bids, the trump and the play are in mondo (a relative weight, 1 for full
    // agreement).
    double Peso(const RegistroPartita& mondo);

private:
    int giocatore;
    // Positions in the order of play of the face-down cards the seat cannot see.
    std::vector<int> coperte;
    // The seats whose unseen hands are few enough for the worlds to repeat them.
    std::array<bool, 5> daRicordare{};
    SimulatorePartita& modello;
    RisposteModello risposte;

    Carta Modello(const RegistroPartita& r, int chi, std::uint32_t carteCoperte);
};
