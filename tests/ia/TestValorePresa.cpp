#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numeric>
#include <random>
#include <thread>

#include "SupportoSituazione.h"
#include "ia/ValorePresa.h"

namespace {

const Coefficienti kDefault{};

// Default coefficients, written out for the hand computations.
constexpr double PP = 0.34;
constexpr double IR = 2.15;
constexpr double PS = 0.675;
constexpr double MN = 0.5;

// An unseen Asso di Briscola, CH = 0.09, seen by seat 2 while seat 0 calls: 9 x 0.09 = 0.81
// goes to the caller, and each of the four other seats gets a quarter of the remaining 0.19:
// 0.8575 for the caller, 0.0475 for seats 1, 3, 4, nothing for the deciding seat.
TEST(ValorePresa, BriscolaIgnotaSpartitaTraChiamanteEAltri) {
    const auto s = Situazione(2, 0, -1, {Carta(kDue, kFiori)}, {Carta(kAsso, kCuori)});
    DettaglioPresa d;
    ValorePresa(s, kDefault).Valuta(Carta(kDue, kFiori), &d);
    const auto& riga = d.presa[19];
    EXPECT_DOUBLE_EQ(riga[0], 0.8575);
    EXPECT_DOUBLE_EQ(riga[1], 0.0475);
    EXPECT_EQ(riga[2], 0.0);
    EXPECT_DOUBLE_EQ(riga[3], 0.0475);
    EXPECT_DOUBLE_EQ(riga[4], 0.0475);

    // Seen by the caller himself, the trump is equally likely in each of the other hands.
    const auto sc = Situazione(0, 0, -1, {Carta(kDue, kFiori)}, {Carta(kAsso, kCuori)});
    ValorePresa(sc, kDefault).Valuta(Carta(kDue, kFiori), &d);
    EXPECT_EQ(d.presa[19][0], 0.0);
    for (int j = 1; j < 5; ++j) {
        EXPECT_EQ(d.presa[19][static_cast<std::size_t>(j)], 0.25);
    }
}

// Seat 1 leads on an empty table, seat 0 calls, the partner is unknown. The Asso di Fiori is
// at stake (11) because the unseen Cinque di Cuori could trump it; the Asso di Cuori cannot be
// beaten by anything unseen, so nothing is at stake.
TEST(ValorePresa, AttaccoATavolaVuota) {
    const auto s = Situazione(1, 0, -1, {Carta(kAsso, kFiori), Carta(kAsso, kCuori)},
                              {Carta(kCinque, kCuori), Carta(kRe, kFiori)});
    const ValorePresa valore(s, kDefault);
    DettaglioPresa d;
    EXPECT_EQ(valore.Valuta(Carta(kAsso, kCuori), &d), 0.0);
    EXPECT_EQ(d.puntiInGioco, 0.0);

    const double risultato = valore.Valuta(Carta(kAsso, kFiori), &d);
    EXPECT_EQ(d.puntiInGioco, 11.0);
    // Rows with a taker: 19 (my own Asso di Cuori, weight 1), 12 (the unseen Cinque di
    // Cuori, weight 1/IR: 0.18 + 0.25 x 0.82 for the caller, 0.205 for seats 2-4) and 9 (my
    // Asso di Fiori leading, weight 1/IR^2). The unseen Re di Fiori does not beat the Asso.
    const double w12 = 1 / IR;
    double p0 = 1 - (1 - 0.385 * w12);
    double p1 = 1 - (1 - 1.0) * (1 - 1 / (IR * IR));
    double p2 = 1 - (1 - 0.205 * w12);
    const auto esponente = [&](double p) { return std::pow(1 + p, 11 * PP) - 1; };
    p0 = esponente(p0) * std::pow(PS, 3) * std::pow(MN, 7);
    p1 = esponente(p1);
    const double p3 = esponente(p2) * PS;
    const double p4 = esponente(p2) * PS * PS;
    p2 = esponente(p2);
    const double somma = p0 + p1 + p2 + p3 + p4;
    // Sides: the caller counts against (weight 0), seats 2-4 for 0.75 each, myself for 1.
    const double atteso = 11 * (-p0 + p1 + 0.5 * p2 + 0.5 * p3 + 0.5 * p4) / somma;
    EXPECT_NEAR(risultato, atteso, 1e-12);
    EXPECT_GT(risultato, 0.0);
    EXPECT_NEAR(d.pesoRiga[19], 1.0, 0.0);
    EXPECT_NEAR(d.pesoRiga[12], 1 / IR, 1e-15);
    EXPECT_NEAR(d.pesoRiga[9], 1 / (IR * IR), 1e-15);
    EXPECT_EQ(d.pesoRiga[8], 0.0);
}

// Seat 4 plays last; seat 1 is winning with the Asso di Fiori and 15 points lie on the table.
// The Tre di Quadri cannot take: 25 points go to seat 1 for sure, good or bad as seat 1 is a
// friend or a foe.
TEST(ValorePresa, UltimoCheNonPrendeRegalaOPerdeTuttoIlTavolo) {
    const std::initializer_list<Carta> mano = {Carta(kTre, kQuadri), Carta(kDue, kPicche)};
    const std::initializer_list<Carta> ignote = {Carta(kAsso, kCuori)};
    DettaglioPresa d;

    auto s = Situazione(4, 0, 1, mano, ignote); // seat 1 is the caller's known partner
    Tavola(s, 4, 1, Carta(kAsso, kFiori), 15);
    EXPECT_EQ(ValorePresa(s, kDefault).Valuta(Carta(kTre, kQuadri), &d), -25.0);
    EXPECT_EQ(d.puntiInGioco, 25.0);
    EXPECT_EQ(d.quota[1], 1.0);
    for (int j : {0, 2, 3, 4}) {
        EXPECT_EQ(d.quota[static_cast<std::size_t>(j)], 0.0) << j;
    }

    s = Situazione(4, 1, 4, mano, ignote); // I am the partner of seat 1, the caller
    Tavola(s, 4, 1, Carta(kAsso, kFiori), 15);
    EXPECT_EQ(ValorePresa(s, kDefault).Valuta(Carta(kTre, kQuadri)), 25.0);

    s = Situazione(4, 0, -1, mano, ignote); // partner unknown, seat 1 not the caller: 0.75
    Tavola(s, 4, 1, Carta(kAsso, kFiori), 15);
    EXPECT_EQ(ValorePresa(s, kDefault).Valuta(Carta(kTre, kQuadri)), 12.5);

    s = Situazione(4, 1, -1, mano, ignote); // partner unknown, seat 1 is the caller
    Tavola(s, 4, 1, Carta(kAsso, kFiori), 15);
    EXPECT_EQ(ValorePresa(s, kDefault).Valuta(Carta(kTre, kQuadri)), -25.0);
}

// Seat 2 plays second (mani = 6): seat 1 led the Re di Fiori (4 points) and wins; seat 0 is the
// caller, the partner unknown. Unseen: Tre di Fiori, Asso di Cuori, Cinque di Cuori.
class ValorePresaSecondaPosizione : public ::testing::Test {
protected:
    SituazioneTattica s =
        Situazione(2, 0, -1, {Carta(kAsso, kFiori), Carta(kDue, kQuadri)},
                   {Carta(kTre, kFiori), Carta(kAsso, kCuori), Carta(kCinque, kCuori)}, 6);
    void SetUp() override { Tavola(s, 1, 1, Carta(kRe, kFiori), 4); }
};

// The Due di Quadri does not take: v = 4. Rows with a taker, from the top: 19 (Asso di Cuori:
// 0.8575 / 0.0475), 12 (Cinque di Cuori: 0.18 + 0.205 = 0.385 / 0.205), 9 (my Asso di Fiori),
// 8 (Tre di Fiori: 0.2 for every seat), 7 (the Re of seat 1), weights 1, 1/IR, ... 1/IR^4.
TEST_F(ValorePresaSecondaPosizione, CartaCheNonPrende) {
    const double w12 = 1 / IR, w9 = w12 / IR, w8 = w9 / IR, w7 = w8 / IR;
    DettaglioPresa d;
    const double risultato = ValorePresa(s, kDefault).Valuta(Carta(kDue, kQuadri), &d);
    EXPECT_EQ(d.puntiInGioco, 4.0);
    EXPECT_NEAR(d.pesoRiga[7], w7, 1e-15);
    EXPECT_EQ(d.presa[9][2], 1.0);
    EXPECT_EQ(d.presa[7][1], 1.0);

    const auto esponente = [](double p) { return std::pow(1 + p, 4 * PP) - 1; };
    double p0 = 1 - (1 - 0.8575) * (1 - 0.385 * w12) * (1 - 0.2 * w8);
    double p1 = 1 - (1 - 0.0475) * (1 - 0.205 * w12) * (1 - 0.2 * w8) * (1 - w7);
    double p3 = 1 - (1 - 0.0475) * (1 - 0.205 * w12) * (1 - 0.2 * w8);
    // Seat 1 has played but wins: it keeps its chance; mine is 0 since I do not win.
    // After me: seat 3 (x 1), seat 4 (x PS), seat 0 (x PS^2); the caller also x MN^(7 - 6).
    p0 = esponente(p0) * PS * PS * MN;
    p1 = esponente(p1);
    const double p4 = esponente(p3) * PS;
    p3 = esponente(p3);
    const double somma = p0 + p1 + p3 + p4;
    const double atteso = 4 * (-p0 + 0.5 * p1 + 0.5 * p3 + 0.5 * p4) / somma;
    EXPECT_NEAR(risultato, atteso, 1e-12);
    EXPECT_NEAR(d.quota[0] + d.quota[1] + d.quota[3] + d.quota[4], 1.0, 1e-15);
    EXPECT_EQ(d.quota[2], 0.0);
}

// The Asso di Fiori takes the lead from the Re: the unseen Asso di Cuori could still take it,
// so v = 4 + 11 = 15. Rows: 19, 12 and 9 (my Asso now leading); seat 1 has played and lost
// the lead, so its chance is gone.
TEST_F(ValorePresaSecondaPosizione, CartaCheSuperaIlVincente) {
    const double w12 = 1 / IR, w9 = w12 / IR;
    DettaglioPresa d;
    const double risultato = ValorePresa(s, kDefault).Valuta(Carta(kAsso, kFiori), &d);
    EXPECT_EQ(d.puntiInGioco, 15.0);
    EXPECT_EQ(d.pesoRiga[8], 0.0);

    const auto esponente = [](double p) { return std::pow(1 + p, 15 * PP) - 1; };
    const double p0 = esponente(1 - (1 - 0.8575) * (1 - 0.385 * w12)) * PS * PS * MN;
    const double p2 = esponente(1 - (1 - w9));
    const double p3 = esponente(1 - (1 - 0.0475) * (1 - 0.205 * w12));
    const double p4 = p3 * PS;
    const double somma = p0 + p2 + p3 + p4;
    const double atteso = 15 * (-p0 + p2 + 0.5 * p3 + 0.5 * p4) / somma;
    EXPECT_NEAR(risultato, atteso, 1e-12);
    EXPECT_EQ(d.probabilita[1], 0.0);
}

// MN discounts the caller only as seen by another seat: seen by the caller, every seat after
// him keeps its chance (PS aside), and the product over rows stays the same.
TEST_F(ValorePresaSecondaPosizione, ScontoManoSoloPerIlChiamanteAltrui) {
    Coefficienti senzaSconto = kDefault;
    senzaSconto.MN = 1.0;
    DettaglioPresa conSconto, pieno;
    ValorePresa(s, kDefault).Valuta(Carta(kDue, kQuadri), &conSconto);
    ValorePresa(s, senzaSconto).Valuta(Carta(kDue, kQuadri), &pieno);
    EXPECT_DOUBLE_EQ(conSconto.probabilita[0], pieno.probabilita[0] * MN);
    EXPECT_EQ(conSconto.probabilita[3], pieno.probabilita[3]);

    s.chiamante = 2;
    ValorePresa(s, kDefault).Valuta(Carta(kDue, kQuadri), &conSconto);
    ValorePresa(s, senzaSconto).Valuta(Carta(kDue, kQuadri), &pieno);
    EXPECT_EQ(conSconto.probabilita[0], pieno.probabilita[0]);
}

// The side weights say how far each seat taking the trick is good for the deciding seat.
TEST(ValorePresa, PesiDelLato) {
    const auto pesi = [](int io, int chiamante, int socio) {
        const ValorePresa v(Situazione(io, chiamante, socio, {}, {}), kDefault);
        std::array<double, 5> a{};
        for (int j = 0; j < 5; ++j) {
            a[static_cast<std::size_t>(j)] = v.PesoLato(j);
        }
        return a;
    };
    using A = std::array<double, 5>;
    EXPECT_EQ(pesi(0, 0, 3), (A{1, 0, 0, 1, 0}));              // caller, partner known
    EXPECT_EQ(pesi(3, 0, 3), (A{1, 0, 0, 1, 0}));              // the partner
    EXPECT_EQ(pesi(1, 0, 3), (A{0, 1, 1, 0, 1}));              // an opponent
    EXPECT_EQ(pesi(0, 0, -1), (A{1, 0.25, 0.25, 0.25, 0.25})); // caller, partner hidden
    EXPECT_EQ(pesi(2, 0, -1), (A{0, 0.75, 1, 0.75, 0.75}));    // another seat, partner hidden
}

// Playing last with a card that cannot take, the player loads points onto a trick its side
// wins and saves them when the other side wins.
TEST(ValorePresa, CaricaSulCompagnoRisparmiaSullAvversario) {
    const std::initializer_list<Carta> mano = {Carta(kAsso, kQuadri), Carta(kDue, kPicche)};
    auto amico = Situazione(4, 0, 1, mano, {}); // I am an opponent; seat 2 is too
    Tavola(amico, 4, 2, Carta(kTre, kCuori), 10);
    const ValorePresa perAmico(amico, kDefault);
    EXPECT_GT(perAmico.Valuta(Carta(kAsso, kQuadri)), perAmico.Valuta(Carta(kDue, kPicche)));

    auto nemico = amico;
    nemico.vincitore = 1; // the partner of the caller wins
    const ValorePresa perNemico(nemico, kDefault);
    EXPECT_LT(perNemico.Valuta(Carta(kAsso, kQuadri)), perNemico.Valuta(Carta(kDue, kPicche)));
}

} // namespace

