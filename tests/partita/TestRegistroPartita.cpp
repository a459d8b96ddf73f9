#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "comune/Casuale.h"
#include "partita/RegistroPartita.h"

namespace {

// Seat s holds the cards 8s .. 8s+7.
std::array<int, 40> DistribuzioneInOrdine() {
    std::array<int, 40> seggi;
    for (int c = 0; c < 40; ++c) {
        seggi[static_cast<std::size_t>(c)] = c / 8;
    }
    return seggi;
}

// The first card (by index) still in the hand of seat s.
Carta PrimaInMano(const RegistroPartita& r, int s) {
    for (int k = 0; k < 8; ++k) {
        if (r.CartaInMano(s, k) != CartaIndefinita) {
            return r.CartaInMano(s, k);
        }
    }
    return CartaIndefinita;
}

void Gioca(RegistroPartita& r, std::initializer_list<Carta> carte) {
    for (const Carta& c : carte) {
        r.RegistraGiocata(c);
    }
}

// The trick of the edge cases: seat 0 leads the Re of Cuori, seat 1 adds the Asso of Quadri,
// seat 2 a low trump (Due of Fiori), seat 3 the Asso of Cuori, seat 4 a higher trump.
RegistroPartita RegistroConPresa() {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneCon({{Carta(kRe, kCuori), 0},
                                         {Carta(kAsso, kQuadri), 1},
                                         {Carta(kDue, kFiori), 2},
                                         {Carta(kAsso, kCuori), 3},
                                         {Carta(kSette, kFiori), 4}}));
    r.chiamata = Chiamata(kTre);
    r.chiamante = 1;
    r.briscola = Briscola(kFiori);
    return r;
}

} // namespace

TEST(RegistroPartita, LaCostruzioneDiDefault) {
    const RegistroPartita r;
    EXPECT_EQ(r.chiamante, -1);
    EXPECT_EQ(r.NumeroCarteGiocate(), 0);
    EXPECT_EQ(r.chiamata, ChiamataNulla);
    EXPECT_EQ(r.briscola, BriscolaIndefinita);
    EXPECT_EQ(r.turno, 0);
    EXPECT_EQ(r.primaManoCoperta, 0);
    EXPECT_EQ(r.GiocatoriInLicitazione(), 5);
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(r.Distribuzione(c), -1);
        EXPECT_EQ(r.Possessore(c), -1);
        EXPECT_FALSE(r.InMano(c));
        EXPECT_FALSE(r.InTavola(c));
    }
    EXPECT_EQ(r.ManiComplete(), 0);
    EXPECT_EQ(r.CarteInTavola(), 0);
    EXPECT_FALSE(r.PartitaFinita());
    EXPECT_EQ(r.CartaChiamata(), CartaIndefinita);
    EXPECT_EQ(r.Socio(), -1);
    EXPECT_EQ(r.SocioPalese(), -1);
    for (int s = -1; s < 5; ++s) {
        EXPECT_EQ(r.CartaInMano(s, 0), CartaIndefinita);
        EXPECT_EQ(r.CartaDistribuita(s, 0), CartaIndefinita);
        EXPECT_EQ(r.PuntiGiocatore(s), 0);
    }
    EXPECT_EQ(r.CartaGiocata(0), CartaIndefinita);
    EXPECT_EQ(r.ChiHaGiocato(Carta(kAsso, kCuori)), -1);
}

TEST(RegistroPartita, PrimaDellaDistribuzioneNessunaCartaSiPuoGiocare) {
    RegistroPartita r;
    EXPECT_THROW(r.RegistraGiocata(Carta(kAsso, kCuori)), Errore);
    EXPECT_EQ(r.NumeroCarteGiocate(), 0);
}

