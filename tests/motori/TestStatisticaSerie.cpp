#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "motori/StatisticaSerie.h"

namespace {

std::array<int, 5> Posto0(int punti) {
    return {punti, 0, 0, 0, -punti};
}

} // namespace

TEST(StatisticaSerie, PartiteIndipendentiDannoLErroreStandardDeiLibri) {
    // One game a block (numbers 0, 5, 10, ...): the cluster estimate is the textbook one,
    // sample standard deviation over the square root of n.
    const std::vector<int> punti = {3, -1, -1, 2, -2, 6, -1, 4};
    StatisticaSerie statistica;
    for (std::size_t g = 0; g < punti.size(); ++g) {
        statistica.Aggiungi(static_cast<int>(5 * g), Posto0(punti[g]));
    }
    double media = 0.0;
    for (int p : punti) {
        media += p;
    }
    media /= static_cast<double>(punti.size());
    double scarti = 0.0;
    for (int p : punti) {
        scarti += (p - media) * (p - media);
    }
    const double n = static_cast<double>(punti.size());
    const double errore = std::sqrt(scarti / (n - 1.0)) / std::sqrt(n);
    const Stima stima = statistica.Posto(0);
    EXPECT_EQ(stima.partite, 8);
    EXPECT_EQ(stima.blocchi, 8);
    EXPECT_DOUBLE_EQ(stima.media, media);
    EXPECT_NEAR(stima.erroreStandard, errore, 1e-12);
    EXPECT_NEAR(stima.minimo, media - 2.3646 * errore, 1e-9);
    EXPECT_NEAR(stima.massimo, media + 2.3646 * errore, 1e-9);
    EXPECT_NEAR(statistica.Posto(4).media, -media, 1e-12);
    EXPECT_NEAR(statistica.Posto(4).erroreStandard, errore, 1e-12);
}

TEST(StatisticaSerie, IBlocchiDiCinquePartiteSonoLUnita) {
    // Within each block the seat's scores cancel out: the seat averages 0 with no doubt at
    // all, however much single games vary. A last block of three games counts by its size.
    StatisticaSerie statistica;
    const std::vector<std::vector<int>> blocchi = {
        {4, -4, 2, -2, 0}, {8, -8, 1, -1, 0}, {3, -3, 0}};
    int numero = 10;
    for (const auto& blocco : blocchi) {
        for (int p : blocco) {
            statistica.Aggiungi(numero++, Posto0(p));
        }
    }
    const Stima stima = statistica.Posto(0);
    EXPECT_EQ(stima.partite, 13);
    EXPECT_EQ(stima.blocchi, 3);
    EXPECT_DOUBLE_EQ(stima.media, 0.0);
    EXPECT_NEAR(stima.erroreStandard, 0.0, 1e-12);

    // Block sums 5, -5, 2 of sizes 5, 5, 2: mean 2/12 a game; by hand,
    // SE^2 = 3/2 * sum (S - media m)^2 / n^2.
    StatisticaSerie irregolare;
    const std::vector<std::pair<int, int>> giochi = {{0, 1},  {1, 1},  {2, 1},  {3, 1},
                                                     {4, 1},  {5, -1}, {6, -1}, {7, -1},
                                                     {8, -1}, {9, -1}, {10, 1}, {11, 1}};
    for (const auto& [n, p] : giochi) {
        irregolare.Aggiungi(n, Posto0(p));
    }
    const double media = 2.0 / 12.0;
    const double scarti =
        std::pow(5 - 5 * media, 2) + std::pow(-5 - 5 * media, 2) + std::pow(2 - 2 * media, 2);
    EXPECT_DOUBLE_EQ(irregolare.Posto(0).media, media);
    EXPECT_NEAR(irregolare.Posto(0).erroreStandard, std::sqrt(1.5 * scarti) / 12.0, 1e-12);
    EXPECT_NEAR(irregolare.Posto(0).massimo - media, 4.3027 * irregolare.Posto(0).erroreStandard,
                1e-9);
}

