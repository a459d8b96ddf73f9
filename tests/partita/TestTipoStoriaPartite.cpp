#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

using Presa = std::pair<std::vector<Carta>, int>;

// A finished game: the chosen deal, bid, caller and trump; the tricks given are collected
// by their seats, and the other cards, five at a time in ascending index, by seat resto.
RegistroPartita PartitaConclusa(const std::array<int, 40>& seggi, Chiamata chiamata, int chiamante,
                                int briscola, const std::vector<Presa>& prese, int resto) {
    RegistroPartita r;
    r.DistribuisciMani(seggi);
    r.chiamata = chiamata;
    r.chiamante = static_cast<std::int8_t>(chiamante);
    r.briscola = Briscola(briscola);
    for (const auto& [carte, seggio] : prese) {
        for (const Carta& c : carte) {
            r.RegistraGiocata(c);
        }
        r.RaccogliPresa(seggio);
    }
    for (int c = 0; c < 40; ++c) {
        if (r.InMano(c)) {
            r.RegistraGiocata(Carta::DaIndice(c));
            if (r.CarteInTavola() == 5) {
                r.RaccogliPresa(resto);
            }
        }
    }
    return r;
}

// The four Assi and the Tre of Cuori: 54 points.
const std::vector<Carta> kPresa54 = {Carta(kAsso, kCuori), Carta(kAsso, kQuadri),
                                     Carta(kAsso, kFiori), Carta(kAsso, kPicche),
                                     Carta(kTre, kCuori)};
// Re and Donna of Cuori with three Due: 7 points.
const std::vector<Carta> kPresa7 = {Carta(kRe, kCuori), Carta(kDonna, kCuori), Carta(kDue, kQuadri),
                                    Carta(kDue, kFiori), Carta(kDue, kPicche)};
// Re of Quadri with four low cards: 4 points; Fante of Quadri likewise: 2 points.
const std::vector<Carta> kPresa4 = {Carta(kRe, kQuadri), Carta(kQuattro, kQuadri),
                                    Carta(kQuattro, kFiori), Carta(kQuattro, kPicche),
                                    Carta(kCinque, kQuadri)};

// Caller 1, trump Fiori; seat 3 holds the Tre and the Due of Fiori, so it is the partner
// of a bid on the Tre and of a points bid (on the Due).
std::array<int, 40> DistribuzioneSocioTre() {
    return DistribuzioneCon({{Carta(kTre, kFiori), 3}, {Carta(kDue, kFiori), 3}});
}

int Somma(const TipoStoriaPartite& storia, int partita) {
    int somma = 0;
    for (int s = 0; s < 5; ++s) {
        somma += storia.Punteggio(partita, s);
    }
    return somma;
}

} // namespace

TEST(TipoStoriaPartite, UnaStoriaNuovaEVuota) {
    const TipoStoriaPartite storia;
    EXPECT_EQ(storia.numeroPartite, 0);
    EXPECT_EQ(storia.PrimaPartitaTenuta(), 0);
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(storia.Totale(s), 0);
        for (int ruolo = 0; ruolo < 4; ++ruolo) {
            for (int esito = 0; esito < 3; ++esito) {
                EXPECT_EQ(storia.Statistiche(ruolo, esito, s), 0);
                EXPECT_EQ(storia.Rapporto(ruolo, esito, s), 0.0);
            }
        }
    }
}

TEST(TipoStoriaPartite, Chiamata61PresaConEsattamente61Punti) {
    // Caller 1 takes 54, the partner (seat 3) 7: 61.
    const auto r = PartitaConclusa(DistribuzioneSocioTre(), Chiamata(61), 1, kFiori,
                                   {{kPresa54, 1}, {kPresa7, 3}}, 0);
    ASSERT_EQ(r.Socio(), 3);
    ASSERT_EQ(r.PuntiChiamante(), 61);
    TipoStoriaPartite storia;
    storia.RegistraPartita(r);
    EXPECT_EQ(storia.numeroPartite, 1);
    const int attesi[5] = {-1, 2, -1, 1, -1};
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(storia.Punteggio(0, s), attesi[s]) << s;
        EXPECT_EQ(storia.Totale(s), attesi[s]) << s;
        EXPECT_EQ(storia.Vincente(0, s), attesi[s] > 0);
    }
    EXPECT_EQ(storia.Chiamante(0), 1);
    EXPECT_EQ(storia.Socio(0), 3);
    EXPECT_EQ(storia.ChiamataPartita(0), Chiamata(61));
    const PartitaGiocata& partita = storia.Partita(0);
    EXPECT_EQ(partita.punti[1], 54);
    EXPECT_EQ(partita.punti[3], 7);
    EXPECT_EQ(partita.punti[0], 59);
    EXPECT_EQ(partita.punti[2], 0);
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(partita.mazzo[static_cast<std::size_t>(c)], r.Distribuzione(c));
    }
}