TEST(RegistroPartita, DopoDistribuisciOgniGiocatoreHaOttoCarteInOrdine) {
    ImpostaSemeCasuale(31);
    RegistroPartita r;
    r.Distribuisci(TavoloDelTest().generatore);
    std::array<int, 40> viste{};
    for (int s = 0; s < 5; ++s) {
        int precedente = -1;
        for (int k = 0; k < 8; ++k) {
            const Carta c = r.CartaInMano(s, k);
            ASSERT_NE(c, CartaIndefinita);
            EXPECT_GT(c.Indice(), precedente);
            precedente = c.Indice();
            EXPECT_EQ(r.Distribuzione(c.Indice()), s);
            EXPECT_EQ(r.CartaDistribuita(s, k), c);
            ++viste[static_cast<std::size_t>(c.Indice())];
        }
        EXPECT_EQ(r.CartaInMano(s, 8), CartaIndefinita);
        EXPECT_EQ(r.CartaDistribuita(s, 8), CartaIndefinita);
        EXPECT_EQ(r.CartaInMano(s, -1), CartaIndefinita);
    }
    EXPECT_TRUE(std::all_of(viste.begin(), viste.end(), [](int n) { return n == 1; }));
    for (int c = 0; c < 40; ++c) {
        EXPECT_TRUE(r.InMano(c));
        EXPECT_FALSE(r.InTavola(c));
        EXPECT_EQ(r.Possessore(c), r.Distribuzione(c));
    }
}

TEST(RegistroPartita, DistribuisciMescolaCon200ScambiDelGeneratore) {
    ImpostaSemeCasuale(2718);
    RegistroPartita r;
    r.Distribuisci(TavoloDelTest().generatore);
    std::array<int, 40> attesa = DistribuzioneInOrdine();
    std::mt19937 riferimento(2718);
    for (int n = 0; n < 200; ++n) {
        const auto i = riferimento() % 40;
        const auto j = riferimento() % 40;
        std::swap(attesa[i], attesa[j]);
    }
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(r.Distribuzione(c), attesa[static_cast<std::size_t>(c)]) << c;
    }
    // Exactly 400 draws.
    EXPECT_EQ(Casuale(1000000), static_cast<int>(riferimento() % 1000000));
}

TEST(RegistroPartita, DistribuisciAzzeraLaPartitaMaNonTurnoEPrimaManoCoperta) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneInOrdine());
    r.chiamata = Chiamata(kRe);
    r.chiamante = 3;
    r.briscola = Briscola(kPicche);
    r.ImpostaTurno(2);
    r.ImpostaInLicitazione(false);
    r.primaManoCoperta = 1;
    Gioca(r, {Carta(kDue, kCuori), Carta(kTre, kCuori)});
    r.Distribuisci(TavoloDelTest().generatore);
    EXPECT_EQ(r.chiamata, ChiamataNulla);
    EXPECT_EQ(r.chiamante, -1);
    EXPECT_EQ(r.briscola, BriscolaIndefinita);
    EXPECT_EQ(r.GiocatoriInLicitazione(), 5);
    EXPECT_EQ(r.NumeroCarteGiocate(), 0);
    EXPECT_EQ(r.CarteInTavola(), 0);
    EXPECT_EQ(r.CartaGiocata(0), CartaIndefinita);
    EXPECT_EQ(r.turno, 2);
    EXPECT_EQ(r.primaManoCoperta, 1);
}

TEST(RegistroPartita, DistribuisciManiDaLeCarteScelte) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneInOrdine());
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(r.Distribuzione(c), c / 8);
        EXPECT_EQ(r.Possessore(c), c / 8);
        EXPECT_TRUE(r.InMano(c));
    }
    EXPECT_EQ(r.CartaInMano(1, 0), Carta(kTre, kCuori));
    EXPECT_EQ(r.CartaInMano(1, 1), Carta(kAsso, kCuori));
    EXPECT_EQ(r.CartaInMano(1, 2), Carta(kDue, kQuadri));
}

TEST(RegistroPartita, UnaDistribuzioneSceltaNonValidaNonCambiaNiente) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneInOrdine());
    r.RegistraGiocata(Carta(kDue, kCuori));
    auto seggi = DistribuzioneInOrdine();
    seggi[0] = 5;
    EXPECT_THROW(r.DistribuisciMani(seggi), Errore);
    seggi[0] = 1; // nine cards to seat 1, seven to seat 0
    EXPECT_THROW(r.DistribuisciMani(seggi), Errore);
    seggi[0] = -1;
    EXPECT_THROW(r.DistribuisciMani(seggi), Errore);
    EXPECT_EQ(r.NumeroCarteGiocate(), 1);
    EXPECT_EQ(r.Distribuzione(0), 0);
    EXPECT_TRUE(r.InTavola(0));
}

