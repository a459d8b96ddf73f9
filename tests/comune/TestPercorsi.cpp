#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "aiuto/AiutoPartita.h"
#include "comune/Percorsi.h"

namespace {

class Percorsi : public ::testing::Test {
protected:
    void TearDown() override { ImpostaCartellaProgramma(""); }
};

} // namespace

TEST_F(Percorsi, SiCercaNellaCartellaCorrentePoiInQuellaDelProgrammaPoiFraIDatiInstallati) {
    ImpostaCartellaProgramma("/opt/pentaludo/bin");
    const auto cartelle = CartelleDati();
    ASSERT_EQ(cartelle.size(), 3u);
    EXPECT_EQ(cartelle[0], ".");
    EXPECT_EQ(cartelle[1], "/opt/pentaludo/bin");
    EXPECT_EQ(cartelle[2], CartellaDatiInstallati());
}

TEST_F(Percorsi, SenzaCartellaDelProgrammaNonLaSiCerca) {
    const auto cartelle = CartelleDati();
    EXPECT_EQ(std::count(cartelle.begin(), cartelle.end(), ""), 0);
    EXPECT_EQ(cartelle.front(), ".");
}

TEST_F(Percorsi, UnFileSiTrovaNellaCartellaDelProgramma) {
    CartellaTemporanea cartella;
    ScriviByte(cartella.File("pentaludo-prova-percorsi.txt"), std::string("x"));
    ImpostaCartellaProgramma(cartella.Percorso().string());
    EXPECT_EQ(TrovaFileDati("pentaludo-prova-percorsi.txt"),
              cartella.File("pentaludo-prova-percorsi.txt"));
    EXPECT_EQ(TrovaFileDati("pentaludo-non-esiste.txt"), "");
}

TEST_F(Percorsi, UnNomeConCartellaSiPrendeComE) {
    CartellaTemporanea cartella;
    const std::string file = cartella.File("regole.txt");
    ScriviByte(file, std::string("x"));
    EXPECT_EQ(TrovaFileDati(file), file);
    EXPECT_EQ(TrovaFileDati(cartella.File("manca.txt")), "");
}
