#include <gtest/gtest.h>

#include "aiuto/AiutoPartita.h"

#include <cmath>
#include <limits>

#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "ia/IntelligenzaArtificiale.h"
#include "ia/IntelligenzaArtificialeDEBUG.h"

namespace {

class MotoreRegole : public ::testing::Test {
protected:
    void SetUp() override {
        ImpostaSemeCasuale(7);
        ia.ImpostaGeneratore(&TavoloDelTest().generatore);
    }

    IntelligenzaArtificiale ia;
    Predicato& a = ia.NuovoPredicato("A");
    Predicato& b = ia.NuovoPredicato("B");
    Predicato& c = ia.NuovoPredicato("C");
};

} // namespace

TEST(Predicato, AccettaGliEstremiERifiutaIlRestoSenzaCambiare) {
    Predicato p("Prendo");
    p.ImpostaProbabilita(0.0);
    EXPECT_EQ(p.Probabilita(), 0.0);
    p.ImpostaProbabilita(1.0);
    EXPECT_EQ(p.Probabilita(), 1.0);
    p.ImpostaProbabilita(0.25);
    for (double illegale : {1.0000001, -0.0000001, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()}) {
        try {
            p.ImpostaProbabilita(illegale);
            ADD_FAILURE() << illegale << " accettato";
        } catch (const Errore& e) {
            EXPECT_STREQ(e.what(), "Probabilità Illegale per il Predicato Prendo");
        }
        EXPECT_EQ(p.Probabilita(), 0.25);
    }
}

TEST_F(MotoreRegole, EConENonDannoIlProdotto) {
    ia.NuovaRegola(20.0, "R").E(a).ENon(b);
    a.ImpostaProbabilita(1.0);
    b.ImpostaProbabilita(0.3);
    EXPECT_NEAR(ia.RegolaN(0).Verita(), 0.7, 1e-12);
    EXPECT_NEAR(ia.Valuta(), 14.0, 1e-12);
}

TEST_F(MotoreRegole, UnaSolaOValeSempreUno) {
    _Regola& r = ia.NuovaRegola(3.0, "R").O(a);
    for (double p : {0.0, 0.4, 1.0}) {
        a.ImpostaProbabilita(p);
        EXPECT_DOUBLE_EQ(r.Verita(), 1.0);
    }
    _Regola& negata = ia.NuovaRegola(3.0, "N").ONon(a);
    a.ImpostaProbabilita(1.0);
    EXPECT_DOUBLE_EQ(negata.Verita(), 1.0);
}

TEST_F(MotoreRegole, OSommaProbabilisticaDaSinistraADestra) {
    // (A * B) or C, with no precedence: 0.5 * 0.4 = 0.2, then 0.2 + 0.5 - 0.1 = 0.6.
    _Regola& r = ia.NuovaRegola(1.0, "R").E(a).E(b).O(c);
    a.ImpostaProbabilita(0.5);
    b.ImpostaProbabilita(0.4);
    c.ImpostaProbabilita(0.5);
    EXPECT_NEAR(r.Verita(), 0.6, 1e-12);
    // A product that reached zero is raised again by a later OR.
    a.ImpostaProbabilita(0.0);
    EXPECT_NEAR(r.Verita(), 0.5, 1e-12);
    _Regola& negata = ia.NuovaRegola(1.0, "N").E(a).ONon(c);
    EXPECT_NEAR(negata.Verita(), 0.5, 1e-12);
}

TEST_F(MotoreRegole, PesoNegativoEBersaglio) {
    ia.NuovaRegola(-5.0, "Meno").E(a);
    ia.NuovaRegola(c, "Bersaglio").E(a).E(b);
    a.ImpostaProbabilita(0.5);
    b.ImpostaProbabilita(0.5);
    EXPECT_NEAR(ia.Valuta(), -2.5, 1e-12);
    EXPECT_NEAR(c.Probabilita(), 0.25, 1e-12);
    EXPECT_EQ(ia.RegolaN(1).Peso(), 0.0);
    EXPECT_EQ(ia.RegolaN(1).Bersaglio(), &c);
}

