#include "comune/Casuale.h"

#include <chrono>
#include <random>

namespace {

std::mt19937& Generatore() {
    static std::mt19937 generatore(5489u);
    return generatore;
}

} // namespace

int Casuale(int n) {
    if (n <= 0) {
        return 0;
    }
    return static_cast<int>(Generatore()() % static_cast<std::uint32_t>(n));
}

void ImpostaSemeCasuale(std::uint32_t seme) { Generatore().seed(seme); }

std::uint32_t SemeDalOrologio() {
    const auto adesso = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(adesso).count());
}