TEST(TipoStoriaPartite, UnPuntoInMenoRibaltaIPunteggi) {
    // 54 + 4 + 2 = 60 against a bid of 61.
    const std::vector<Carta> presa2 = {Carta(kFante, kQuadri), Carta(kSei, kQuadri),
                                       Carta(kSei, kFiori), Carta(kSei, kPicche),
                                       Carta(kSette, kQuadri)};
    const auto r = PartitaConclusa(DistribuzioneSocioTre(), Chiamata(61), 1, kFiori,
                                   {{kPresa54, 1}, {kPresa4, 3}, {presa2, 3}}, 4);
    ASSERT_EQ(r.PuntiChiamante(), 60);
    TipoStoriaPartite storia;
    storia.RegistraPartita(r);
    const int attesi[5] = {1, -2, 1, -1, 1};
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(storia.Punteggio(0, s), attesi[s]) << s;
    }
}

TEST(TipoStoriaPartite, Chiamata80ConTuttiI120PuntiValeQuattroVolte) {
    const auto r =
        PartitaConclusa(DistribuzioneSocioTre(), Chiamata(80), 1, kFiori, {{kPresa54, 3}}, 1);
    ASSERT_EQ(r.CartaChiamata(), Carta(kDue, kFiori));
    const int socio = r.Socio();
    ASSERT_NE(socio, 1);
    ASSERT_EQ(r.PuntiChiamante(), 120);
    TipoStoriaPartite storia;
    storia.RegistraPartita(r);
    for (int s = 0; s < 5; ++s) {
        const int atteso = s == 1 ? 8 : s == socio ? 4 : -4;
        EXPECT_EQ(storia.Punteggio(0, s), atteso) << s;
    }
    EXPECT_EQ(Somma(storia, 0), 0);
}

TEST(TipoStoriaPartite, Chiamata80Con79PuntiValeMenoTre) {
    // Re, Donna and Fante of Fiori, Donna of Picche and a Sette: 12 points.
    const std::vector<Carta> presa12 = {Carta(kRe, kFiori), Carta(kDonna, kFiori),
                                        Carta(kFante, kFiori), Carta(kDonna, kPicche),
                                        Carta(kSette, kFiori)};
    const std::vector<Carta> presa2 = {Carta(kFante, kQuadri), Carta(kSei, kQuadri),
                                       Carta(kSei, kFiori), Carta(kSei, kPicche),
                                       Carta(kSette, kQuadri)};
    // Bid 80 (on the Due), trump Cuori: the partner is seat 2, dealt the Due of Cuori.
    const auto seggi = DistribuzioneCon({{Carta(kDue, kCuori), 2}});
    const auto r =
        PartitaConclusa(seggi, Chiamata(80), 1, kCuori,
                        {{kPresa54, 1}, {kPresa7, 2}, {kPresa4, 1}, {presa2, 2}, {presa12, 2}}, 4);
    ASSERT_EQ(r.Socio(), 2);
    ASSERT_EQ(r.PuntiChiamante(), 79);
    TipoStoriaPartite storia;
    storia.RegistraPartita(r);
    // 79 < 80: multiplier -(1 + 1 + 1) = -3.
    const int attesi[5] = {3, -6, -3, 3, 3};
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(storia.Punteggio(0, s), attesi[s]) << s;
    }
}

