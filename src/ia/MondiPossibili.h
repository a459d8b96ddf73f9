#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "comune/Casuale.h"
#include "partita/RegistroPartita.h"

class SimulatorePartita;

// The deals one seat cannot tell from the true one, drawn fairly and weighed by what the bids
// and the play say of each hand. Everything here is read from what the seat sees: its own
// hand, the bids and passes, the trump, the cards played face up and who played them, who
// took each trick. The cards it cannot see (the other hands, the face-down cards of a first
// trick still on the table) are dealt anew, each seat keeping its number of cards.
class MondiPossibili {
public:
    MondiPossibili(const RegistroPartita& registro, int giocatore);

    // Draws candidate worlds, weighs each, and keeps quanti of them drawn by weight.
    std::vector<RegistroPartita> Estrai(int quanti, int candidati, GeneratoreCasuale& generatore,
                                        SimulatorePartita& modello) const;

    // One world drawn uniformly.
    RegistroPartita Mondo(GeneratoreCasuale& generatore) const;
    // How likely the bids, the trump and the play are in mondo if the other seats played as
    // modello plays them (a relative weight, 1 for full agreement).
    double Peso(const RegistroPartita& mondo, SimulatorePartita& modello) const;

    // A number that depends only on what the seat sees: the seed of its draws.
    std::uint32_t Impronta() const;

private:
    const RegistroPartita& registro;
    int giocatore;
    // The cards the seat cannot see, by index, and where they lie in the true deal.
    std::vector<int> nascoste;
    // Positions in the order of play of the face-down cards the seat cannot see.
    std::vector<int> coperte;
    // How many hidden cards each seat holds.
    std::array<int, 5> carteNascoste{};
    // The seats whose unseen hands are few enough for the worlds to repeat them.
    std::array<bool, 5> daRicordare{};

    bool Coperta(int n) const;

    // The model's cards met while weighing, by all that decides them: the bids and the play are
    // the same in every world, and beside them a seat's model reads only its own hand and the
    // face-down cards drawn for the world. Late in a game many worlds ask the same question.
    // Forgotten when another model weighs.
    struct Domanda {
        std::uint64_t mano = 0;
        std::uint32_t coperte = 0;
        std::int16_t giocate = 0;
        std::int8_t chi = 0;
        bool tattico = false;
        bool operator==(const Domanda&) const = default;
    };
    // An open table, linear probing: a lookup is a few reads of one block of memory.
    struct Risposta {
        Domanda domanda;
        Carta carta;
        bool usata = false;
    };
    mutable std::vector<Risposta> risposte;
    mutable std::size_t numeroRisposte = 0;
    static std::size_t Hash(const Domanda& d);
    Carta Modello(const RegistroPartita& r, int chi, std::uint32_t carteCoperte,
                  SimulatorePartita& modello) const;
    mutable const SimulatorePartita* modelloRisposte = nullptr;
};
