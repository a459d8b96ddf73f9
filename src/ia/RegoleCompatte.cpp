#include "ia/RegoleCompatte.h"

#include <unordered_map>

void RegoleCompatte::Ricostruisci(const std::vector<std::unique_ptr<Predicato>>& predicati,
                                  const std::vector<std::unique_ptr<_Regola>>& regole) {
    passi.clear();
    compatte.clear();
    valori.clear();
    std::unordered_map<const Predicato*, std::uint64_t> bit;
    if (predicati.size() <= 64) {
        for (std::size_t i = 0; i < predicati.size(); ++i) {
            valori.push_back(&predicati[i]->probabilita);
            bit.emplace(predicati[i].get(), std::uint64_t{1} << i);
        }
    }
    // A predicate foreign to the engine has no bit: then only the general sum is right.
    bool tuttiNoti = true;
    auto bitDi = [&bit, &tuttiNoti](const Predicato* p) {
        const auto trovato = bit.find(p);
        if (trovato == bit.end()) {
            tuttiNoti = tuttiNoti && p == nullptr;
            return std::uint64_t{0};
        }
        return trovato->second;
    };
    for (const auto& regola : regole) {
        RegolaCompatta compatta{};
        compatta.inizio = static_cast<std::uint32_t>(passi.size());
        compatta.soloE = compatta.inizio;
        compatta.tuttiE = true;
        for (const auto& legame : regola->antecedenti) {
            const std::uint64_t b = bitDi(legame.predicato);
            if (!legame.congiunzione) {
                compatta.soloE = static_cast<std::uint32_t>(passi.size());
                compatta.tuttiE = false;
            } else if (legame.negato) {
                compatta.falsi |= b;
            } else {
                compatta.veri |= b;
            }
            passi.push_back(
                {&legame.predicato->probabilita, b, legame.negato, legame.congiunzione});
        }
        // A and not-A together: the masks cannot express it, the steps can.
        if ((compatta.veri & compatta.falsi) != 0) {
            compatta.tuttiE = false;
        }
        compatta.fine = static_cast<std::uint32_t>(passi.size());
        compatta.peso = regola->peso;
        compatta.bersaglio = regola->bersaglio;
        compatta.bitBersaglio = bitDi(regola->bersaglio);
        compatte.push_back(compatta);
    }
    if (!tuttiNoti) {
        valori.clear();
    }
}

double RegoleCompatte::Somma() {
    if (!valori.empty()) {
        std::uint64_t veri = 0;
        bool altro = false;
        for (std::size_t i = 0; i < valori.size(); ++i) {
            const double v = *valori[i];
            veri |= static_cast<std::uint64_t>(v == 1.0) << i;
            altro |= (v != 0.0) & (v != 1.0);
        }
        if (!altro) {
            return SommaBinaria(veri);
        }
    }
    return SommaGenerale();
}

double RegoleCompatte::SommaGenerale() {
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
    return somma;
}

// With truths of exactly 0 and 1, AND, OR and NOT give exactly 0 or 1, and a false rule adds
// a zero that leaves the sum as it is: the same result as the general sum.
double RegoleCompatte::SommaBinaria(std::uint64_t& veri) {
    double somma = 0.0;
    const Passo* const p = passi.data();
    for (const RegolaCompatta& regola : compatte) {
        bool vero;
        if (regola.tuttiE) {
            vero = (veri & regola.veri) == regola.veri && (veri & regola.falsi) == 0;
        } else {
            vero = true;
            for (std::uint32_t i = regola.inizio; i < regola.fine; ++i) {
                const bool x = ((veri & p[i].bit) != 0) != p[i].negato;
                vero = p[i].congiunzione ? vero && x : vero || x;
            }
        }
        if (regola.bersaglio != nullptr) {
            regola.bersaglio->probabilita = static_cast<double>(vero);
            veri = vero ? veri | regola.bitBersaglio : veri & ~regola.bitBersaglio;
        } else {
            // A false rule adds a zero, as in the general sum.
            somma += regola.peso * static_cast<double>(vero);
        }
    }
    return somma;
}