TEST(TipoStoriaPartite, IlMoltiplicatoreDellaChiamata) {
    struct Caso {
        int puntiChiamata;
        bool tuttiIPunti;
        int chiamante;
    };
    // Caller 1, partner 3; the caller's side takes 120 or 61.
    const std::vector<Caso> casi = {{61, false, 2}, {69, true, 4},  {70, false, 4},
                                    {79, true, 6},  {80, false, 6}, {120, true, 8}};
    for (const Caso& caso : casi) {
        const auto r = caso.tuttiIPunti
                           ? PartitaConclusa(DistribuzioneSocioTre(), Chiamata(caso.puntiChiamata),
                                             1, kFiori, {}, 1)
                           : PartitaConclusa(DistribuzioneSocioTre(), Chiamata(caso.puntiChiamata),
                                             1, kFiori, {{kPresa54, 1}, {kPresa7, 3}}, 0);
        TipoStoriaPartite storia;
        storia.RegistraPartita(r);
        const bool vinta = r.PuntiChiamante() >= caso.puntiChiamata;
        EXPECT_EQ(storia.Punteggio(0, 1), vinta ? caso.chiamante : -caso.chiamante)
            << caso.puntiChiamata;
        EXPECT_EQ(Somma(storia, 0), 0);
    }
}

TEST(TipoStoriaPartite, UnChiamanteSocioDiSeStessoPrendeQuattro) {
    // Bid on the Asso, trump Picche: the caller (seat 2) holds the Asso of Picche.
    const auto seggi = DistribuzioneCon({{Carta(kAsso, kPicche), 2}});
    const auto r =
        PartitaConclusa(seggi, Chiamata(kAsso), 2, kPicche, {{kPresa54, 2}, {kPresa7, 2}}, 0);
    ASSERT_EQ(r.Socio(), 2);
    ASSERT_EQ(r.PuntiChiamante(), 61);
    TipoStoriaPartite storia;
    storia.RegistraPartita(r);
    const int attesi[5] = {-1, -1, 4, -1, -1};
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(storia.Punteggio(0, s), attesi[s]);
    }
    EXPECT_EQ(storia.Chiamante(0), 2);
    EXPECT_EQ(storia.Socio(0), 2);
    // As caller, not as partner.
    EXPECT_EQ(storia.Statistiche(kRuoloChiamante, kVinte, 2), 1);
    EXPECT_EQ(storia.Statistiche(kRuoloSocio, kGiocate, 2), 0);
    // With all 120 points: multiplier 2.
    const auto tutto = PartitaConclusa(seggi, Chiamata(kAsso), 2, kPicche, {}, 2);
    storia.RegistraPartita(tutto);
    EXPECT_EQ(storia.Punteggio(1, 2), 8);
    EXPECT_EQ(storia.Punteggio(1, 0), -2);
    EXPECT_EQ(storia.Totale(2), 12);
}

TEST(TipoStoriaPartite, UnaPartitaNonFinitaNonSiRegistra) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneSocioTre());
    r.chiamata = Chiamata(kTre);
    r.chiamante = 1;
    r.briscola = Briscola(kFiori);
    r.RegistraGiocata(Carta(kAsso, kCuori));
    TipoStoriaPartite storia;
    EXPECT_EQ(Messaggio([&] { storia.RegistraPartita(r); }),
              "ERRORE INTERNO - Impossibile calcolare i punti prima della fine della partita");
    EXPECT_EQ(storia.numeroPartite, 0);
    EXPECT_EQ(storia.Totale(1), 0);
    EXPECT_EQ(storia.Statistiche(kRuoloTutti, kGiocate, 1), 0);
}