TEST(RegistroPartita, RuotaDistribuzioneSpostaOgniCartaDiKPosti) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneInOrdine());
    r.RuotaDistribuzione(2);
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(r.Distribuzione(c), (c / 8 + 2) % 5);
        EXPECT_EQ(r.Possessore(c), r.Distribuzione(c));
    }
    r.RuotaDistribuzione(3);
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(r.Distribuzione(c), c / 8);
    }
    r.RuotaDistribuzione(0);
    EXPECT_EQ(r.Distribuzione(39), 4);
}

TEST(RegistroPartita, RegistraGiocataMetteLaCartaInTavola) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneInOrdine());
    r.RegistraGiocata(Carta(kAsso, kCuori));
    const int c = Carta(kAsso, kCuori).Indice();
    EXPECT_FALSE(r.InMano(c));
    EXPECT_TRUE(r.InTavola(c));
    EXPECT_EQ(r.NumeroCarteGiocate(), 1);
    EXPECT_EQ(r.CarteInTavola(), 1);
    EXPECT_EQ(r.CartaGiocata(0), Carta(kAsso, kCuori));
    EXPECT_EQ(r.CartaInTavola(0), Carta(kAsso, kCuori));
    EXPECT_EQ(r.ChiHaGiocato(Carta(kAsso, kCuori)), 1);
    EXPECT_EQ(r.CartaInMano(1, 1), CartaIndefinita);
    EXPECT_EQ(r.CartaDistribuita(1, 1), Carta(kAsso, kCuori));
    // The k-th dealt card: the others keep their positions.
    EXPECT_EQ(r.CartaInMano(1, 0), Carta(kTre, kCuori));
    EXPECT_EQ(r.CartaInMano(1, 2), Carta(kDue, kQuadri));
    EXPECT_TRUE(r.HaGiocatoInMano(1));
    EXPECT_FALSE(r.HaGiocatoInMano(0));
}

TEST(RegistroPartita, RegistrareDueVolteLaStessaCartaSolleva) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneInOrdine());
    r.RegistraGiocata(Carta(kRe, kFiori));
    EXPECT_EQ(Messaggio([&] { r.RegistraGiocata(Carta(kRe, kFiori)); }), "Carta già giocata!");
    EXPECT_EQ(r.NumeroCarteGiocate(), 1);
    EXPECT_EQ(r.CarteInTavola(), 1);
}

TEST(RegistroPartita, RegistrareLaCartaIndefinitaSollevaCartaIndefinita) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneInOrdine());
    EXPECT_EQ(Messaggio([&] { r.RegistraGiocata(CartaIndefinita); }), "Carta Indefinita");
    EXPECT_EQ(Messaggio([&] { r.RegistraGiocata(Carta(kAsso, 4)); }), "Carta già giocata!");
    EXPECT_EQ(Messaggio([&] { r.RegistraGiocata(Carta(kAsso, -1)); }), "Carta già giocata!");
    EXPECT_EQ(r.NumeroCarteGiocate(), 0);
}

TEST(RegistroPartita, ConLaTavolaVuotaNonVinceNessuno) {
    RegistroPartita r = RegistroConPresa();
    EXPECT_EQ(r.CartaVincente(), CartaIndefinita);
    EXPECT_EQ(r.VincitoreMano(), -1);
    EXPECT_EQ(r.CartaInTavola(0), CartaIndefinita);
    EXPECT_EQ(r.PuntiInTavola(), 0);
}

