#pragma once

#include <cstdint>

// The program's pseudo-random generator, one per thread (series played side by side draw each
// from its own). Its sequence is fixed by the C++ standard (std::mt19937), so a seed gives the
// same games on every machine.

// A value in 0..n-1: the generator's next value modulo n; 0, without drawing, when n <= 0.
int Casuale(int n);

// Reseeds the generator.
void ImpostaSemeCasuale(std::uint32_t seme);

// A seed taken from the clock, for a seed of 0 on the command line.
std::uint32_t SemeDalOrologio();