TEST(TipoStoriaPartite, LeStatisticheContanoRuoloEsitoEGiocatore) {
    TipoStoriaPartite storia;
    // Won by caller 1 with partner 3; then lost by the same.
    storia.RegistraPartita(
        PartitaConclusa(DistribuzioneSocioTre(), Chiamata(kTre), 1, kFiori, {}, 1));
    storia.RegistraPartita(
        PartitaConclusa(DistribuzioneSocioTre(), Chiamata(kTre), 1, kFiori, {}, 0));
    EXPECT_EQ(storia.Statistiche(kRuoloChiamante, kVinte, 1), 1);
    EXPECT_EQ(storia.Statistiche(kRuoloChiamante, kPerse, 1), 1);
    EXPECT_EQ(storia.Statistiche(kRuoloChiamante, kGiocate, 1), 2);
    EXPECT_EQ(storia.Statistiche(kRuoloSocio, kVinte, 3), 1);
    EXPECT_EQ(storia.Statistiche(kRuoloSocio, kGiocate, 3), 2);
    EXPECT_EQ(storia.Statistiche(kRuoloAvversario, kVinte, 0), 1);
    EXPECT_EQ(storia.Statistiche(kRuoloAvversario, kPerse, 0), 1);
    EXPECT_EQ(storia.Statistiche(kRuoloAvversario, kGiocate, 0), 2);
    EXPECT_EQ(storia.Statistiche(kRuoloChiamante, kGiocate, 0), 0);
    // The first game took all 120 points (4, 2, -2 each), the second none (-2, -1, +1).
    const int totali[5] = {-1, 2, -1, 1, -1};
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(storia.Statistiche(kRuoloTutti, kGiocate, s), 2);
        EXPECT_EQ(storia.Statistiche(kRuoloTutti, kVinte, s), 1);
        EXPECT_EQ(storia.Statistiche(kRuoloTutti, kPerse, s), 1);
        EXPECT_EQ(storia.Totale(s), totali[s]);
    }
    EXPECT_EQ(storia.Rapporto(kRuoloChiamante, kVinte, 1), 0.5);
    EXPECT_EQ(storia.Rapporto(kRuoloChiamante, kGiocate, 1), 1.0);
    EXPECT_EQ(storia.Rapporto(kRuoloSocio, kGiocate, 1), 0.0);
    EXPECT_EQ(storia.Rapporto(kRuoloSocio, kVinte, 1), 0.0);
    EXPECT_EQ(storia.Rapporto(kRuoloTutti, kPerse, 4), 0.5);
    EXPECT_EQ(storia.Rapporto(kRuoloAvversario, kGiocate, 4), 1.0);
}

TEST(TipoStoriaPartite, DopoVentiseiPartiteLaPrimaCasellaTieneLaVenticinquesima) {
    TipoStoriaPartite storia;
    for (int g = 0; g < 26; ++g) {
        // The caller changes with the game: seat g mod 5.
        const auto seggi = DistribuzioneCon({{Carta(kAsso, kCuori), (g + 1) % 5}});
        storia.RegistraPartita(PartitaConclusa(seggi, Chiamata(kAsso), g % 5, kCuori, {}, g % 5));
        EXPECT_EQ(storia.PrimaPartitaTenuta(), g + 1 <= 25 ? 0 : g + 1 - 25);
    }
    EXPECT_EQ(storia.numeroPartite, 26);
    EXPECT_EQ(storia.PrimaPartitaTenuta(), 1);
    EXPECT_EQ(storia.Chiamante(25), 0);
    EXPECT_EQ(storia.Chiamante(0), 0); // slot 0: game 25
    EXPECT_EQ(storia.Chiamante(1), 1);
    EXPECT_EQ(storia.Chiamante(24), 4);
    EXPECT_EQ(&storia.Partita(25), &storia.Partita(0));
    EXPECT_EQ(storia.Socio(25), 1);
}

TEST(TipoStoriaPartite, AzzeraRiportaTuttoAZero) {
    TipoStoriaPartite storia;
    storia.RegistraPartita(
        PartitaConclusa(DistribuzioneSocioTre(), Chiamata(kTre), 1, kFiori, {}, 1));
    storia.Azzera();
    EXPECT_EQ(storia.numeroPartite, 0);
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(storia.Totale(s), 0);
        EXPECT_EQ(storia.Statistiche(kRuoloTutti, kGiocate, s), 0);
    }
    EXPECT_EQ(storia, TipoStoriaPartite());
}

TEST(TipoStoriaPartite, LaCopiaHaUnaSuaStoria) {
    TipoStoriaPartite storia;
    storia.RegistraPartita(
        PartitaConclusa(DistribuzioneSocioTre(), Chiamata(kTre), 1, kFiori, {}, 1));
    TipoStoriaPartite copia(storia);
    EXPECT_EQ(copia, storia);
    EXPECT_NE(&copia.Partita(0), &storia.Partita(0));
    storia.RegistraPartita(
        PartitaConclusa(DistribuzioneSocioTre(), Chiamata(kTre), 1, kFiori, {}, 0));
    EXPECT_EQ(copia.numeroPartite, 1);
    EXPECT_EQ(copia.Punteggio(0, 1), 4);
    EXPECT_FALSE(copia == storia);
    copia = storia;
    EXPECT_EQ(copia, storia);
    EXPECT_EQ(copia.Punteggio(1, 1), -2);
}

TEST(TipoStoriaPartite, LaStoriaDelProgrammaEUnaSola) {
    EXPECT_EQ(&StoriaPartite(), &StoriaPartite());
}