TEST(RegistroPartita, LaBriscolaBassaBatteLAssoDiUnAltroSemeELaBriscolaAltaLaSupera) {
    RegistroPartita r = RegistroConPresa();
    r.RegistraGiocata(Carta(kRe, kCuori));
    EXPECT_EQ(r.VincitoreMano(), 0);
    r.RegistraGiocata(Carta(kAsso, kQuadri));
    EXPECT_EQ(r.CartaVincente(), Carta(kRe, kCuori));
    EXPECT_EQ(r.VincitoreMano(), 0);
    r.RegistraGiocata(Carta(kDue, kFiori));
    EXPECT_EQ(r.CartaVincente(), Carta(kDue, kFiori));
    EXPECT_EQ(r.VincitoreMano(), 2);
    r.RegistraGiocata(Carta(kAsso, kCuori));
    EXPECT_EQ(r.VincitoreMano(), 2);
    r.RegistraGiocata(Carta(kSette, kFiori));
    EXPECT_EQ(r.CartaVincente(), Carta(kSette, kFiori));
    EXPECT_EQ(r.VincitoreMano(), 4);
    EXPECT_EQ(r.PuntiInTavola(), 4 + 11 + 0 + 11 + 0);
}

TEST(RegistroPartita, SenzaBriscolaVinceLaCartaPiuAltaDelSemeDiUscita) {
    RegistroPartita r = RegistroConPresa();
    r.briscola = BriscolaAssente;
    Gioca(r, {Carta(kRe, kCuori), Carta(kAsso, kQuadri), Carta(kDue, kFiori), Carta(kAsso, kCuori),
              Carta(kSette, kFiori)});
    EXPECT_EQ(r.VincitoreMano(), 3);
    // The trump named afterwards decides (the face-down first trick).
    r.briscola = Briscola(kQuadri);
    EXPECT_EQ(r.VincitoreMano(), 1);
}

TEST(RegistroPartita, ConCinqueCarteInTavolaLaPresaNonEAncoraRaccolta) {
    RegistroPartita r = RegistroConPresa();
    Gioca(r, {Carta(kRe, kCuori), Carta(kAsso, kQuadri), Carta(kDue, kFiori), Carta(kAsso, kCuori),
              Carta(kSette, kFiori)});
    EXPECT_EQ(r.ManiComplete(), 0);
    EXPECT_EQ(r.CarteInTavola(), 5);
    EXPECT_EQ(r.CartaInTavola(r.CarteInTavola()), CartaIndefinita);
    EXPECT_EQ(r.CartaInTavola(4), Carta(kSette, kFiori));
    EXPECT_EQ(r.PuntiGiocatore(4), 0);
    r.RaccogliPresa();
    EXPECT_EQ(r.ManiComplete(), 1);
    EXPECT_EQ(r.CarteInTavola(), 0);
    EXPECT_EQ(r.PuntiGiocatore(4), 26);
    EXPECT_EQ(r.Possessore(Carta(kAsso, kCuori).Indice()), 4);
    EXPECT_EQ(r.Distribuzione(Carta(kAsso, kCuori).Indice()), 3);
    EXPECT_EQ(r.ChiHaGiocato(Carta(kAsso, kCuori)), 3);
    EXPECT_EQ(r.CartaInTavola(0), CartaIndefinita);
    EXPECT_FALSE(r.HaGiocatoInMano(4));
    EXPECT_EQ(r.VincitoreMano(), -1);
}

TEST(RegistroPartita, LaSecondaPresaSiLeggeDallaSuaPosizione) {
    RegistroPartita r = RegistroConPresa();
    Gioca(r, {Carta(kRe, kCuori), Carta(kAsso, kQuadri), Carta(kDue, kFiori), Carta(kAsso, kCuori),
              Carta(kSette, kFiori)});
    r.RaccogliPresa(2);
    EXPECT_EQ(r.PuntiGiocatore(2), 26);
    EXPECT_EQ(r.PuntiGiocatore(4), 0);
    const Carta primaDellaSeconda = PrimaInMano(r, 4);
    EXPECT_EQ(primaDellaSeconda, Carta(kSei, kPicche));
    r.RegistraGiocata(primaDellaSeconda);
    EXPECT_EQ(r.CartaInTavola(0), primaDellaSeconda);
    EXPECT_EQ(r.CartaVincente(), primaDellaSeconda);
    EXPECT_EQ(r.VincitoreMano(), 4);
    int seggio = 0;
    Carta carta;
    r.CartaGiocata(1, 0, seggio, carta);
    EXPECT_EQ(carta, primaDellaSeconda);
    EXPECT_EQ(seggio, 4);
    r.CartaGiocata(0, 2, seggio, carta);
    EXPECT_EQ(carta, Carta(kDue, kFiori));
    EXPECT_EQ(seggio, 2);
    r.CartaGiocata(5, seggio, carta);
    EXPECT_EQ(carta, primaDellaSeconda);
    r.CartaGiocata(6, seggio, carta);
    EXPECT_EQ(seggio, -1);
    EXPECT_EQ(carta, CartaIndefinita);
    r.CartaGiocata(-1, seggio, carta);
    EXPECT_EQ(seggio, -1);
    EXPECT_EQ(r.CartaGiocata(6), CartaIndefinita);
    EXPECT_EQ(r.CartaGiocata(-1), CartaIndefinita);
}

