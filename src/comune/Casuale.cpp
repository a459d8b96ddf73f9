#include "comune/Casuale.h"

#include <chrono>

namespace {

// The generator as a seed leaves it. The computer-only series reseeds at every game, with
// one seed five games in a row: copying the kept state is cheaper than seeding again.
struct StatoSeminato {
    std::uint32_t seme = 0;
    bool valido = false;
    std::mt19937 generatore;
};

StatoSeminato& UltimoSeme() {
    thread_local StatoSeminato stato;
    return stato;
}

} // namespace

// One generator per thread: series played side by side draw each from its own.
GeneratoreCasuale& GeneratoreProcesso() {
    thread_local GeneratoreCasuale generatore;
    return generatore;
}

int Casuale(int n) {
    return GeneratoreProcesso().Casuale(n);
}

void ImpostaSemeCasuale(std::uint32_t seme) {
    StatoSeminato& ultimo = UltimoSeme();
    if (!ultimo.valido || ultimo.seme != seme) {
        ultimo.generatore.seed(seme);
        ultimo.seme = seme;
        ultimo.valido = true;
    }
    GeneratoreProcesso().generatore = ultimo.generatore;
}

std::uint32_t SemeDalOrologio() {
    const auto adesso = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(adesso).count());
}
