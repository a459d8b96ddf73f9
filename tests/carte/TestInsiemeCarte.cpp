#include <gtest/gtest.h>

#include "carte/InsiemeCarte.h"

namespace {

const Carta kAssoPicche(kAsso, 3);
const Carta kDueCuori(kDue, 0);
const Carta kReQuadri(kRe, 1);

} // namespace

TEST(InsiemeCarte, UnInsiemeNuovoEVuoto) {
    const InsiemeCarte insieme;
    EXPECT_EQ(insieme.Numero, 0);
    EXPECT_EQ(insieme.Prima(0), CartaIndefinita);
    EXPECT_FALSE(insieme.Contiene(kAssoPicche));
}

TEST(InsiemeCarte, AggiungereDueVolteLaStessaCartaLaContaUnaVolta) {
    InsiemeCarte insieme;
    insieme += kAssoPicche;
    insieme += kAssoPicche;
    EXPECT_EQ(insieme.Numero, 1);
    EXPECT_TRUE(insieme.Contiene(kAssoPicche));
}

TEST(InsiemeCarte, AggiungereLaCartaIndefinitaNonCambiaNiente) {
    InsiemeCarte insieme;
    insieme += CartaIndefinita;
    EXPECT_EQ(insieme.Numero, 0);
    insieme += kDueCuori;
    insieme += CartaIndefinita;
    EXPECT_EQ(insieme.Numero, 1);
    insieme -= CartaIndefinita;
    EXPECT_EQ(insieme.Numero, 1);
}

TEST(InsiemeCarte, LOrdineEQuelloDiInserimentoFinoAUnaRicostruzione) {
    InsiemeCarte insieme;
    insieme += kAssoPicche;
    insieme += kDueCuori;
    EXPECT_EQ(insieme.Prima(0), kAssoPicche);
    EXPECT_EQ(insieme.Prima(1), kDueCuori);
    insieme -= InsiemeCarte();
    EXPECT_EQ(insieme.Numero, 2);
    EXPECT_EQ(insieme.Prima(0), kDueCuori);
    EXPECT_EQ(insieme.Prima(1), kAssoPicche);
}

TEST(InsiemeCarte, IlComplementoDelVuotoEIlMazzoInOrdine) {
    InsiemeCarte insieme;
    insieme.Complemento();
    ASSERT_EQ(insieme.Numero, 40);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(insieme.Prima(i), Carta::DaIndice(i));
    }
    insieme.Complemento();
    EXPECT_EQ(insieme.Numero, 0);
}

TEST(InsiemeCarte, IlComplementoToglieLeCarteDellInsieme) {
    InsiemeCarte insieme;
    insieme += kReQuadri;
    insieme += kDueCuori;
    insieme.Complemento();
    EXPECT_EQ(insieme.Numero, 38);
    EXPECT_FALSE(insieme.Contiene(kReQuadri));
    EXPECT_FALSE(insieme.Contiene(kDueCuori));
    EXPECT_EQ(insieme.Prima(0), Carta::DaIndice(1));
    EXPECT_EQ(insieme.Prima(37), Carta::DaIndice(39));
}

TEST(InsiemeCarte, TogliereUnaCartaAssenteNonCambiaNiente) {
    InsiemeCarte insieme;
    insieme += kAssoPicche;
    insieme += kDueCuori;
    insieme -= kReQuadri;
    EXPECT_EQ(insieme.Numero, 2);
    EXPECT_EQ(insieme.Prima(0), kAssoPicche);
    EXPECT_EQ(insieme.Prima(1), kDueCuori);
}

TEST(InsiemeCarte, TogliereLaPrimaDiTreCarteFaScorrereLeAltre) {
    InsiemeCarte insieme;
    insieme += kAssoPicche;
    insieme += kDueCuori;
    insieme += kReQuadri;
    insieme -= kAssoPicche;
    ASSERT_EQ(insieme.Numero, 2);
    EXPECT_EQ(insieme.Prima(0), kDueCuori);
    EXPECT_EQ(insieme.Prima(1), kReQuadri);
    EXPECT_EQ(insieme.Prima(2), CartaIndefinita);
}

TEST(InsiemeCarte, TogliereUnInsiemeLasciaIlRestoInOrdineCrescente) {
    InsiemeCarte insieme;
    insieme += kAssoPicche;
    insieme += kReQuadri;
    insieme += kDueCuori;
    InsiemeCarte via;
    via += kReQuadri;
    via += Carta(kTre, 2);
    insieme -= via;
    ASSERT_EQ(insieme.Numero, 2);
    EXPECT_EQ(insieme.Prima(0), kDueCuori);
    EXPECT_EQ(insieme.Prima(1), kAssoPicche);
}

TEST(InsiemeCarte, AggiungereUnInsiemeSegueIlSuoOrdineESaltaIDoppi) {
    InsiemeCarte insieme;
    insieme += kReQuadri;
    InsiemeCarte altro;
    altro += kAssoPicche;
    altro += kReQuadri;
    altro += kDueCuori;
    insieme += altro;
    ASSERT_EQ(insieme.Numero, 3);
    EXPECT_EQ(insieme.Prima(0), kReQuadri);
    EXPECT_EQ(insieme.Prima(1), kAssoPicche);
    EXPECT_EQ(insieme.Prima(2), kDueCuori);
}

TEST(InsiemeCarte, PrimaFuoriDaiLimitiELaCartaIndefinita) {
    InsiemeCarte insieme;
    insieme += kReQuadri;
    EXPECT_EQ(insieme.Prima(insieme.Numero), CartaIndefinita);
    EXPECT_EQ(insieme.Prima(-1), CartaIndefinita);
    EXPECT_EQ(insieme.Prima(40), CartaIndefinita);
    EXPECT_EQ(insieme.Prima(0).Coperta, 0);
}

TEST(InsiemeCarte, ContieneLaCartaIndefinitaSollevaSeLInsiemeNonEVuoto) {
    InsiemeCarte insieme;
    EXPECT_FALSE(insieme.Contiene(CartaIndefinita));
    insieme += kReQuadri;
    try {
        (void)insieme.Contiene(CartaIndefinita);
        FAIL() << "nessuna eccezione";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Carta Indefinita");
    }
}

TEST(InsiemeCarte, UnaCartaSenzaSemeVeroNonEntraNellInsieme) {
    InsiemeCarte insieme;
    EXPECT_THROW(insieme += Carta(kAsso, -1), Errore);
    EXPECT_THROW(insieme += Carta(kAsso, 4), Errore);
    EXPECT_EQ(insieme.Numero, 0);
}

TEST(InsiemeCarte, SvuotaELaCopia) {
    InsiemeCarte insieme;
    insieme += kReQuadri;
    insieme += kDueCuori;
    InsiemeCarte copia = insieme;
    insieme.Svuota();
    EXPECT_EQ(insieme.Numero, 0);
    EXPECT_EQ(copia.Numero, 2);
    EXPECT_EQ(copia.Prima(1), kDueCuori);
}

TEST(InsiemeCarte, TutteLeQuarantaCarteEntrano) {
    InsiemeCarte insieme;
    for (int i = 39; i >= 0; --i) {
        insieme += Carta::DaIndice(i);
    }
    EXPECT_EQ(insieme.Numero, 40);
    EXPECT_EQ(insieme.Prima(0), Carta::DaIndice(39));
    insieme += Carta::DaIndice(5);
    EXPECT_EQ(insieme.Numero, 40);
}