TEST(RegistroPartita, Confronta) {
    const Briscola fiori(kFiori);
    const Carta reCuori(kRe, kCuori);
    EXPECT_GT(RegistroPartita::Confronta(reCuori, Carta(kAsso, kCuori), fiori), 0);
    EXPECT_LT(RegistroPartita::Confronta(reCuori, Carta(kDue, kCuori), fiori), 0);
    EXPECT_EQ(RegistroPartita::Confronta(reCuori, Carta(kTre, kCuori), fiori), 1);
    EXPECT_EQ(RegistroPartita::Confronta(Carta(kDue, kCuori), Carta(kAsso, kCuori), fiori), 9);
    EXPECT_EQ(RegistroPartita::Confronta(reCuori, reCuori, fiori), 0);
    EXPECT_EQ(RegistroPartita::Confronta(reCuori, Carta(kDue, kFiori), fiori), 1);
    EXPECT_EQ(RegistroPartita::Confronta(Carta(kDue, kFiori), Carta(kAsso, kCuori), fiori), -1);
    EXPECT_EQ(RegistroPartita::Confronta(reCuori, Carta(kAsso, kQuadri), fiori), -1);
    EXPECT_EQ(RegistroPartita::Confronta(reCuori, CartaIndefinita, fiori), -1);
    EXPECT_EQ(RegistroPartita::Confronta(CartaIndefinita, reCuori, fiori), 1);
    EXPECT_EQ(RegistroPartita::Confronta(CartaIndefinita, CartaIndefinita, fiori), -1);
    // Without a named trump no card of another suit beats the lead.
    EXPECT_EQ(RegistroPartita::Confronta(reCuori, Carta(kAsso, kFiori), BriscolaAssente), -1);
    EXPECT_EQ(RegistroPartita::Confronta(reCuori, Carta(kAsso, kFiori), BriscolaIndefinita), -1);
}

TEST(RegistroPartita, SuperaVincente) {
    RegistroPartita r = RegistroConPresa();
    EXPECT_GT(r.SuperaVincente(Carta(kDue, kCuori), r.briscola), 0);
    r.RegistraGiocata(Carta(kRe, kCuori));
    EXPECT_LT(r.SuperaVincente(Carta(kDue, kCuori), r.briscola), 0);
    EXPECT_EQ(r.SuperaVincente(Carta(kAsso, kCuori), r.briscola), 2);
    EXPECT_TRUE(r.SuperaVincente(Carta(kDue, kFiori)));
    EXPECT_FALSE(r.SuperaVincente(Carta(kAsso, kQuadri)));
    EXPECT_TRUE(r.SuperaVincenteCon(Carta(kAsso, kQuadri), Briscola(kQuadri)));
    EXPECT_FALSE(r.SuperaVincenteCon(Carta(kDue, kFiori), Briscola(kQuadri)));
}

TEST(RegistroPartita, LaCartaChiamataESoloConChiamataEBriscola) {
    RegistroPartita r = RegistroConPresa();
    EXPECT_EQ(r.CartaChiamata(), Carta(kTre, kFiori));
    r.briscola = BriscolaIndefinita;
    EXPECT_EQ(r.CartaChiamata(), CartaIndefinita);
    EXPECT_EQ(r.Socio(), -1);
    r.briscola = BriscolaAssente;
    EXPECT_EQ(r.CartaChiamata(), CartaIndefinita);
    EXPECT_EQ(r.Socio(), -1);
    r.briscola = Briscola(kFiori);
    r.chiamata = ChiamataNulla;
    EXPECT_EQ(r.CartaChiamata(), CartaIndefinita);
    r.chiamata = ChiamataPasso;
    EXPECT_EQ(r.CartaChiamata(), CartaIndefinita);
    r.chiamata = Chiamata(90);
    EXPECT_EQ(r.CartaChiamata(), Carta(kDue, kFiori));
    EXPECT_EQ(r.Socio(), 2);
}