// The trick value is worked out without its table unless the detail is asked for: both ways
// must give the very same number, whoever calls, whatever lies on the table.
TEST(ValorePresa, StessoValoreConESenzaDettaglio) {
    std::mt19937 caso(2026);
    auto n = [&caso](int limite) {
        return static_cast<int>(caso() % static_cast<unsigned>(limite));
    };
    for (int prova = 0; prova < 2000; ++prova) {
        std::array<int, 40> mazzo;
        std::iota(mazzo.begin(), mazzo.end(), 0);
        std::shuffle(mazzo.begin(), mazzo.end(), caso);
        const int io = n(5);
        const int chiamante = n(6) - 1;
        const int socio = n(3) == 0 ? n(5) : -1;
        SituazioneTattica s = Situazione(io, chiamante, socio, {}, {}, n(8));
        s.briscola = Briscola(n(4));
        const int sulTavolo = n(5);
        std::size_t k = 0;
        for (int t = 0; t < sulTavolo; ++t, ++k) {
            const Carta carta = Carta::DaIndice(mazzo[k]);
            s.puntiTavola += carta.Punti();
            if (t == 0 || s.Batte(carta, s.vincente)) {
                s.vincente = carta;
                s.vincitore = (io - sulTavolo + t + 5) % 5;
            }
        }
        s.carteInTavola = sulTavolo;
        const int inMano = 1 + n(8);
        for (int i = 0; i < inMano; ++i, ++k) {
            s.mano |= std::uint64_t{1} << mazzo[k];
        }
        // Some of the rest unseen, the others already gathered in tricks.
        for (const int ignote = n(101); k < mazzo.size(); ++k) {
            if (n(100) < ignote) {
                s.ignote |= std::uint64_t{1} << mazzo[k];
            }
        }
        Coefficienti c;
        if (prova % 2 == 1) {
            c.CH = n(12) / 100.0;
            c.IR = 0.25 + n(300) / 100.0;
            c.PS = n(101) / 100.0;
            c.MN = n(101) / 100.0;
        }
        const ValorePresa valore(s, c);
        for (std::uint64_t resto = s.mano; resto != 0; resto &= resto - 1) {
            const Carta carta = Carta::DaIndice(std::countr_zero(resto));
            DettaglioPresa dettaglio;
            // Bit for bit: a result that is no number must be the same no number.
            ASSERT_EQ(std::bit_cast<std::uint64_t>(valore.Valuta(carta)),
                      std::bit_cast<std::uint64_t>(valore.Valuta(carta, &dettaglio)))
                << prova;
        }
    }
}

