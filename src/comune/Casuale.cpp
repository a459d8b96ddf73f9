#include "comune/Casuale.h"

#include <charconv>
#include <chrono>
#include <limits>
#include <sstream>

std::string GeneratoreCasuale::Stato() const {
    std::ostringstream testo;
    testo << generatore;
    return testo.str();
}

bool GeneratoreCasuale::ImpostaStato(std::string_view testo) {
    // Checked word by word before the standard reader sees it: a word wider than 32 bits or a
    // position past the state would be taken as it is.
    constexpr std::size_t kParole = std::mt19937::state_size + 1;
    std::size_t lette = 0;
    std::size_t i = 0;
    while (i < testo.size()) {
        if (testo[i] == ' ') {
            ++i;
            continue;
        }
        std::uint64_t parola = 0;
        const auto [fine, errore] =
            std::from_chars(testo.data() + i, testo.data() + testo.size(), parola);
        if (errore != std::errc() || parola > std::numeric_limits<std::uint32_t>::max() ||
            (fine != testo.data() + testo.size() && *fine != ' ') || ++lette > kParole) {
            return false;
        }
        if (lette == kParole && parola > std::mt19937::state_size) {
            return false;
        }
        i = static_cast<std::size_t>(fine - testo.data());
    }
    if (lette != kParole) {
        return false;
    }
    std::istringstream lettura{std::string(testo)};
    std::mt19937 nuovo;
    lettura >> nuovo;
    if (lettura.fail()) {
        return false;
    }
    generatore = nuovo;
    return true;
}

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
