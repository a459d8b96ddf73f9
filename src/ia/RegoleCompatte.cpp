#include "ia/RegoleCompatte.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <unordered_map>

namespace {

// Every integer of magnitude up to 2^53 is a double.
constexpr std::int64_t kLimiteInteri = std::int64_t{1} << 53;
constexpr double kInteriEsatti = static_cast<double>(kLimiteInteri);

} // namespace

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
    pesiInteri = true;
    std::int64_t sommaModuli = 0;
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
        if (regola->bersaglio == nullptr) {
            // While the magnitudes add up to at most 2^53 no partial sum can round.
            const double modulo = std::fabs(regola->peso);
            pesiInteri = pesiInteri && modulo <= kInteriEsatti && std::trunc(modulo) == modulo;
            if (pesiInteri) {
                sommaModuli += static_cast<std::int64_t>(modulo);
                compatta.pesoIntero = static_cast<std::int64_t>(regola->peso);
                pesiInteri = sommaModuli <= kLimiteInteri;
            }
        }
        compatta.bersaglio = regola->bersaglio;
        compatta.bitBersaglio = bitDi(regola->bersaglio);
        compatte.push_back(compatta);
    }
    if (!tuttiNoti) {
        valori.clear();
    }
    PreparaCoda();
    PreparaRicordi();
}

void RegoleCompatte::PreparaRicordi() {
    ricordiValidi = 0;
    prossimoRicordo = 0;
    bersagli.clear();
    conRicordi = true;
    for (const RegolaCompatta& regola : compatte) {
        if (regola.bersaglio != nullptr) {
            conRicordi = conRicordi && regola.bitBersaglio != 0;
            bersagli.emplace_back(regola.bersaglio, regola.bitBersaglio);
        }
    }
}

const RegoleCompatte::Ricordo* RegoleCompatte::Ricorda(std::uint64_t veri) const {
    for (std::size_t i = 0; i < ricordiValidi; ++i) {
        if (ricordi[i].prima == veri) {
            return &ricordi[i];
        }
    }
    return nullptr;
}

void RegoleCompatte::PreparaCoda() {
    inizioCoda = compatte.size();
    while (inizioCoda > 0) {
        const RegolaCompatta& regola = compatte[inizioCoda - 1];
        if (!regola.tuttiE || regola.bersaglio != nullptr) {
            break;
        }
        --inizioCoda;
    }
    coda.clear();
    for (std::size_t i = inizioCoda; i < compatte.size(); ++i) {
        coda.push_back({compatte[i].veri, compatte[i].falsi, compatte[i].pesoIntero});
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
// a zero that leaves the sum as it is (it starts at +0 and so is never -0): the same result
// as the general sum.
double RegoleCompatte::SommaBinaria(std::uint64_t& veri) {
    if (!conRicordi) {
        return SommaBinariaCalcolata(veri);
    }
    if (const Ricordo* ricordo = Ricorda(veri)) {
        // Every target rule writes its target at every score: each ends as its bit is left.
        for (const auto& [predicato, bit] : bersagli) {
            predicato->probabilita = static_cast<double>((ricordo->dopo & bit) != 0);
        }
        veri = ricordo->dopo;
        return ricordo->somma;
    }
    const std::uint64_t prima = veri;
    const double somma = SommaBinariaCalcolata(veri);
    ricordi[prossimoRicordo] = {prima, veri, somma};
    prossimoRicordo = (prossimoRicordo + 1) % ricordi.size();
    ricordiValidi =
        std::max(ricordiValidi, prossimoRicordo == 0 ? ricordi.size() : prossimoRicordo);
    return somma;
}

double RegoleCompatte::SommaBinariaCalcolata(std::uint64_t& veri) {
    if (pesiInteri) {
        return static_cast<double>(SommaBinariaIn<std::int64_t>(veri));
    }
    return SommaBinariaIn<double>(veri);
}

template <typename Somma>
Somma RegoleCompatte::SommaBinariaIn(std::uint64_t& veri) {
    Somma somma = 0;
    // Integers add up in any order: the tail of plain rules is summed apart, below.
    const std::size_t fine = std::is_same_v<Somma, std::int64_t> ? inizioCoda : compatte.size();
    for (std::size_t i = 0; i < fine; ++i) {
        const RegolaCompatta& regola = compatte[i];
        // A rule of ANDs alone wants every bit of veri set that it names plain and none it
        // names negated.
        const bool vero = regola.tuttiE ? ((~veri & regola.veri) | (veri & regola.falsi)) == 0
                                        : VeraPassoPasso(regola, veri);
        if (regola.bersaglio != nullptr) {
            regola.bersaglio->probabilita = static_cast<double>(vero);
            veri = vero ? veri | regola.bitBersaglio : veri & ~regola.bitBersaglio;
        } else if constexpr (std::is_same_v<Somma, std::int64_t>) {
            somma += vero ? regola.pesoIntero : 0;
        } else {
            // A weight that is not finite turns even a false rule into NaN, as in the general
            // sum: it must still be multiplied.
            somma += regola.peso * static_cast<double>(vero);
        }
    }
    if constexpr (std::is_same_v<Somma, std::int64_t>) {
        somma += SommaCoda(veri);
    }
    return somma;
}

std::int64_t RegoleCompatte::SommaCoda(std::uint64_t veri) const {
    std::int64_t somma = 0;
    for (const RegolaCoda& regola : coda) {
        const bool vero = ((~veri & regola.veri) | (veri & regola.falsi)) == 0;
        somma += vero ? regola.peso : 0;
    }
    return somma;
}

bool RegoleCompatte::VeraPassoPasso(const RegolaCompatta& regola, std::uint64_t veri) const {
    bool vero = true;
    for (std::uint32_t i = regola.inizio; i < regola.fine; ++i) {
        const Passo& passo = passi[i];
        const bool x = ((veri & passo.bit) != 0) != passo.negato;
        vero = passo.congiunzione ? vero && x : vero || x;
    }
    return vero;
}
