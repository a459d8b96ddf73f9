#include "motori/StatisticaSerie.h"

#include <cmath>
#include <limits>

namespace {

std::size_t I(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

void StatisticaSerie::Aggiungi(int numeroPartita, const std::array<int, 5>& punteggio) {
    const long long blocco = numeroPartita / 5;
    if (blocco != bloccoAperto) {
        bloccoAperto = blocco;
        partiteAperte = 0;
        aperto.fill(0);
        ++blocchi;
    }
    // The closed sums count the open block too: its old contribution is taken out, the new
    // one put in, so that nothing is left to close at the end.
    const long long m = partiteAperte;
    sommaM2 += (m + 1) * (m + 1) - m * m;
    for (int s = 0; s < 5; ++s) {
        const long long prima = aperto[I(s)];
        const long long dopo = prima + punteggio[I(s)];
        sommaS[I(s)] += dopo - prima;
        sommaSM[I(s)] += dopo * (m + 1) - prima * m;
    }
    for (int s = 0; s < 5; ++s) {
        for (int t = 0; t < 5; ++t) {
            const long long primaS = aperto[I(s)];
            const long long primaT = aperto[I(t)];
            sommaSS[I(s)][I(t)] +=
                (primaS + punteggio[I(s)]) * (primaT + punteggio[I(t)]) - primaS * primaT;
        }
    }
    for (int s = 0; s < 5; ++s) {
        aperto[I(s)] += punteggio[I(s)];
    }
    ++partiteAperte;
    ++partite;
    if (primoBlocco < 0) {
        primoBlocco = blocco;
    }
    if (blocco == primoBlocco) {
        partitePrime = partiteAperte;
        primo = aperto;
    }
}

void StatisticaSerie::Accoda(const StatisticaSerie& seguito) {
    if (seguito.partite == 0) {
        return;
    }
    if (partite == 0) {
        *this = seguito;
        return;
    }
    partite += seguito.partite;
    blocchi += seguito.blocchi;
    sommaM2 += seguito.sommaM2;
    for (int s = 0; s < 5; ++s) {
        sommaS[I(s)] += seguito.sommaS[I(s)];
        sommaSM[I(s)] += seguito.sommaSM[I(s)];
        for (int t = 0; t < 5; ++t) {
            sommaSS[I(s)][I(t)] += seguito.sommaSS[I(s)][I(t)];
        }
    }
    const bool diviso = seguito.primoBlocco == bloccoAperto;
    if (diviso) {
        // The block cut in two counted as two: the products of its halves are missing.
        const long long a = partiteAperte;
        const long long b = seguito.partitePrime;
        --blocchi;
        sommaM2 += 2 * a * b;
        for (int s = 0; s < 5; ++s) {
            sommaSM[I(s)] += aperto[I(s)] * b + seguito.primo[I(s)] * a;
            for (int t = 0; t < 5; ++t) {
                sommaSS[I(s)][I(t)] +=
                    aperto[I(s)] * seguito.primo[I(t)] + seguito.primo[I(s)] * aperto[I(t)];
            }
        }
        if (primoBlocco == bloccoAperto) {
            partitePrime += seguito.partitePrime;
            for (int s = 0; s < 5; ++s) {
                primo[I(s)] += seguito.primo[I(s)];
            }
        }
    }
    if (diviso && seguito.bloccoAperto == bloccoAperto) {
        partiteAperte += seguito.partiteAperte;
        for (int s = 0; s < 5; ++s) {
            aperto[I(s)] += seguito.aperto[I(s)];
        }
    } else {
        bloccoAperto = seguito.bloccoAperto;
        partiteAperte = seguito.partiteAperte;
        aperto = seguito.aperto;
    }
}

Stima StatisticaSerie::Posto(int posto) const {
    std::array<double, 5> pesi{};
    pesi[I(posto)] = 1.0;
    return Combinazione(pesi);
}

Stima StatisticaSerie::Differenza(const std::array<bool, 5>& gruppo) const {
    int dentro = 0;
    for (const bool g : gruppo) {
        dentro += g ? 1 : 0;
    }
    if (dentro == 0 || dentro == 5) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {partite, blocchi, nan, nan, nan, nan};
    }
    std::array<double, 5> pesi{};
    for (int s = 0; s < 5; ++s) {
        pesi[I(s)] = gruppo[I(s)] ? 1.0 / dentro : -1.0 / (5 - dentro);
    }
    return Combinazione(pesi);
}

// The score per game of a weighted sum of seats: its mean over all games, and the spread of
// the block sums around what the mean predicts for a block of that size.
Stima StatisticaSerie::Combinazione(const std::array<double, 5>& pesi) const {
    Stima stima;
    stima.partite = partite;
    stima.blocchi = blocchi;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    stima.erroreStandard = stima.minimo = stima.massimo = nan;
    if (partite == 0) {
        stima.media = nan;
        return stima;
    }
    double totale = 0.0;
    double totaleM = 0.0;
    double quadrati = 0.0;
    for (int s = 0; s < 5; ++s) {
        totale += pesi[I(s)] * static_cast<double>(sommaS[I(s)]);
        totaleM += pesi[I(s)] * static_cast<double>(sommaSM[I(s)]);
        for (int t = 0; t < 5; ++t) {
            quadrati += pesi[I(s)] * pesi[I(t)] * static_cast<double>(sommaSS[I(s)][I(t)]);
        }
    }
    const double n = static_cast<double>(partite);
    const double media = totale / n;
    stima.media = media;
    if (blocchi < 2) {
        return stima;
    }
    // Sum over blocks of (D_b - media * m_b)^2, expanded into the kept sums.
    const double scarti = std::max(0.0, quadrati - 2.0 * media * totaleM +
                                            media * media * static_cast<double>(sommaM2));
    const double b = static_cast<double>(blocchi);
    stima.erroreStandard = std::sqrt(b / (b - 1.0) * scarti) / n;
    const double t = QuantileT95(blocchi - 1);
    stima.minimo = media - t * stima.erroreStandard;
    stima.massimo = media + t * stima.erroreStandard;
    return stima;
}

double StatisticaSerie::QuantileT95(long long gradi) {
    static constexpr std::array<double, 30> kTabella = {
        12.7062, 4.3027, 3.1824, 2.7764, 2.5706, 2.4469, 2.3646, 2.3060, 2.2622, 2.2281,
        2.2010,  2.1788, 2.1604, 2.1448, 2.1314, 2.1199, 2.1098, 2.1009, 2.0930, 2.0860,
        2.0796,  2.0739, 2.0687, 2.0639, 2.0595, 2.0555, 2.0518, 2.0484, 2.0452, 2.0423};
    if (gradi < 1) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (gradi <= 30) {
        return kTabella[static_cast<std::size_t>(gradi - 1)];
    }
    // Beyond the table, the Cornish-Fisher expansion around the normal quantile.
    const double z = 1.959963985;
    const double g = static_cast<double>(gradi);
    const double z3 = z * z * z;
    const double z5 = z3 * z * z;
    return z + (z3 + z) / (4.0 * g) + (5.0 * z5 + 16.0 * z3 + 3.0 * z) / (96.0 * g * g);
}
