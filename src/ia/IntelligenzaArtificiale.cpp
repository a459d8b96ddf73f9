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
    return Aggiungi(std::make_unique<_Regola>(peso, nome));
}

_Regola& IntelligenzaArtificiale::NuovaRegola(Predicato& bersaglio, const std::string& nome) {
    return Aggiungi(std::make_unique<_Regola>(bersaglio, nome));
}

_Regola& IntelligenzaArtificiale::Aggiungi(std::unique_ptr<_Regola> regola) {
    regola->modificata = &modificata;
    modificata = true;
    return *regole.emplace_back(std::move(regola));
}

void IntelligenzaArtificiale::Compatta() {
    passi.clear();
    compatte.clear();
    for (const auto& regola : regole) {
        RegolaCompatta compatta{};
        compatta.inizio = static_cast<std::uint32_t>(passi.size());
        compatta.soloE = compatta.inizio;
        for (const auto& legame : regola->antecedenti) {
            if (!legame.congiunzione) {
                compatta.soloE = static_cast<std::uint32_t>(passi.size());
            }
            passi.push_back({&legame.predicato->probabilita, legame.negato, legame.congiunzione});
        }
        compatta.fine = static_cast<std::uint32_t>(passi.size());
        compatta.peso = regola->peso;
        compatta.bersaglio = regola->bersaglio;
        compatte.push_back(compatta);
    }
    modificata = false;
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

// Each rule as _Regola::Valuta computes it, read from the flat form.
double IntelligenzaArtificiale::Valuta() {
    if (modificata) {
        Compatta();
    }
    double somma = 0.0;
    const Passo* const p = passi.data();
    for (const RegolaCompatta& regola : compatte) {
        double acc = 1.0;
        for (std::uint32_t i = regola.inizio; i < regola.fine; ++i) {
            const double x = p[i].negato ? 1.0 - *p[i].valore : *p[i].valore;
            if (p[i].congiunzione) {
                acc *= x;
                if (acc == 0.0 && i >= regola.soloE) {
                    break;
                }
            } else {
                acc = acc + x - x * acc;
            }
        }
        if (regola.bersaglio != nullptr) {
            regola.bersaglio->ImpostaProbabilita(acc);
        } else {
            somma += acc * regola.peso;
        }
    }
    const int k = rumore;
    const int r = k > 0 ? Casuale(2 * k) : 0;
    return somma * (10000 + r - k) * 0.0001;
}