TEST(RegistroPartita, IlSocioDiventaPaleseQuandoLaCartaChiamataEGiocata) {
    RegistroPartita r;
    // The Tre of Fiori is called; seat 3 holds it, seat 1 is the caller.
    r.DistribuisciMani(DistribuzioneCon({{Carta(kTre, kFiori), 3}, {Carta(kAsso, kFiori), 1}}));
    r.chiamata = Chiamata(kTre);
    r.chiamante = 1;
    r.briscola = Briscola(kFiori);
    EXPECT_EQ(r.Socio(), 3);
    EXPECT_EQ(r.SocioPalese(), -1);
    r.RegistraGiocata(Carta(kAsso, kFiori));
    EXPECT_EQ(r.SocioPalese(), -1);
    r.RegistraGiocata(Carta(kTre, kFiori));
    EXPECT_EQ(r.SocioPalese(), 3);
    EXPECT_EQ(r.SocioPalese(), r.Socio());
    // Seats 0, 2 and 4 add the Due of Cuori, the Fante of Quadri and the Cinque of Picche;
    // the caller's Asso of trumps takes the trick: 11 + 10 + 2 points.
    for (int s : {0, 2, 4}) {
        r.RegistraGiocata(PrimaInMano(r, s));
    }
    r.RaccogliPresa();
    EXPECT_EQ(r.PuntiGiocatore(1), 23);
    EXPECT_EQ(r.PuntiChiamante(), 23);
    EXPECT_EQ(r.PuntiGiocatore(3), 0);
}

TEST(RegistroPartita, IPuntiDelChiamanteContanoIlSocioPaleseUnaVolta) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneCon({{Carta(kAsso, kCuori), 0},
                                         {Carta(kTre, kCuori), 1},
                                         {Carta(kRe, kCuori), 2},
                                         {Carta(kDue, kCuori), 3},
                                         {Carta(kQuattro, kCuori), 4}}));
    r.chiamata = Chiamata(61);
    r.chiamante = 2;
    r.briscola = Briscola(kCuori); // called card: Due of Cuori, seat 3
    Gioca(r, {Carta(kAsso, kCuori), Carta(kTre, kCuori), Carta(kRe, kCuori), Carta(kDue, kCuori),
              Carta(kQuattro, kCuori)});
    r.RaccogliPresa(3);
    EXPECT_EQ(r.SocioPalese(), 3);
    EXPECT_EQ(r.PuntiChiamante(), 25);
    EXPECT_FALSE(r.ChiamanteVincente());
    r.chiamata = Chiamata(kDue); // 60 points wanted
    EXPECT_FALSE(r.ChiamanteVincente());
}

TEST(RegistroPartita, UnChiamanteCheHaLaCartaChiamataESocioDiSeStesso) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneCon({{Carta(kAsso, kPicche), 2}, {Carta(kTre, kPicche), 2}}));
    r.chiamata = Chiamata(kAsso);
    r.chiamante = 2;
    r.briscola = Briscola(kPicche);
    EXPECT_EQ(r.Socio(), 2);
    EXPECT_EQ(r.SocioPalese(), -1);
    r.RegistraGiocata(Carta(kAsso, kPicche));
    for (int s : {3, 4, 0, 1}) {
        r.RegistraGiocata(PrimaInMano(r, s));
    }
    r.RaccogliPresa();
    EXPECT_EQ(r.Socio(), 2);
    EXPECT_EQ(r.SocioPalese(), 2);
    EXPECT_EQ(r.PuntiChiamante(), r.PuntiGiocatore(2));
    EXPECT_GE(r.PuntiChiamante(), 11);
}

