#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "comune/Casuale.h"

namespace {

// A table's generator, reseeded as a computer-only series reseeds it.
GeneratoreTavolo generatore;

int Casuale(int n) {
    return generatore.Casuale(n);
}

void ImpostaSemeCasuale(std::uint32_t seme) {
    generatore.Risemina(seme);
}

std::vector<int> Estrai(int quante, int n) {
    std::vector<int> valori;
    for (int i = 0; i < quante; ++i) {
        valori.push_back(Casuale(n));
    }
    return valori;
}

} // namespace

TEST(Casuale, IlValoreEQuelloDelGeneratoreStandardModuloN) {
    ImpostaSemeCasuale(1234);
    std::mt19937 riferimento(1234);
    for (int i = 0; i < 1000; ++i) {
        const int n = 1 + i % 50;
        EXPECT_EQ(Casuale(n), static_cast<int>(riferimento() % static_cast<unsigned>(n)));
    }
}

TEST(Casuale, LaSequenzaEQuellaFissataDalloStandard) {
    // The standard fixes the 10000th value of a default-seeded std::mt19937.
    ImpostaSemeCasuale(5489u);
    for (int i = 0; i < 9999; ++i) {
        Casuale(2);
    }
    std::mt19937 riferimento(5489u);
    riferimento.discard(9999);
    EXPECT_EQ(riferimento(), 4123659995u);
    ImpostaSemeCasuale(5489u);
    std::mt19937 secondo(5489u);
    EXPECT_EQ(Casuale(1000000), static_cast<int>(secondo() % 1000000u));
}

TEST(Casuale, ConNZeroDaZeroSenzaEstrarre) {
    ImpostaSemeCasuale(77);
    const std::vector<int> attesi = Estrai(5, 40);
    ImpostaSemeCasuale(77);
    EXPECT_EQ(Casuale(0), 0);
    EXPECT_EQ(Casuale(-3), 0);
    EXPECT_EQ(Estrai(5, 40), attesi);
}

TEST(Casuale, LoStessoSemeDaLaStessaSequenza) {
    ImpostaSemeCasuale(42);
    const std::vector<int> prima = Estrai(100, 7);
    ImpostaSemeCasuale(42);
    EXPECT_EQ(Estrai(100, 7), prima);
    ImpostaSemeCasuale(43);
    EXPECT_NE(Estrai(100, 7), prima);
}

TEST(Casuale, IValoriStannoFraZeroENMenoUno) {
    ImpostaSemeCasuale(9);
    std::vector<int> visti(7, 0);
    for (int i = 0; i < 7000; ++i) {
        const int v = Casuale(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
        ++visti[static_cast<std::size_t>(v)];
    }
    for (const int volte : visti) {
        EXPECT_GT(volte, 800);
    }
    EXPECT_EQ(Casuale(1), 0);
}

// The series reseeds with one seed several games in a row: each time the sequence must start
// again from the seed, however far the last one went and whatever seed came between.
TEST(Casuale, UnSemeRipetutoRiparteDaCapoDopoMolteEstrazioni) {
    for (const std::uint32_t seme : {42u, 42u, 43u, 42u}) {
        ImpostaSemeCasuale(seme);
        std::mt19937 riferimento(seme);
        for (int i = 0; i < 2000; ++i) {
            ASSERT_EQ(Casuale(1000000), static_cast<int>(riferimento() % 1000000u)) << seme;
        }
    }
}
