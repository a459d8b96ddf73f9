#include <gtest/gtest.h>

#include <vector>

#include "aiuto/AiutoPartita.h"
#include "carte/Carta.h"
#include "partita/Chiamata.h"

namespace {

// The ladder from the lowest bid to the highest.
std::vector<Chiamata> Scala() {
    std::vector<Chiamata> scala;
    for (int v = 9; v >= 0; --v) {
        scala.emplace_back(v);
    }
    for (int p = 61; p <= 120; ++p) {
        scala.emplace_back(p);
    }
    return scala;
}

class ChiamataConNomi : public ConStatoPulito {};

} // namespace

TEST(Chiamata, LaChiamataDiDefaultELaNessunaChiamata) {
    const Chiamata c;
    EXPECT_EQ(c.Seme, -1);
    EXPECT_EQ(c.Valore, 998);
    EXPECT_EQ(c.Punti, 60);
    EXPECT_EQ(c, ChiamataNulla);
}

TEST(Chiamata, IlPassoEIlValore999) {
    EXPECT_EQ(ChiamataPasso.Valore, 999);
    EXPECT_EQ(ChiamataPasso.Punti, 60);
    EXPECT_EQ(ChiamataPasso.Seme, -1);
    EXPECT_EQ(Chiamata(999), ChiamataPasso);
    EXPECT_EQ(Chiamata(998), ChiamataNulla);
}

TEST(Chiamata, CostruzioneDaUnIntero) {
    const Chiamata punti(75);
    EXPECT_EQ(punti.Valore, 0);
    EXPECT_EQ(punti.Punti, 75);
    EXPECT_EQ(punti.Seme, -1);
    const Chiamata tre(8);
    EXPECT_EQ(tre.Valore, 8);
    EXPECT_EQ(tre.Punti, 60);
    const Chiamata cento(120);
    EXPECT_EQ(cento.Valore, 0);
    EXPECT_EQ(cento.Punti, 120);
}

TEST(Chiamata, SessantaLasciaLaNessunaChiamata) {
    EXPECT_EQ(Chiamata(60), ChiamataNulla);
    EXPECT_EQ(Chiamata(60).Valore, 998);
}

TEST(Chiamata, PuntiOltre120SollevanoPuntiErrati) {
    try {
        Chiamata c(121);
        FAIL() << "nessuna eccezione";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Punti Errati");
    }
}

TEST(Chiamata, UnValoreFuoriDaZeroANoveSollevaCartaConValoreErrato) {
    for (const int n : {10, 59, -1}) {
        try {
            Chiamata c(n);
            FAIL() << "nessuna eccezione per " << n;
        } catch (const Errore& e) {
            EXPECT_STREQ(e.what(), "Carta con valore Errato");
        }
    }
}

TEST(Chiamata, IlValoreControllato) {
    EXPECT_EQ(Chiamata(kRe).ValoreVerificato(), kRe);
    EXPECT_EQ(Chiamata(90).ValoreVerificato(), 0);
    try {
        (void)ChiamataPasso.ValoreVerificato();
        FAIL() << "nessuna eccezione";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Carta Indefinita");
    }
    EXPECT_THROW((void)ChiamataNulla.ValoreVerificato(), Errore);
}

TEST(Chiamata, LUguaglianzaIgnoraIlSeme) {
    Chiamata a(kTre);
    Chiamata b(kTre);
    b.Seme = 2;
    EXPECT_EQ(a, b);
    EXPECT_NE(Chiamata(kTre), Chiamata(kRe));
    EXPECT_NE(Chiamata(70), Chiamata(71));
    EXPECT_NE(Chiamata(kDue), Chiamata(61));
}

TEST(Chiamata, LaCopiaCopiaTuttiICampi) {
    Chiamata a(85);
    a.Seme = 3;
    const Chiamata b = a;
    EXPECT_EQ(b.Seme, 3);
    EXPECT_EQ(b.Valore, 0);
    EXPECT_EQ(b.Punti, 85);
}

TEST(Chiamata, EsempiDiSupera) {
    EXPECT_TRUE(Supera(Chiamata(kTre), Chiamata(kAsso)));
    EXPECT_FALSE(Supera(Chiamata(kAsso), Chiamata(kTre)));
    EXPECT_TRUE(Supera(Chiamata(kDue), Chiamata(1)));
    EXPECT_TRUE(Supera(Chiamata(61), Chiamata(kDue)));
    EXPECT_FALSE(Supera(Chiamata(kDue), Chiamata(61)));
    EXPECT_TRUE(Supera(Chiamata(70), Chiamata(69)));
    EXPECT_FALSE(Supera(Chiamata(69), Chiamata(70)));
}

