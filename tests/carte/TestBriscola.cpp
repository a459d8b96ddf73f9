#include <gtest/gtest.h>

#include "carte/Briscola.h"

TEST(Briscola, LaBriscolaDiDefaultNonENominata) {
    const Briscola b;
    EXPECT_EQ(b.SemeGrezzo(), 885);
    EXPECT_FALSE(b.Nominata());
    EXPECT_EQ(b, BriscolaIndefinita);
    try {
        (void)b.Seme();
        FAIL() << "nessuna eccezione";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Briscola Indefinita");
    }
}

TEST(Briscola, La888SiLeggeSenzaErrore) {
    const Briscola b(888);
    EXPECT_EQ(b.Seme(), 888);
    EXPECT_FALSE(b.Nominata());
    EXPECT_EQ(b, BriscolaAssente);
}

TEST(Briscola, ISemiDaZeroATreSonoNominati) {
    for (int s = 0; s < 4; ++s) {
        const Briscola b(s);
        EXPECT_EQ(b.Seme(), s);
        EXPECT_TRUE(b.Nominata());
    }
}

TEST(Briscola, UnValoreNonPrevistoSollevaBriscolaErrata) {
    try {
        Briscola b(4);
        FAIL() << "nessuna eccezione";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Briscola Errata");
    }
    EXPECT_THROW(Briscola(-1), Errore);
    EXPECT_THROW(Briscola(886), Errore);
    EXPECT_NO_THROW(Briscola(885));
}

TEST(Briscola, IlSetterLasciaLaBriscolaComEraSeFallisce) {
    Briscola b(2);
    EXPECT_THROW(b.ImpostaSeme(4), Errore);
    EXPECT_EQ(b.Seme(), 2);
    b.ImpostaSeme(885);
    EXPECT_EQ(b, BriscolaIndefinita);
    EXPECT_THROW((void)b.Seme(), Errore);
}

TEST(Briscola, LUguaglianzaConfrontaIlValoreGrezzo) {
    EXPECT_EQ(Briscola(1), Briscola(1));
    EXPECT_NE(Briscola(1), Briscola(2));
    EXPECT_NE(Briscola(885), Briscola(888));
}
