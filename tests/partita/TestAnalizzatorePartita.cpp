#include <gtest/gtest.h>

#include "SupportoPartita.h"
#include "partita/AnalizzatorePartita.h"
#include "partita/AnalizzatorePartitaSemplice.h"

namespace {

constexpr std::uint8_t C = kRuoloVistoChiamante;
constexpr std::uint8_t A = kRuoloVistoAvversario;
constexpr std::uint8_t S = kRuoloVistoSocio;
constexpr std::uint8_t N = kRuoloVistoNeutro;

Ruoli R(std::uint8_t r0, std::uint8_t r1, std::uint8_t r2, std::uint8_t r3, std::uint8_t r4) {
    Ruoli r;
    r.ruolo = {r0, r1, r2, r3, r4};
    return r;
}

class AnalizzatoreTest : public ::testing::Test {
protected:
    RegistroPartita registro;
    AnalizzatorePartita base;
    AnalizzatorePartitaSemplice semplice;

    void SetUp() override { AzzeraStatoGlobale(); }
    void TearDown() override { AzzeraStatoGlobale(); }
};

// Seat 1 calls the Re, trump Cuori: the called card is the Re di Cuori, dealt to seat 3.
TEST_F(AnalizzatoreTest, PrimaDellaCartaChiamataSoloIlSocioConosceIRuoli) {
    DistribuisciMani(
        registro, {{{}, {Carta(kDue, kFiori)}, {Carta(kDue, kPicche)}, {Carta(kRe, kCuori)}, {}}});
    ImpostaChiamata(registro, 1, kRe, kCuori);

    EXPECT_EQ(base.RuoliVisti(2, registro), R(N, C, N, N, N));
    EXPECT_EQ(base.RuoliVisti(1, registro), R(N, C, N, N, N));
    EXPECT_EQ(base.RuoliVisti(3, registro), R(A, C, A, S, A));
    EXPECT_EQ(semplice.RuoliVisti(2, registro), R(N, C, N, N, N));
    EXPECT_EQ(semplice.RuoliVisti(3, registro), R(A, C, A, S, A));

    // Seat 1 leads, seat 2 follows, seat 3 plays the called card: now everyone knows.
    GiocaCarte(registro, {Carta(kDue, kFiori), Carta(kDue, kPicche), Carta(kRe, kCuori)});
    for (int g = 0; g < 5; ++g) {
        EXPECT_EQ(base.RuoliVisti(g, registro), R(A, C, A, S, A)) << g;
        EXPECT_EQ(semplice.RuoliVisti(g, registro), R(A, C, A, S, A)) << g;
    }
}

TEST_F(AnalizzatoreTest, ChiamanteCheHaLaPropriaCartaRestaChiamante) {
    DistribuisciMani(registro, {{{}, {Carta(kRe, kCuori)}, {}, {}, {}}});
    ImpostaChiamata(registro, 1, kRe, kCuori);

    EXPECT_EQ(base.RuoliVisti(1, registro), R(A, C, A, A, A));
    EXPECT_EQ(base.RuoliVisti(0, registro), R(N, C, N, N, N));
    GiocaCarte(registro, {Carta(kRe, kCuori)});
    EXPECT_EQ(base.RuoliVisti(0, registro), R(A, C, A, A, A));
}

TEST_F(AnalizzatoreTest, DescrizioneDeiDueAnalizzatori) {
    EXPECT_EQ(base.Descrizione(), "");
    EXPECT_EQ(semplice.Descrizione(), "Coeff.Avv. = -10 - Coeff.Socio. = 10");
}

// The caller (seat 0) leads the Re di Fiori and keeps the trick; seat 4, fifth, throws the
// Asso di Quadri onto it: 25 points of suspicion (fifth card, 11 points, caller winning; the
// Re is below a Tre, so no more). The called card, the Re di Cuori, sits with seat 1.
TEST_F(AnalizzatoreTest, AssoButtatoQuintoSullaPresaDelChiamanteFaSospettareIlSocio) {
    DistribuisciMani(registro, {{{Carta(kRe, kFiori)},
                                 {Carta(kRe, kCuori), Carta(kDue, kFiori)},
                                 {Carta(kQuattro, kFiori)},
                                 {Carta(kCinque, kFiori)},
                                 {Carta(kAsso, kQuadri)}}});
    ImpostaChiamata(registro, 0, kRe, kCuori);
    GiocaCarte(registro, {Carta(kRe, kFiori), Carta(kDue, kFiori), Carta(kQuattro, kFiori),
                          Carta(kCinque, kFiori), Carta(kAsso, kQuadri)});

    EXPECT_EQ(semplice.RuoliVisti(2, registro), R(C, A, A, A, S));
    EXPECT_EQ(semplice.Sospetto(4), 25);
    for (int g = 0; g < 4; ++g) {
        EXPECT_EQ(semplice.Sospetto(g), 0) << g;
    }
    // The plain analyzer guesses nothing.
    EXPECT_EQ(base.RuoliVisti(2, registro), R(C, N, N, N, N));
}

// Caller seat 0 leads Re di Fiori twice. Trick 1: seat 3 throws a Tre fourth (10), seat 4 an
// Asso fifth (25). Trick 2: seat 3 throws an Asso fourth (10 more: 20). Both are past 15; the
// higher score, seat 4, is guessed even though seat 3 comes first.
TEST_F(AnalizzatoreTest, SiSceglieIlSospettoPiuAlto) {
    DistribuisciMani(registro,
                     {{
                         {Carta(kRe, kFiori), Carta(kRe, kPicche)},
                         {Carta(kDue, kFiori), Carta(kDue, kPicche)},
                         {Carta(kQuattro, kFiori), Carta(kQuattro, kPicche), Carta(kRe, kCuori)},
                         {Carta(kTre, kQuadri), Carta(kAsso, kQuadri)},
                         {Carta(kTre, kPicche), Carta(kCinque, kPicche)},
                     }});
    ImpostaChiamata(registro, 0, kRe, kCuori);
    GiocaCarte(registro, {Carta(kRe, kFiori), Carta(kDue, kFiori), Carta(kQuattro, kFiori),
                          Carta(kTre, kQuadri), Carta(kTre, kPicche)});
    GiocaCarte(registro, {Carta(kRe, kPicche), Carta(kDue, kPicche), Carta(kQuattro, kPicche),
                          Carta(kAsso, kQuadri), Carta(kCinque, kPicche)});
    EXPECT_EQ(semplice.RuoliVisti(1, registro), R(C, A, A, A, S));
    EXPECT_EQ(semplice.Sospetto(3), 20);
    EXPECT_EQ(semplice.Sospetto(4), 25);
}

// Caller seat 4 leads the Asso di Fiori (15 for himself: 11 points on a winning Asso of the
// caller); seats 0 and 1 throw a Tre each onto it (15 each). Three seats tie at 15: the lowest,
// seat 0, is guessed, although the caller played first.
TEST_F(AnalizzatoreTest, APariSospettoVinceIlPostoPiuBasso) {
    DistribuisciMani(registro, {{{Carta(kTre, kQuadri)},
                                 {Carta(kTre, kPicche)},
                                 {Carta(kDue, kFiori)},
                                 {Carta(kRe, kCuori), Carta(kQuattro, kFiori)},
                                 {Carta(kAsso, kFiori)}}});
    ImpostaChiamata(registro, 4, kRe, kCuori);
    GiocaCarte(registro, {Carta(kAsso, kFiori), Carta(kTre, kQuadri), Carta(kTre, kPicche),
                          Carta(kDue, kFiori)});
    EXPECT_EQ(semplice.RuoliVisti(2, registro), R(S, A, A, A, C));
    EXPECT_EQ(semplice.Sospetto(0), 15);
    EXPECT_EQ(semplice.Sospetto(1), 15);
    EXPECT_EQ(semplice.Sospetto(4), 15);
}

// When the caller is the prime suspect (his own Asso on the lead), nothing is guessed.
TEST_F(AnalizzatoreTest, ChiamantePrimoSospettatoNessunaIpotesi) {
    DistribuisciMani(registro, {{{Carta(kAsso, kFiori)},
                                 {Carta(kTre, kQuadri)},
                                 {Carta(kDue, kFiori)},
                                 {Carta(kRe, kCuori), Carta(kQuattro, kFiori)},
                                 {}}});
    ImpostaChiamata(registro, 0, kRe, kCuori);
    GiocaCarte(registro, {Carta(kAsso, kFiori), Carta(kTre, kQuadri)});
    EXPECT_EQ(semplice.RuoliVisti(2, registro), R(C, N, N, N, N));
    EXPECT_EQ(semplice.Sospetto(0), 15);
    EXPECT_EQ(semplice.Sospetto(1), 15);
}

TEST_F(AnalizzatoreTest, SottoI15PuntiNessunSospettato) {
    // A Tre thrown fourth on a Re of the caller: 10 points only.
    DistribuisciMani(registro, {{{Carta(kRe, kFiori)},
                                 {Carta(kDue, kFiori)},
                                 {Carta(kQuattro, kFiori)},
                                 {Carta(kTre, kQuadri)},
                                 {Carta(kAsso, kCuori)}}});
    ImpostaChiamata(registro, 0, kAsso, kCuori);
    GiocaCarte(registro, {Carta(kRe, kFiori), Carta(kDue, kFiori), Carta(kQuattro, kFiori),
                          Carta(kTre, kQuadri)});
    EXPECT_EQ(semplice.Sospetto(3), 0); // nothing before the analysis runs
    EXPECT_EQ(semplice.RuoliVisti(1, registro), R(C, N, N, N, N));
    EXPECT_EQ(semplice.Sospetto(3), 10);
}

// Seat 1 trumps the caller's lead (-15), wins, and leads a trump into the next trick: leading
// is never overtaking, so no second penalty.
TEST_F(AnalizzatoreTest, BriscolaSulChiamantePenalizzaMaNonInApertura) {
    DistribuisciMani(registro, {{{Carta(kRe, kFiori)},
                                 {Carta(kDue, kCuori), Carta(kTre, kCuori)},
                                 {Carta(kQuattro, kPicche), Carta(kDue, kPicche)},
                                 {Carta(kCinque, kPicche), Carta(kAsso, kCuori)},
                                 {Carta(kSei, kPicche)}}});
    ImpostaChiamata(registro, 0, kAsso, kCuori);
    GiocaCarte(registro, {Carta(kRe, kFiori), Carta(kDue, kCuori), Carta(kQuattro, kPicche),
                          Carta(kCinque, kPicche), Carta(kSei, kPicche)});
    semplice.RuoliVisti(2, registro);
    EXPECT_EQ(semplice.Sospetto(1), -15);

    GiocaCarte(registro, {Carta(kTre, kCuori), Carta(kDue, kPicche)});
    semplice.RuoliVisti(2, registro);
    EXPECT_EQ(semplice.Sospetto(1), -15);
    EXPECT_EQ(semplice.Sospetto(2), 0);
}

// A seat knows it is not the partner. Seat 4 throws the Asso fifth on the caller's Re (25):
// seat 2 takes it for the partner, seat 4 itself guesses nothing.
TEST_F(AnalizzatoreTest, IlGiocatoreNonSospettaSeStesso) {
    DistribuisciMani(registro, {{{Carta(kRe, kFiori)},
                                 {Carta(kDue, kFiori)},
                                 {Carta(kQuattro, kFiori)},
                                 {Carta(kCinque, kFiori)},
                                 {Carta(kAsso, kQuadri)}}});
    ImpostaChiamata(registro, 0, kAsso, kCuori);
    GiocaCarte(registro, {Carta(kRe, kFiori), Carta(kDue, kFiori), Carta(kQuattro, kFiori),
                          Carta(kCinque, kFiori), Carta(kAsso, kQuadri)});
    EXPECT_EQ(semplice.RuoliVisti(2, registro), R(C, A, A, A, S));
    EXPECT_EQ(semplice.RuoliVisti(4, registro), R(C, N, N, N, N));
    EXPECT_EQ(semplice.Sospetto(4), 25);
}

// While the first trick lies face down nothing is guessed; once it is collected, its cards
// still do not count: the scan starts with the second trick.
TEST_F(AnalizzatoreTest, PrimaManoCopertaNonSiLegge) {
    DistribuisciMani(registro, {{{Carta(kAsso, kFiori)},
                                 {Carta(kRe, kCuori), Carta(kDue, kFiori)},
                                 {Carta(kQuattro, kFiori)},
                                 {Carta(kCinque, kFiori)},
                                 {Carta(kAsso, kQuadri)}}});
    ImpostaChiamata(registro, 0, kRe, kCuori);
    registro.briscola = BriscolaAssente;
    registro.primaManoCoperta = 1;
    GiocaCarte(registro, {Carta(kAsso, kFiori), Carta(kDue, kFiori), Carta(kQuattro, kFiori),
                          Carta(kCinque, kFiori)});
    registro.RegistraGiocata(Carta(kAsso, kQuadri));
    EXPECT_EQ(semplice.RuoliVisti(2, registro), R(C, N, N, N, N));

    registro.briscola = Briscola(kCuori);
    registro.RaccogliPresa();
    EXPECT_EQ(semplice.RuoliVisti(2, registro), R(C, N, N, N, N));
    EXPECT_EQ(semplice.Sospetto(4), 0);

    // Without the face-down trick the same plays would give seat 4 away.
    registro.primaManoCoperta = 0;
    EXPECT_EQ(semplice.RuoliVisti(2, registro), R(C, A, A, A, S));
}

} // namespace