TEST(StatisticaSerie, LaDifferenzaTraGruppiEPerPartita) {
    // Seat 4 always +4, the others -1: seat 4 does 5 points a game better than the rest.
    StatisticaSerie statistica;
    for (int g = 0; g < 20; ++g) {
        statistica.Aggiungi(g, {-1, -1, -1, -1, 4});
    }
    const Stima sfidante = statistica.Differenza({false, false, false, false, true});
    EXPECT_DOUBLE_EQ(sfidante.media, 5.0);
    EXPECT_NEAR(sfidante.erroreStandard, 0.0, 1e-12);
    // Seats 0 and 1 against 2, 3, 4: -1 minus the mean of -1, -1, 4.
    const Stima coppia = statistica.Differenza({true, true, false, false, false});
    EXPECT_NEAR(coppia.media, -1.0 - 2.0 / 3.0, 1e-12);
    // No group to compare: nothing to say.
    EXPECT_TRUE(std::isnan(statistica.Differenza({}).erroreStandard));
}

TEST(StatisticaSerie, SenzaDueBlocchiNonCeIncertezzaDaMisurare) {
    StatisticaSerie statistica;
    EXPECT_TRUE(std::isnan(statistica.Posto(0).media));
    for (int g = 0; g < 5; ++g) {
        statistica.Aggiungi(g, Posto0(g));
    }
    EXPECT_DOUBLE_EQ(statistica.Posto(0).media, 2.0);
    EXPECT_TRUE(std::isnan(statistica.Posto(0).erroreStandard));
    EXPECT_TRUE(std::isnan(statistica.Posto(0).minimo));
}

TEST(StatisticaSerie, QuantiliDiStudent) {
    const std::vector<std::pair<long long, double>> attesi = {
        {1, 12.7062}, {4, 2.7764}, {30, 2.0423}, {40, 2.0211}, {120, 1.9799}, {100000, 1.96}};
    for (const auto& [gradi, t] : attesi) {
        EXPECT_NEAR(StatisticaSerie::QuantileT95(gradi), t, 5e-4) << gradi;
    }
    EXPECT_TRUE(std::isnan(StatisticaSerie::QuantileT95(0)));
}

TEST(StatisticaSerie, PartiAccodateSonoLeStessePartiteAggiunteInOrdine) {
    // The games of a series cut into consecutive parts, as the shares of a series played side
    // by side: cuts at a block's edge and inside a block, parts shorter than a block, empty
    // parts, and a series that does not begin at a block's edge.
    struct Caso {
        int prima;
        std::vector<int> tagli;
    };
    const std::vector<Caso> casi = {
        {0, {10, 20}},  {0, {7, 13}}, {3, {4, 6}}, {3, {2}},        {0, {0, 5, 5, 40}},
        {2, {1, 2, 3}}, {8, {25}},    {0, {}},     {4, {1, 1, 39}}, {0, {3, 40}},
    };
    const int partite = 40;
    const auto Punteggio = [](int g) {
        const int a = (g * 7) % 11 - 5;
        const int b = (g * 5) % 9 - 4;
        return std::array<int, 5>{a, b, -a - b + 2, -1, -1};
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.prima);
        StatisticaSerie inOrdine;
        for (int g = 0; g < partite; ++g) {
            inOrdine.Aggiungi(c.prima + g, Punteggio(g));
        }
        StatisticaSerie accodata;
        int inizio = 0;
        std::vector<int> fini = c.tagli;
        fini.push_back(partite);
        for (const int fine : fini) {
            StatisticaSerie parte;
            for (int g = inizio; g < fine; ++g) {
                parte.Aggiungi(c.prima + g, Punteggio(g));
            }
            accodata.Accoda(parte);
            inizio = fine;
        }
        EXPECT_TRUE(accodata == inOrdine);
        // And it goes on as the other does.
        accodata.Aggiungi(c.prima + partite, Punteggio(partite));
        inOrdine.Aggiungi(c.prima + partite, Punteggio(partite));
        EXPECT_TRUE(accodata == inOrdine);
        const Stima a = accodata.Differenza({true, false, true, false, false});
        const Stima b = inOrdine.Differenza({true, false, true, false, false});
        EXPECT_EQ(a.blocchi, b.blocchi);
        EXPECT_EQ(a.erroreStandard, b.erroreStandard);
    }
}