TEST(Chiamata, OgniChiamataSuperaLaNessunaChiamataTranneIlPasso) {
    for (const Chiamata& c : Scala()) {
        EXPECT_TRUE(Supera(c, ChiamataNulla)) << c.Valore << " " << c.Punti;
    }
    EXPECT_FALSE(Supera(ChiamataPasso, ChiamataNulla));
}

TEST(Chiamata, IlPassoNonSuperaMai) {
    for (const Chiamata& c : Scala()) {
        EXPECT_FALSE(Supera(ChiamataPasso, c));
    }
}

TEST(Chiamata, UnaChiamataUgualeNonSupera) {
    for (const Chiamata& c : Scala()) {
        EXPECT_FALSE(Supera(c, c));
    }
}

TEST(Chiamata, LaScalaEOrdinataStrettamente) {
    const auto scala = Scala();
    for (std::size_t i = 0; i < scala.size(); ++i) {
        for (std::size_t j = 0; j < scala.size(); ++j) {
            EXPECT_EQ(Supera(scala[j], scala[i]), j > i) << i << " " << j;
            EXPECT_EQ(NonSupera(scala[j], scala[i]), j <= i) << i << " " << j;
        }
    }
}

TEST(Chiamata, NonSuperaAPariValoreGuardaIPunti) {
    EXPECT_TRUE(NonSupera(Chiamata(70), Chiamata(70)));
    EXPECT_TRUE(NonSupera(Chiamata(69), Chiamata(70)));
    EXPECT_FALSE(NonSupera(Chiamata(71), Chiamata(70)));
    EXPECT_TRUE(NonSupera(Chiamata(kRe), Chiamata(kDonna)));
    EXPECT_FALSE(NonSupera(Chiamata(6), Chiamata(kRe)));
}

TEST(Chiamata, IConfrontiSulPassoOSullaNessunaChiamataLeggonoIlValoreControllato) {
    EXPECT_THROW((void)Supera(Chiamata(kRe), ChiamataPasso), Errore);
    EXPECT_THROW((void)Supera(ChiamataNulla, Chiamata(kRe)), Errore);
    EXPECT_THROW((void)NonSupera(ChiamataNulla, Chiamata(kRe)), Errore);
}

TEST_F(ChiamataConNomi, IlTestoDiUnaChiamata) {
    EXPECT_EQ(Chiamata(75).Testo(), "Due al 75");
    EXPECT_EQ(Chiamata(kAsso).Testo(), "Asso");
    EXPECT_EQ(Chiamata(kTre).Testo(), "Tre");
    EXPECT_EQ(Chiamata(70).Testo(), "Due al 70");
    EXPECT_EQ(Chiamata(kDue).Testo(), "Due");
    EXPECT_EQ(Chiamata(120).Testo(), "Due al 120");
    Chiamata treDiQuadri(kTre);
    treDiQuadri.Seme = 1;
    EXPECT_EQ(treDiQuadri.Testo(), "Tre di Quadri");
    Chiamata dueDiPicche(80);
    dueDiPicche.Seme = 3;
    EXPECT_EQ(dueDiPicche.Testo(), "Due di Picche al 80");
}

TEST_F(ChiamataConNomi, PassoENessunaChiamataHannoTestoVuoto) {
    EXPECT_EQ(ChiamataPasso.Testo(), "");
    EXPECT_EQ(ChiamataNulla.Testo(), "");
}

TEST(Chiamata, IlTestoUsaINomiDatiGliSenzaToccareIPredefiniti) {
    NomiCarte napoletane;
    napoletane.CaricaDaByte("C0=Asso\nC1=Due\nC8=Cavallo\nS1=Denari\nS3=Spade\n");
    Chiamata cavalloDiDenari(kDonna);
    cavalloDiDenari.Seme = 1;
    Chiamata dueDiSpade(80);
    dueDiSpade.Seme = 3;
    const struct {
        Chiamata chiamata;
        const char* napoletana;
        const char* predefinita;
    } casi[] = {
        {cavalloDiDenari, "Cavallo di Denari", "Donna di Quadri"},
        {dueDiSpade, "Due di Spade al 80", "Due di Picche al 80"},
        {Chiamata(kAsso), "Asso", "Asso"},
        {Chiamata(kRe), "", "Re"},
        {ChiamataPasso, "", ""},
    };
    for (const auto& caso : casi) {
        EXPECT_EQ(caso.chiamata.Testo(napoletane), caso.napoletana);
        EXPECT_EQ(caso.chiamata.Testo(), caso.predefinita);
        EXPECT_EQ(caso.chiamata.Testo(NomiCarte::Predefiniti()), caso.predefinita);
    }
}
