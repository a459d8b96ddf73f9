#include <gtest/gtest.h>

#include <numeric>

#include "aiuto/AiutoPartita.h"
#include "carte/Carta.h"
#include "carte/NomiCarte.h"

namespace {

class CartaConNomi : public ConStatoPulito {};

} // namespace

TEST(Carta, LaCartaIndefinitaHaSemeMenoUnoEValore888) {
    const Carta c;
    EXPECT_EQ(c.Coperta, 0);
    EXPECT_EQ(c.Seme, -1);
    EXPECT_EQ(c.ValoreGrezzo(), 888);
    EXPECT_FALSE(c.Definita());
    EXPECT_EQ(c, CartaIndefinita);
}

TEST(Carta, IPuntiDelMazzoSommano120) {
    int totale = 0;
    for (int i = 0; i < 40; ++i) {
        totale += Carta::DaIndice(i).Punti();
    }
    EXPECT_EQ(totale, 120);
    for (int seme = 0; seme < 4; ++seme) {
        int perSeme = 0;
        for (int v = 0; v < 10; ++v) {
            perSeme += Carta(v, seme).Punti();
        }
        EXPECT_EQ(perSeme, 30);
    }
}

TEST(Carta, IPuntiDiOgniValore) {
    const int attesi[10] = {0, 0, 0, 0, 0, 2, 3, 4, 10, 11};
    for (int v = 0; v < 10; ++v) {
        EXPECT_EQ(Carta(v, 2).Punti(), attesi[v]) << v;
    }
}

TEST(Carta, IlTreVale10EBatteIlRe) {
    const Carta tre(kTre, 1);
    const Carta re(kRe, 1);
    EXPECT_EQ(tre.Punti(), 10);
    EXPECT_GT(tre.Valore(), re.Valore());
    EXPECT_EQ(Carta(kAsso, 1).Punti(), 11);
    EXPECT_GT(Carta(kAsso, 1).Valore(), tre.Valore());
}

TEST(Carta, IndiciDegliEsempi) {
    EXPECT_EQ(Carta(kAsso, 0).Indice(), 9);
    EXPECT_EQ(Carta(kDue, 1).Indice(), 10);
    EXPECT_EQ(Carta(kTre, 3).Indice(), 38);
    const Carta c = Carta::DaIndice(38);
    EXPECT_EQ(c.Seme, 3);
    EXPECT_EQ(c.Valore(), 8);
    EXPECT_EQ(c.Coperta, 0);
}

TEST(Carta, IndiceEDaIndiceSonoInversi) {
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(Carta::DaIndice(i).Indice(), i);
    }
}

TEST(Carta, LaCartaIndefinitaHaZeroPuntiENessunIndice) {
    EXPECT_EQ(CartaIndefinita.Punti(), 0);
    try {
        (void)CartaIndefinita.Indice();
        FAIL() << "nessuna eccezione";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Carta Indefinita");
    }
    EXPECT_THROW((void)CartaIndefinita.Valore(), Errore);
}

TEST(Carta, UnValoreFuoriDaZeroANoveSollevaCartaConValoreErrato) {
    try {
        Carta c(10, 0);
        FAIL() << "nessuna eccezione";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Carta con valore Errato");
    }
    EXPECT_THROW(Carta(-1, 0), Errore);
}

TEST(Carta, IlSetterControllatoLasciaLaCartaComEra) {
    Carta c(kRe, 2);
    EXPECT_THROW(c.ImpostaValore(10), Errore);
    EXPECT_EQ(c, Carta(kRe, 2));
    c.ImpostaValore(kFante);
    EXPECT_EQ(c, Carta(kFante, 2));
}

TEST(Carta, IlSemeNonSiControlla) {
    const Carta c(kSette, 7);
    EXPECT_EQ(c.Seme, 7);
    EXPECT_EQ(c.Valore(), kSette);
}

