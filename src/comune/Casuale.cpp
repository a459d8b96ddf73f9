#include "comune/Casuale.h"

#include <chrono>
#include <sstream>

void GeneratoreTavolo::Risemina(std::uint32_t seme) {
    if (!seminato || ultimoSeme != seme) {
        statoSeminato.seed(seme);
        ultimoSeme = seme;
        seminato = true;
    }
    generatore = statoSeminato;
}

std::string GeneratoreCasuale::StatoTesto() const {
    std::ostringstream testo;
    testo << generatore;
    return testo.str();
}

bool GeneratoreCasuale::ImpostaStatoTesto(const std::string& testo) {
    std::istringstream lettura(testo);
    std::mt19937 letto;
    lettura >> letto;
    // Nothing may follow the state but blanks.
    if (lettura.fail() || !(lettura >> std::ws).eof()) {
        return false;
    }
    generatore = letto;
    return true;
}

std::uint32_t SemeDalOrologio() {
    const auto adesso = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(adesso).count());
}