// The discounts' powers are kept from one decision to the next: a player whose coefficients
// differ from the last one's (as the third seating's redraws make them) must still get its
// own, exactly as on a thread that never met another set.
TEST(ValorePresa, ScontiDiCoefficientiDiversiNonSiMescolano) {
    const auto s = Situazione(1, 0, -1, {Carta(kAsso, kFiori), Carta(kAsso, kCuori)},
                              {Carta(kCinque, kCuori), Carta(kRe, kFiori)});
    Coefficienti soloMano = kDefault;
    soloMano.MN = 0.3;
    Coefficienti soloPosizione = kDefault;
    soloPosizione.PS = 0.4;
    const std::array<Coefficienti, 3> insiemi = {kDefault, soloMano, soloPosizione};
    const auto Valori = [&s](const Coefficienti& c) {
        std::array<double, 2> v{};
        for (int mani = 0; mani < 2; ++mani) {
            SituazioneTattica t = s;
            t.mani = mani * 5;
            v[static_cast<std::size_t>(mani)] = ValorePresa(t, c).Valuta(Carta(kAsso, kFiori));
        }
        return v;
    };
    std::array<std::array<double, 2>, 3> soli{};
    for (std::size_t i = 0; i < insiemi.size(); ++i) {
        std::thread([&, i] { soli[i] = Valori(insiemi[i]); }).join();
    }
    EXPECT_NE(soli[0], soli[1]);
    EXPECT_NE(soli[0], soli[2]);
    for (const std::size_t i : {0, 1, 2, 1, 0, 2, 0}) {
        EXPECT_EQ(Valori(insiemi[i]), soli[i]) << i;
    }
}