TEST(Carta, DueCarteCheDifferisconoSoloPerCopertaSonoUguali) {
    Carta a(kAsso, 2);
    Carta b(kAsso, 2);
    b.Coperta = 1;
    EXPECT_EQ(a, b);
    EXPECT_FALSE(a != b);
    EXPECT_NE(a, Carta(kAsso, 3));
    EXPECT_NE(a, Carta(kTre, 2));
}

TEST(Carta, LAssegnamentoConservaCopertaDellaDestinazione) {
    Carta destinazione(kDue, 0);
    destinazione.Coperta = 1;
    destinazione = Carta(kAsso, 3);
    EXPECT_EQ(destinazione, Carta(kAsso, 3));
    EXPECT_EQ(destinazione.Coperta, 1);

    Carta scoperta(kDue, 0);
    Carta coperta(kTre, 1);
    coperta.Coperta = 1;
    scoperta = coperta;
    EXPECT_EQ(scoperta.Coperta, 0);
}

TEST(Carta, LaCopiaCopiaAncheCoperta) {
    Carta originale(kRe, 1);
    originale.Coperta = 1;
    const Carta copia(originale);
    EXPECT_EQ(copia.Coperta, 1);
    EXPECT_EQ(copia, originale);
}

TEST_F(CartaConNomi, NomiLunghiEBrevi) {
    EXPECT_EQ(Carta(kAsso, 0).NomeLungo(), "Asso di Cuori");
    EXPECT_EQ(Carta(kTre, 3).NomeLungo(), "Tre di Picche");
    EXPECT_EQ(Carta(kDue, 1).NomeLungo(), "Due di Quadri");
    EXPECT_EQ(Carta(kFante, 2).NomeLungo(), "Fante di Fiori");
    EXPECT_EQ(Carta(kAsso, 0).NomeBreve(), "AC");
    EXPECT_EQ(Carta(kTre, 3).NomeBreve(), "3P");
    EXPECT_EQ(Carta(6, 1).NomeBreve(), "DQ");
}

TEST_F(CartaConNomi, OgniValoreHaIlSuoNome) {
    const char* nomi[10] = {"Due",   "Quattro", "Cinque", "Sei", "Sette",
                            "Fante", "Donna",   "Re",     "Tre", "Asso"};
    const char* lettere[10] = {"2", "4", "5", "6", "7", "F", "D", "R", "3", "A"};
    for (int v = 0; v < 10; ++v) {
        EXPECT_EQ(Carta(v, 2).NomeLungo(), std::string(nomi[v]) + " di Fiori");
        EXPECT_EQ(Carta(v, 2).NomeBreve(), std::string(lettere[v]) + "F");
    }
}

TEST_F(CartaConNomi, UnaCartaSenzaSemeHaIlSoloNomeDelValore) {
    const Carta asso(kAsso, -1);
    EXPECT_EQ(asso.NomeLungo(), "Asso");
    EXPECT_EQ(asso.NomeBreve(), "A");
}

TEST_F(CartaConNomi, LaCartaIndefinitaHaNomiVuoti) {
    EXPECT_EQ(CartaIndefinita.NomeLungo(), "");
    EXPECT_EQ(CartaIndefinita.NomeBreve(), "");
}

TEST_F(CartaConNomi, IlNomeLungoDiUnaCartaIncompletaHaSoloLeSueParti) {
    // A suit without a rank still gets " di " and the suit name; a rank without a suit, its name.
    Carta senzaValore;
    senzaValore.Seme = 2;
    EXPECT_EQ(senzaValore.NomeLungo(), " di Fiori");
    EXPECT_EQ(senzaValore.NomeBreve(), "F");
    EXPECT_EQ(Carta(kRe, 4).NomeLungo(), "Re");
    EXPECT_EQ(Carta(kRe, 4).NomeBreve(), "R");
}

TEST(Carta, GliIndiciDiFacciaSeguonoLOrdineAssoDueTre) {
    const int attesi[10] = {1, 3, 4, 5, 6, 7, 8, 9, 2, 0};
    for (int v = 0; v < 10; ++v) {
        EXPECT_EQ(kIndiceFaccia[static_cast<std::size_t>(v)], attesi[v]);
    }
}
