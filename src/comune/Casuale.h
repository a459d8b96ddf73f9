#pragma once

#include <cstdint>
#include <random>

// A pseudo-random generator whose sequence the C++ standard fixes (std::mt19937), so that a
// seed gives the same games on every machine. The program's one serves the game, one per
// thread (series played side by side draw each from its own); a simulation owns its own, so
// that it never moves the game's sequence.
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

    friend bool operator==(const GeneratoreCasuale&, const GeneratoreCasuale&) = default;

private:
    std::mt19937 generatore{5489u};

    friend void ImpostaSemeCasuale(std::uint32_t seme);
};

// The program's generator (this thread's).
GeneratoreCasuale& GeneratoreProcesso();

// A value in 0..n-1 from the program's generator; 0, without drawing, when n <= 0.
int Casuale(int n);

// Reseeds the program's generator.
void ImpostaSemeCasuale(std::uint32_t seme);

// A seed taken from the clock, for a seed of 0 on the command line.
std::uint32_t SemeDalOrologio();
