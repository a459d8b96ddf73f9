#pragma once

#include <cstdint>
#include <random>
#include <string>

// A pseudo-random generator whose sequence the C++ standard fixes (std::mt19937), so that a
// seed gives the same games on every machine. Each table owns the one its games draw from; a
// simulation owns its own, so that it never moves the game's sequence.
class GeneratoreCasuale {
public:
    GeneratoreCasuale() = default;
    explicit GeneratoreCasuale(std::uint32_t seme) : generatore(seme) {}

    // A value in 0..n-1: the next value modulo n; 0, without drawing, when n <= 0.
    int Casuale(int n) {
        if (n <= 0) {
            return 0;
        }
        return static_cast<int>(generatore() % static_cast<std::uint32_t>(n));
    }
    // The next 32-bit value, whole.
    std::uint32_t Numero() { return static_cast<std::uint32_t>(generatore()); }

    void Semina(std::uint32_t seme) { generatore.seed(seme); }

    // The whole state of the sequence as text, and back, so that a saved table deals on where
    // it stopped; false, the generator unchanged, for text that is not such a state.
    std::string StatoTesto() const;
    bool ImpostaStatoTesto(const std::string& testo);

    friend bool operator==(const GeneratoreCasuale&, const GeneratoreCasuale&) = default;

protected:
    std::mt19937 generatore{5489u};
};

// A table's generator. The computer-only series reseed it at every game, with one seed five
// games in a row: it keeps the state its last seed gave, and copying that is cheaper than
// seeding again.
class GeneratoreTavolo final : public GeneratoreCasuale {
public:
    GeneratoreTavolo() = default;
    explicit GeneratoreTavolo(std::uint32_t seme) { Risemina(seme); }

    // The same sequence as Semina(seme).
    void Risemina(std::uint32_t seme);

private:
    std::uint32_t ultimoSeme = 0;
    bool seminato = false;
    std::mt19937 statoSeminato;
};

// A seed taken from the clock, for a seed of 0 on the command line.
std::uint32_t SemeDalOrologio();
