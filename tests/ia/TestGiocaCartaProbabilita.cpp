#include <gtest/gtest.h>

#include <locale>

#include "SupportoPartita.h"
#include "ia/GiocaCartaProbabilita.h"
#include "ia/TabelleSorteggio.h"
#include "ia/TatticaNuova.h"

namespace {

class GiocaCartaProbabilitaTest : public ::testing::Test {
protected:
    void SetUp() override {
        AzzeraStatoGlobale();
        // Seat 2 must play the first trick's third card; the deal comes from a fixed seed.
        ImpostaSemeCasuale(77u);
        Registro().Distribuisci(TavoloDelTest().generatore);
        ImpostaChiamata(Registro(), 0, kAsso, kQuadri);
        GiocaCarte(Registro(), {Registro().CartaInMano(0, 3), Registro().CartaInMano(1, 5)});
    }
    void TearDown() override { AzzeraStatoGlobale(); }

    // The value drawn from a table by the generator's next number.
    static double Estrai(std::size_t coefficiente) {
        return kTabelleSorteggio[coefficiente][static_cast<std::size_t>(Casuale(15))];
    }
};

std::array<double, 7> Valori(const Coefficienti& c) {
    return {c.IP, c.PP, c.CH, c.IR, c.PS, c.MN, c.CC};
}

TEST_F(GiocaCartaProbabilitaTest, NomeEDettaglioConIValoriPredefiniti) {
    const GiocaCartaProbabilita strategia(2);
    EXPECT_EQ(strategia.Nome(), "Probabilità");
    EXPECT_EQ(strategia.Dettaglio(),
              "IP 1.0000 PP 0.3400 CH 0.0900 IR 2.1500 PS 0.6750 MN 0.5000 CC 1.2000 ");
    EXPECT_EQ(strategia.Giocatore(), 2);
}

// A C++ locale whose decimal separator is the comma.
struct Virgola : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST_F(GiocaCartaProbabilitaTest, DettaglioColPuntoAncheColLocaleItaliano) {
    const GiocaCartaProbabilita strategia(1, Coefficienti{2.5, 0.02, 0.035, 1.25, 0.95, 0.25, 3});
    const std::locale prima = std::locale::global(std::locale(std::locale::classic(), new Virgola));
    const std::string testo = strategia.Dettaglio();
    std::locale::global(prima);
    EXPECT_EQ(testo, "IP 2.5000 PP 0.0200 CH 0.0350 IR 1.2500 PS 0.9500 MN 0.2500 CC 3.0000 ");
}

TEST_F(GiocaCartaProbabilitaTest, SceglieComeLaTatticaSulRegistroGlobale) {
    GiocaCartaProbabilita strategia(2);
    strategia.Siedi(TavoloDelTest());
    const Carta scelta = strategia.ScegliCarta();
    EXPECT_TRUE(Registro().InMano(scelta.Indice()));
    EXPECT_EQ(Registro().Distribuzione(scelta.Indice()), 2);
    TatticaNuova tattica{Coefficienti{}};
    EXPECT_EQ(tattica.Scegli(Registro(), 2), scelta);
    // Outside the third series the coefficients never change.
    for (int i = 0; i < 50; ++i) {
        strategia.ScegliCarta();
    }
    EXPECT_EQ(Valori(strategia.CoefficientiAttuali()), Valori(Coefficienti{}));
}

TEST_F(GiocaCartaProbabilitaTest, CoefficientiErratiAllaPrimaMossaSenzaCambiareNulla) {
    Coefficienti c;
    c.MN = 1.5;
    GiocaCartaProbabilita strategia(2, c);
    strategia.Siedi(TavoloDelTest());
    try {
        strategia.ScegliCarta();
        ADD_FAILURE() << "nessuna eccezione";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Coefficiente Mano troppo grande");
    }
    EXPECT_EQ(strategia.CoefficientiAttuali().MN, 1.5);
}

// In the third computer-only series a fresh strategy draws its seven coefficients, one per
// table in order, at its first decision, keeps them for 40 decisions, and draws again at the
// 41st. The expected values come from the same seed drawn by hand.
TEST_F(GiocaCartaProbabilitaTest, TerzaSerieSorteggiaOgniQuarantaMosse) {
    ImpostaTipoGiocatori(3);
    // Invalid coefficients are replaced before they are ever checked.
    GiocaCartaProbabilita strategia(2, Coefficienti{-1, -1, -1, -1, -1, -1, -1});
    strategia.Siedi(TavoloDelTest());

    ImpostaSemeCasuale(2024u);
    std::array<double, 7> primo{}, secondo{};
    for (std::size_t i = 0; i < 7; ++i) {
        primo[i] = Estrai(i);
    }
    for (std::size_t i = 0; i < 7; ++i) {
        secondo[i] = Estrai(i);
    }

    ImpostaSemeCasuale(2024u);
    for (int mossa = 1; mossa <= 40; ++mossa) {
        strategia.ScegliCarta();
        ASSERT_EQ(Valori(strategia.CoefficientiAttuali()), primo) << mossa;
    }
    strategia.ScegliCarta();
    EXPECT_EQ(Valori(strategia.CoefficientiAttuali()), secondo);
    EXPECT_NE(primo, secondo);
}

// Each table holds 15 increasing values between the stated ends, every one of them valid.
TEST(TabelleSorteggio, QuindiciValoriValidiInOrdine) {
    const std::array<std::array<double, 2>, 7> estremi = {{{2.0, 9.0},
                                                           {0.02, 0.50},
                                                           {0.01, 0.10},
                                                           {1.0, 4.5},
                                                           {0.25, 0.95},
                                                           {0.25, 0.95},
                                                           {0.2, 3.0}}};
    for (std::size_t t = 0; t < 7; ++t) {
        const auto& tabella = kTabelleSorteggio[t];
        EXPECT_EQ(tabella.front(), estremi[t][0]) << t;
        EXPECT_EQ(tabella.back(), estremi[t][1]) << t;
        for (std::size_t i = 0; i < tabella.size(); ++i) {
            if (i > 0) {
                EXPECT_LT(tabella[i - 1], tabella[i]) << t << " " << i;
            }
            Coefficienti c;
            std::array<double*, 7> campi = {&c.IP, &c.PP, &c.CH, &c.IR, &c.PS, &c.MN, &c.CC};
            *campi[t] = tabella[i];
            EXPECT_NO_THROW(TatticaNuova{c}) << t << " " << i;
        }
    }
    // The steps the values are made of: IP 0.5, IR 0.25, PS and MN 0.05, CC 0.2.
    EXPECT_EQ(kTabelleSorteggio[0][1], 2.5);
    EXPECT_EQ(kTabelleSorteggio[3][1], 1.25);
    EXPECT_EQ(kTabelleSorteggio[4][7], 0.60);
    EXPECT_EQ(kTabelleSorteggio[6][4], 1.0);
    EXPECT_EQ(kTabelleSorteggio[2][3], 0.035);
}

} // namespace
