#include "ia/IntelligenzaArtificiale.h"

#include <cmath>

#include "comune/Casuale.h"
#include "comune/Errore.h"

namespace {

// Keeps 2 x amplitude within the range of Casuale.
constexpr double kRumoreMassimo = 1.0e9;

} // namespace

IntelligenzaArtificiale::IntelligenzaArtificiale() {
    ImpostaRumore(0.0);
}

IntelligenzaArtificiale::~IntelligenzaArtificiale() = default;

Predicato& IntelligenzaArtificiale::NuovoPredicato(const std::string& nome) {
    return *predicati.emplace_back(std::make_unique<Predicato>(nome));
}

_Regola& IntelligenzaArtificiale::NuovaRegola(double peso, const std::string& nome) {
    return *regole.emplace_back(std::make_unique<_Regola>(peso, nome));
}

_Regola& IntelligenzaArtificiale::NuovaRegola(Predicato& bersaglio, const std::string& nome) {
    return *regole.emplace_back(std::make_unique<_Regola>(bersaglio, nome));
}

Predicato& IntelligenzaArtificiale::CercaPredicato(std::string_view nome) const {
    for (const auto& predicato : predicati) {
        if (predicato->Nome() == nome) {
            return *predicato;
        }
    }
    throw Errore("Predicato " + std::string(nome) + " Inesistente");
}

void IntelligenzaArtificiale::AzzeraPredicati() {
    for (const auto& predicato : predicati) {
        predicato->ImpostaProbabilita(0.0);
    }
}

void IntelligenzaArtificiale::ImpostaRumore(double ampiezza) {
    const double decimillesimi = std::trunc(ampiezza * 10000.0);
    if (std::isnan(decimillesimi)) {
        rumore = 0;
    } else {
        rumore = static_cast<std::int32_t>(
            std::fmax(-kRumoreMassimo, std::fmin(kRumoreMassimo, decimillesimi)));
    }
}

double IntelligenzaArtificiale::Valuta() {
    double somma = 0.0;
    for (const auto& regola : regole) {
        somma += regola->Valuta();
    }
    const int k = rumore;
    const int r = k > 0 ? Casuale(2 * k) : 0;
    return somma * (10000 + r - k) * 0.0001;
}