TEST_F(MotoreRegole, UnaRegolaLeggeIlBersaglioPrimaEDopoLaRegolaCheLoScrive) {
    ia.NuovaRegola(10.0, "Prima").E(c);
    ia.NuovaRegola(c, "Scrive").ENon(a);
    ia.NuovaRegola(100.0, "Dopo").E(c);
    a.ImpostaProbabilita(1.0);
    c.ImpostaProbabilita(1.0);
    // The first rule reads C = 1, the third the rewritten C = 0.
    EXPECT_NEAR(ia.Valuta(), 10.0, 1e-12);
    EXPECT_EQ(c.Probabilita(), 0.0);
    a.ImpostaProbabilita(0.0);
    EXPECT_NEAR(ia.Valuta(), 100.0, 1e-12);
}

TEST_F(MotoreRegole, RegolaSenzaAntecedentiAggiungeIlSuoPeso) {
    ia.NuovaRegola(7.0, "Sempre");
    ia.NuovaRegola(0.0, "Zero").E(a);
    EXPECT_EQ(ia.Valuta(), 7.0);
}

TEST_F(MotoreRegole, CercaPredicatoDistingueLeMaiuscole) {
    EXPECT_EQ(&ia.CercaPredicato("B"), &b);
    ia.NuovoPredicato("B");
    EXPECT_EQ(&ia.CercaPredicato("B"), &b) << "vince il primo registrato";
    try {
        ia.CercaPredicato("a");
        FAIL();
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Predicato a Inesistente");
    }
}

TEST_F(MotoreRegole, OltreMilleRegoleEDieciAntecedentiSiCresce) {
    for (int i = 0; i < 1500; ++i) {
        ia.NuovaRegola(1.0, "R" + std::to_string(i));
    }
    _Regola& lunga = ia.NuovaRegola(1.0, "Lunga");
    for (int i = 0; i < 15; ++i) {
        lunga.E(a);
    }
    lunga.ENon(b);
    for (int i = 0; i < 1100; ++i) {
        ia.NuovoPredicato("P" + std::to_string(i));
    }
    a.ImpostaProbabilita(1.0);
    EXPECT_EQ(ia.NumeroRegole(), 1501);
    EXPECT_EQ(lunga.Numero(), 16);
    EXPECT_TRUE(lunga.Negato(15));
    EXPECT_EQ(ia.Valuta(), 1501.0);
    EXPECT_EQ(&ia.CercaPredicato("P1099"), &ia.PredicatoN(1102));
    // The first predicates keep their addresses as the engine grows.
    EXPECT_EQ(&ia.CercaPredicato("A"), &a);
}

TEST_F(MotoreRegole, RumoreNelLimitiDelFattore) {
    ia.NuovaRegola(100.0, "Cento");
    EXPECT_EQ(ia.Rumore(), 0);
    ia.ImpostaRumore(0.00019);
    EXPECT_EQ(ia.Rumore(), 1) << "troncato verso zero";
    ia.ImpostaRumore(0.05);
    ASSERT_EQ(ia.Rumore(), 500);
    double minimo = 1e9;
    double massimo = -1e9;
    for (int i = 0; i < 2000; ++i) {
        const double v = ia.Valuta();
        minimo = std::min(minimo, v);
        massimo = std::max(massimo, v);
    }
    // 100 x (10000 + r - 500) / 10000 with r in 0..999.
    EXPECT_GE(minimo, 95.0 - 1e-9);
    EXPECT_LE(massimo, 104.99 + 1e-9);
    EXPECT_LT(minimo, 96.0);
    EXPECT_GT(massimo, 104.0);
}

TEST_F(MotoreRegole, SenzaRumoreNessunNumeroCasualeEstratto) {
    ia.NuovaRegola(1.0, "Uno");
    ImpostaSemeCasuale(3);
    const int atteso = Casuale(1000);
    ImpostaSemeCasuale(3);
    ia.Valuta();
    EXPECT_EQ(Casuale(1000), atteso);
}

TEST(IntelligenzaArtificialeDEBUG, ValutaComeLaBase) {
    IntelligenzaArtificialeDEBUG debug;
    Predicato& p = debug.NuovoPredicato("P");
    debug.NuovaRegola(4.0, "R").E(p);
    p.ImpostaProbabilita(0.5);
    IntelligenzaArtificiale& base = debug;
    EXPECT_EQ(base.Valuta(), 2.0);
}