TEST(RegistroPartita, TurnoEInLicitazione) {
    RegistroPartita r;
    r.ImpostaTurno(7);
    EXPECT_EQ(r.turno, 2);
    r.ImpostaTurno(r.turno + 3);
    EXPECT_EQ(r.turno, 0);
    r.ImpostaTurno(-1);
    EXPECT_EQ(r.turno, 4);
    EXPECT_TRUE(r.InLicitazione());
    r.ImpostaInLicitazione(false);
    EXPECT_FALSE(r.InLicitazione());
    EXPECT_EQ(r.GiocatoriInLicitazione(), 4);
    r.ImpostaTurno(0);
    EXPECT_TRUE(r.InLicitazione());
    r.ImpostaTurno(4);
    r.ImpostaInLicitazione(true);
    EXPECT_EQ(r.GiocatoriInLicitazione(), 5);
}

TEST(RegistroPartita, UnaPartitaInteraFinisceDopoQuarantaCarte) {
    ImpostaSemeCasuale(5);
    RegistroPartita r;
    r.Distribuisci(TavoloDelTest().generatore);
    r.chiamata = Chiamata(kAsso);
    r.chiamante = 0;
    r.briscola = Briscola(kQuadri);
    for (int mano = 0; mano < 8; ++mano) {
        for (int s = 0; s < 5; ++s) {
            r.RegistraGiocata(PrimaInMano(r, s));
        }
        EXPECT_EQ(r.CarteInTavola(), 5);
        EXPECT_FALSE(r.PartitaFinita() && mano < 7);
        r.RaccogliPresa();
        EXPECT_EQ(r.ManiComplete(), mano + 1);
    }
    EXPECT_TRUE(r.PartitaFinita());
    EXPECT_EQ(r.NumeroCarteGiocate(), 40);
    int totale = 0;
    for (int s = 0; s < 5; ++s) {
        totale += r.PuntiGiocatore(s);
        EXPECT_EQ(r.CartaInMano(s, 0), CartaIndefinita);
    }
    EXPECT_EQ(totale, 120);
    EXPECT_GE(r.Socio(), 0);
    EXPECT_EQ(r.SocioPalese(), r.Socio());
}

TEST(RegistroPartita, LaCopiaEUnValoreIndipendente) {
    RegistroPartita r = RegistroConPresa();
    RegistroPartita copia = r;
    copia.RegistraGiocata(Carta(kRe, kCuori));
    copia.chiamante = 4;
    EXPECT_EQ(r.NumeroCarteGiocate(), 0);
    EXPECT_EQ(r.chiamante, 1);
    EXPECT_EQ(copia.NumeroCarteGiocate(), 1);
    r = copia;
    EXPECT_EQ(r.CartaInTavola(0), Carta(kRe, kCuori));
    EXPECT_EQ(r.chiamante, 4);
}

TEST(RegistroPartita, IlRegistroDelProgrammaEUnoSolo) {
    EXPECT_EQ(&Registro(), &Registro());
}

// The table is counted as the cards go down and up, not recounted: it must agree with the
// cards marked on the table whenever a trick is gathered, even half-played, and at a new deal.
TEST(RegistroPartita, LaTavolaResaGiustaDopoUnaPresaRaccoltaAMetaEDopoUnaNuovaDistribuzione) {
    RegistroPartita r = RegistroConPresa();
    Gioca(r, {Carta(kRe, kCuori), Carta(kAsso, kQuadri)});
    r.RaccogliPresa(2);
    Gioca(r, {Carta(kTre, kFiori), Carta(kDue, kCuori), Carta(kFante, kPicche)});
    int segnate = 0;
    for (int c = 0; c < 40; ++c) {
        segnate += r.InTavola(c) ? 1 : 0;
    }
    EXPECT_EQ(segnate, 3);
    EXPECT_EQ(r.CarteInTavola(), 3);
    EXPECT_EQ(r.PuntiInTavola(), 10 + 0 + 2);
    r.DistribuisciMani(DistribuzioneInOrdine());
    EXPECT_EQ(r.CarteInTavola(), 0);
    EXPECT_EQ(r.PuntiInTavola(), 0);
    r.RegistraGiocata(Carta(kAsso, kCuori));
    ImpostaSemeCasuale(5);
    r.Distribuisci(TavoloDelTest().generatore);
    EXPECT_EQ(r.CarteInTavola(), 0);
    EXPECT_EQ(r.PuntiInTavola(), 0);
}
