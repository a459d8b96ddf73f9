#include <gtest/gtest.h>

#include <set>

#include "carte/CodiceCarta.h"

// Every card has its own code, and the code gives the card back.
TEST(CodiceCarta, AndataERitornoSuTuttoIlMazzo) {
    std::set<std::string> visti;
    for (int indice = 0; indice < 40; ++indice) {
        const Carta carta = Carta::DaIndice(indice);
        const std::string codice = CodiceCarta(carta);
        EXPECT_EQ(codice.size(), 2u);
        EXPECT_TRUE(visti.insert(codice).second) << codice;
        EXPECT_EQ(CartaDaCodice(codice), carta) << codice;
    }
    // The code names faces, not strength: the ace, the three and the king of their suits.
    EXPECT_EQ(CodiceCarta(Carta(kAsso, kCuori)), "AC");
    EXPECT_EQ(CodiceCarta(Carta(kTre, kPicche)), "3P");
    EXPECT_EQ(CodiceCarta(Carta(kRe, kQuadri)), "RQ");
    EXPECT_EQ(CodiceCarta(Carta(kDonna, kFiori)), "CF");
}

TEST(CodiceCarta, RifiutaCodiciEstranei) {
    for (const char* codice : {"", "A", "ACC", "ac", "1C", "AX", " AC", "\xff\xfe", "10C"}) {
        EXPECT_THROW(CartaDaCodice(codice), Errore) << codice;
    }
    EXPECT_THROW(CodiceCarta(CartaIndefinita), Errore);
    for (int seme = 0; seme < 4; ++seme) {
        EXPECT_EQ(SemeDaCodice(CodiceSeme(seme)), seme);
    }
    EXPECT_THROW(SemeDaCodice("X"), Errore);
    EXPECT_THROW(CodiceSeme(4), Errore);
}
