#include <gtest/gtest.h>

#include "SupportoSituazione.h"
#include "ia/ValoreControllo.h"

namespace {

const Coefficienti kDefault{};

// Seat 2 decides, seat 0 calls, the partner is unknown, six tricks are gone. Unseen: the Tre
// di Fiori (10 points), the Asso di Cuori (trump 9, 11 points) and the Cinque di Cuori (trump
// 2). My hand: Asso di Fiori and Due di Quadri, no trumps.
class ValoreControlloFineMano : public ::testing::Test {
protected:
    SituazioneTattica s =
        Situazione(2, 0, -1, {Carta(kAsso, kFiori), Carta(kDue, kQuadri)},
                   {Carta(kTre, kFiori), Carta(kAsso, kCuori), Carta(kCinque, kCuori)}, 6);
};

// Rows of the unseen trumps: 9 -> caller 0.8575, others 0.0475; 2 -> caller 0.18 + 0.205 =
// 0.385, others 0.205. Two hand cards remain, so both rows count. I am not on the caller's
// side: every seat but the caller is negated. Row sums: 0.8575 - 3 x 0.0475 = 0.715 and
// 0.385 - 3 x 0.205 = -0.23. Weights: row 2 gets 1, row 9 gets IR = 2.15. With the Asso di Fiori
// kept, the points still to come are 10 + 11 + 11 = 32:
// 32 x (-0.23 + 2.15 x 0.715) / (1 + 2.15) = 13.28, given away to the caller: -13.28.
TEST_F(ValoreControlloFineMano, DueBriscoleIgnoteInManoAlChiamante) {
    TabellaControllo t;
    const double valore = ValoreControllo(s, kDefault).Valuta(Carta(kDue, kQuadri), &t);
    EXPECT_NEAR(valore, -13.28, 1e-12);
    EXPECT_DOUBLE_EQ(t[9][0], 0.8575);
    EXPECT_DOUBLE_EQ(t[9][1], -0.0475);
    EXPECT_EQ(t[9][2], 0.0);
    EXPECT_DOUBLE_EQ(t[2][0], 0.385);
    EXPECT_DOUBLE_EQ(t[2][4], -0.205);

    // Playing the Asso di Fiori instead leaves the Due (0 points): 21 x the same ratio.
    EXPECT_NEAR(ValoreControllo(s, kDefault).Valuta(Carta(kAsso, kFiori)), -21 * 1.30725 / 3.15,
                1e-12);
}

// With one card left in each hand only the highest unseen trump counts: 32 x 0.715.
TEST_F(ValoreControlloFineMano, SoloTanteBriscoleQuanteCarteInMano) {
    s.mani = 7;
    TabellaControllo t;
    EXPECT_NEAR(ValoreControllo(s, kDefault).Valuta(Carta(kDue, kQuadri), &t), -32 * 0.715, 1e-12);
    for (double x : t[2]) {
        EXPECT_EQ(x, 0.0);
    }
}

// A trump kept in hand is mine for sure (-1 on my side); as the caller's partner, the caller's
// unseen share is on my side too.
TEST_F(ValoreControlloFineMano, BriscolaTenutaEdAlleanze) {
    s.ImpostaMano(Insieme({Carta(kRe, kCuori), Carta(kDue, kQuadri)}));
    s.socio = 2;
    TabellaControllo t;
    // The caller's and my entries are negated, seats 1, 3, 4 are opponents. Rows: 2 (caller
    // -0.385, opponents 0.205 each), 7 (my Re: -1), 9 (caller -0.8575, opponents 0.0475 each).
    const double riga2 = -0.385 + 0.205 + 0.205 + 0.205;
    const double riga7 = -1.0;
    const double riga9 = -0.8575 + 0.0475 * 3;
    const double totale = riga2 + 2.15 * riga7 + 2.15 * 2.15 * riga9;
    const double den = 1 + 2.15 + 2.15 * 2.15;
    const int punti = 10 + 11 + 4;
    EXPECT_NEAR(ValoreControllo(s, kDefault).Valuta(Carta(kDue, kQuadri), &t),
                -(punti * totale / den), 1e-12);
    EXPECT_EQ(t[7][2], -1.0);
    EXPECT_DOUBLE_EQ(t[9][0], -0.8575);
    EXPECT_DOUBLE_EQ(t[9][3], 0.0475);
}

// No unseen trumps and none kept: 0; the called card costs the points still to come x CC.
TEST(ValoreControllo, SenzaBriscoleZeroTranneLaCartaChiamata) {
    auto s = Situazione(3, 0, -1, {Carta(kRe, kCuori), Carta(kFante, kQuadri)},
                        {Carta(kAsso, kFiori), Carta(kTre, kPicche)});
    EXPECT_EQ(ValoreControllo(s, kDefault).Valuta(Carta(kRe, kCuori)), 0.0);

    s.cartaChiamata = Carta(kRe, kCuori);
    // Points to come: 11 + 10 unseen, 2 for the Fante kept: 23 x 1.2 = 27.6.
    EXPECT_NEAR(ValoreControllo(s, kDefault).Valuta(Carta(kRe, kCuori)), -27.6, 1e-12);
    // Keeping the called Re instead: it is the only trump, mine: 25 x (-1) / 1, negated.
    EXPECT_EQ(ValoreControllo(s, kDefault).Valuta(Carta(kFante, kQuadri)), 25.0);
}

} // namespace
