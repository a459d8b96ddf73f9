#include "comune/Casuale.h"

#include <chrono>

void GeneratoreTavolo::Risemina(std::uint32_t seme) {
    if (!seminato || ultimoSeme != seme) {
        statoSeminato.seed(seme);
        ultimoSeme = seme;
        seminato = true;
    }
    generatore = statoSeminato;
}

std::uint32_t SemeDalOrologio() {
    const auto adesso = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(adesso).count());
}
