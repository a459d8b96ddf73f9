#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <string>

#include "aiuto/AiutoPartita.h"
#include "comune/Casuale.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

class StatiDellaPartita : public ConStatoPulito {};

Carta PrimaInMano(int s) {
    for (int k = 0; k < 8; ++k) {
        if (Registro().CartaInMano(s, k) != CartaIndefinita) {
            return Registro().CartaInMano(s, k);
        }
    }
    return CartaIndefinita;
}

std::array<int, 40> Distribuzione() {
    std::array<int, 40> seggi;
    for (int c = 0; c < 40; ++c) {
        seggi[static_cast<std::size_t>(c)] = Registro().Distribuzione(c);
    }
    return seggi;
}

// Deals with Inizio, then replaces the deal with a chosen one.
int IniziaCon(Partita& p, const std::array<int, 40>& seggi) {
    p.CambiaStato(StatoPartita::Distribuzione);
    const int primo = p.Inizio(0);
    Registro().DistribuisciMani(seggi);
    return primo;
}

int Offri(Partita& p, int n) {
    Chiamata c(n);
    return p.Licita(Registro().turno, c);
}

// Deals, seat 0 bids Asso and the others pass, Cuori is trump: the first card is due.
void IniziaAGiocare(Partita& p) {
    p.CambiaStato(StatoPartita::Distribuzione);
    p.Inizio(0);
    Offri(p, kAsso);
    for (int i = 0; i < 4; ++i) {
        Offri(p, kPasso);
    }
    p.FineLicitazione();
    p.ImpostaBriscola(Briscola(kCuori));
}

// Plays the seat on turn's first card until the trick is full.
void CompletaPresa(Partita& p) {
    while (p.Stato() == StatoPartita::Giocata) {
        Carta c = PrimaInMano(Registro().turno);
        p.Gioca(c);
    }
}

} // namespace

TEST_F(StatiDellaPartita, UnaPartitaNuovaEFerma) {
    Partita p(TavoloDelTest());
    EXPECT_EQ(p.Stato(), StatoPartita::Inattiva);
    PartitaPrimaManoAlBuio buio(TavoloDelTest());
    EXPECT_EQ(buio.Stato(), StatoPartita::Inattiva);
}

TEST_F(StatiDellaPartita, LaCostruzioneEstraeLaBaseDelSeme) {
    ImpostaSemeCasuale(123);
    std::mt19937 riferimento(123);
    const Partita p(TavoloDelTest());
    EXPECT_EQ(p.BaseSeme(), static_cast<int>(riferimento() % 10000));
    const PartitaPrimaManoAlBuio buio(TavoloDelTest());
    EXPECT_EQ(buio.BaseSeme(), static_cast<int>(riferimento() % 10000));
}

TEST_F(StatiDellaPartita, CambiaStatoAccettaSoloZeroENove) {
    Partita p(TavoloDelTest());
    EXPECT_EQ(Messaggio([&] { p.CambiaStato(StatoPartita::FineLicitazione); }),
              "Operazione di cambio stato illegale");
    EXPECT_EQ(p.Stato(), StatoPartita::Inattiva);
    p.CambiaStato(StatoPartita::Distribuzione);
    EXPECT_EQ(p.Stato(), StatoPartita::Distribuzione);
    for (const int s : {1, 2, 4, 5, 6, 7, 8, -1, 10}) {
        EXPECT_THROW(p.CambiaStato(static_cast<StatoPartita>(s)), Errore) << s;
    }
    EXPECT_EQ(p.Stato(), StatoPartita::Distribuzione);
    p.CambiaStato(StatoPartita::Inattiva);
    EXPECT_EQ(p.Stato(), StatoPartita::Inattiva);
}

TEST_F(StatiDellaPartita, PunteggiPrimaDellaFineSolleva) {
    Partita p(TavoloDelTest());
    IniziaAGiocare(p);
    ASSERT_EQ(p.Stato(), StatoPartita::Giocata);
    EXPECT_EQ(Messaggio([&] { p.Punteggi(); }),
              "Proclamazione punteggi impossibile prima della fine della partita");
    EXPECT_EQ(p.Stato(), StatoPartita::Giocata);
    EXPECT_EQ(StoriaPartite().numeroPartite, 0);
}

TEST_F(StatiDellaPartita, InizioDistribuisceEDaIlTurnoAlNumeroDellaPartitaModuloCinque) {
    for (const int numero : {0, 3, 7, 12}) {
        StoriaPartite().numeroPartite = numero;
        Partita p(TavoloDelTest());
        p.CambiaStato(StatoPartita::Distribuzione);
        Registro().primaManoCoperta = 1;
        EXPECT_EQ(p.Inizio(250), numero % 5);
        EXPECT_EQ(p.Stato(), StatoPartita::Licitazione);
        EXPECT_EQ(Registro().turno, numero % 5);
        EXPECT_EQ(Registro().primaManoCoperta, 0);
        EXPECT_EQ(Registro().chiamata, ChiamataNulla);
        EXPECT_EQ(Registro().GiocatoriInLicitazione(), 5);
        for (int s = 0; s < 5; ++s) {
            EXPECT_NE(Registro().CartaInMano(s, 7), CartaIndefinita);
        }
    }
}

TEST_F(StatiDellaPartita, InizioDellaManoAlBuioSegnaLaPrimaManoCoperta) {
    PartitaPrimaManoAlBuio p(TavoloDelTest());
    p.CambiaStato(StatoPartita::Distribuzione);
    EXPECT_EQ(p.Inizio(0), 0);
    EXPECT_EQ(p.Stato(), StatoPartita::Licitazione);
    EXPECT_EQ(Registro().primaManoCoperta, 1);
}

TEST_F(StatiDellaPartita, ConUnGiocatoreUmanoLaDistribuzioneNonSiRisemina) {
    ImpostaSemeCasuale(8);
    Partita p(TavoloDelTest());
    // The deal draws from the generator where it stands: no reseeding.
    ImpostaSemeCasuale(8);
    RegistroPartita atteso;
    atteso.Distribuisci(TavoloDelTest().generatore);
    ImpostaSemeCasuale(8);
    p.CambiaStato(StatoPartita::Distribuzione);
    p.Inizio(0);
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(Registro().Distribuzione(c), atteso.Distribuzione(c));
    }
}

TEST_F(StatiDellaPartita, SoloComputerLePartiteDa5kA5kPiu4HannoLaStessaManoSpostata) {
    for (const int tipo : {1, 2, 3}) {
        ImpostaTipoGiocatori(tipo);
        for (const int k : {0, 1, 7}) {
            Partita p(TavoloDelTest());
            std::array<int, 40> base{};
            for (int j = 0; j < 5; ++j) {
                StoriaPartite().numeroPartite = 5 * k + j;
                p.CambiaStato(StatoPartita::Distribuzione);
                EXPECT_EQ(p.Inizio(0), j);
                const auto mano = Distribuzione();
                if (j == 0) {
                    base = mano;
                }
                for (int c = 0; c < 40; ++c) {
                    EXPECT_EQ(mano[static_cast<std::size_t>(c)],
                              (base[static_cast<std::size_t>(c)] + j) % 5)
                        << tipo << " " << k << " " << j << " " << c;
                }
                // The seat that opens the bidding holds the same hand every time.
                for (int c = 0; c < 40; ++c) {
                    EXPECT_EQ(mano[static_cast<std::size_t>(c)] == j,
                              base[static_cast<std::size_t>(c)] == 0);
                }
            }
            // The next five games use another shuffle.
            StoriaPartite().numeroPartite = 5 * k + 5;
            p.CambiaStato(StatoPartita::Distribuzione);
            p.Inizio(0);
            EXPECT_NE(Distribuzione(), base);
        }
    }
}

TEST_F(StatiDellaPartita, SoloComputerIlSemeEIlNumeroDellaPartitaDivisoCinquePiuLaBase) {
    ImpostaTipoGiocatori(2);
    Partita p(TavoloDelTest());
    StoriaPartite().numeroPartite = 13;
    p.CambiaStato(StatoPartita::Distribuzione);
    p.Inizio(0);
    ImpostaSemeCasuale(static_cast<std::uint32_t>(13 / 5 + p.BaseSeme()));
    RegistroPartita atteso;
    atteso.Distribuisci(TavoloDelTest().generatore);
    atteso.RuotaDistribuzione(3);
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(Registro().Distribuzione(c), atteso.Distribuzione(c));
    }
}

TEST_F(StatiDellaPartita, LaPartitaSetteApreColGiocatoreDueEHaLaManoDelleCinqueESeiSpostata) {
    ImpostaTipoGiocatori(1);
    Partita p(TavoloDelTest());
    std::array<std::array<int, 40>, 3> mani;
    for (int numero = 5; numero <= 7; ++numero) {
        StoriaPartite().numeroPartite = numero;
        p.CambiaStato(StatoPartita::Distribuzione);
        const int primo = p.Inizio(0);
        if (numero == 7) {
            EXPECT_EQ(primo, 2);
        }
        mani[static_cast<std::size_t>(numero - 5)] = Distribuzione();
    }
    for (int c = 0; c < 40; ++c) {
        const auto i = static_cast<std::size_t>(c);
        EXPECT_EQ(mani[2][i], (mani[0][i] + 2) % 5);
        EXPECT_EQ(mani[2][i], (mani[1][i] + 1) % 5);
    }
    // In every mode the seat 2 bids first and leads the first trick.
    ImpostaTipoGiocatori(0);
    Partita umano(TavoloDelTest());
    umano.CambiaStato(StatoPartita::Distribuzione);
    EXPECT_EQ(umano.Inizio(0), 2);
    EXPECT_EQ(Offri(umano, kAsso), 3);
    for (int i = 0; i < 4; ++i) {
        Offri(umano, kPasso);
    }
    EXPECT_EQ(umano.Stato(), StatoPartita::FineLicitazione);
    EXPECT_EQ(Registro().chiamante, 2);
    EXPECT_EQ(Registro().turno, 2);
}

TEST_F(StatiDellaPartita, EsempioAssoTrePassoPassoPasso) {
    Partita p(TavoloDelTest());
    p.CambiaStato(StatoPartita::Distribuzione);
    ASSERT_EQ(p.Inizio(0), 0);
    EXPECT_EQ(Offri(p, kAsso), 1);
    EXPECT_EQ(Offri(p, kTre), 2);
    EXPECT_EQ(Offri(p, kPasso), 3);
    EXPECT_EQ(Offri(p, kPasso), 4);
    // After the bid of seat 4 the turn goes to seat 0.
    EXPECT_EQ(Offri(p, kPasso), 0);
    EXPECT_EQ(p.Stato(), StatoPartita::Licitazione);
    // Seat 0 passes: seat 1 is the only seat left.
    EXPECT_EQ(Offri(p, kPasso), 1);
    EXPECT_EQ(p.Stato(), StatoPartita::FineLicitazione);
    EXPECT_EQ(Registro().chiamante, 1);
    EXPECT_EQ(Registro().chiamata, Chiamata(kTre));
    EXPECT_EQ(Registro().turno, 0);
    EXPECT_EQ(Registro().GiocatoriInLicitazione(), 1);
}

TEST_F(StatiDellaPartita, UnaChiamataUgualeEUnPassoEIlGiocatoreEsce) {
    Partita p(TavoloDelTest());
    p.CambiaStato(StatoPartita::Distribuzione);
    p.Inizio(0);
    Offri(p, kRe);
    Chiamata uguale(kRe);
    uguale.Seme = 2;
    EXPECT_EQ(p.Licita(1, uguale), 2);
    EXPECT_EQ(uguale, ChiamataPasso);
    EXPECT_EQ(uguale.Valore, 999);
    EXPECT_EQ(Registro().chiamante, 0);
    EXPECT_EQ(Registro().GiocatoriInLicitazione(), 4);
    Chiamata piuBassa(kAsso);
    EXPECT_EQ(p.Licita(2, piuBassa), 3);
    EXPECT_EQ(piuBassa, ChiamataPasso);
    EXPECT_EQ(Registro().GiocatoriInLicitazione(), 3);
    // Seats 1 and 2 have passed: the turn skips them.
    Offri(p, 75);
    EXPECT_EQ(Offri(p, 80), 0);
    EXPECT_EQ(Offri(p, kPasso), 3);
    EXPECT_EQ(Registro().chiamante, 4);
    EXPECT_EQ(Offri(p, kPasso), 4);
    EXPECT_EQ(p.Stato(), StatoPartita::FineLicitazione);
    EXPECT_EQ(Registro().chiamata, Chiamata(80));
}

TEST_F(StatiDellaPartita, LOffertaEDiChiHaIlTurnoNonDelSeggioPassato) {
    Partita p(TavoloDelTest());
    p.CambiaStato(StatoPartita::Distribuzione);
    p.Inizio(0);
    Chiamata c(kRe);
    EXPECT_EQ(p.Licita(3, c), 1);
    EXPECT_EQ(Registro().chiamante, 0);
}

TEST_F(StatiDellaPartita, LUltimoSeggioNonPuoPassareSenzaChiamate) {
    Partita p(TavoloDelTest());
    p.CambiaStato(StatoPartita::Distribuzione);
    p.Inizio(0);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(Offri(p, kPasso), s + 1);
    }
    EXPECT_EQ(p.Stato(), StatoPartita::Licitazione);
    EXPECT_EQ(Registro().GiocatoriInLicitazione(), 1);
    const RegistroPartita prima = Registro();
    Chiamata passo = ChiamataPasso;
    EXPECT_EQ(Messaggio([&] { p.Licita(4, passo); }),
              "Licitazione impossibile: tutti i giocatori hanno passato senza chiamare");
    EXPECT_EQ(p.Stato(), StatoPartita::Licitazione);
    EXPECT_EQ(Registro().turno, prima.turno);
    EXPECT_EQ(Registro().GiocatoriInLicitazione(), 1);
    EXPECT_EQ(Registro().chiamata, ChiamataNulla);
    EXPECT_EQ(passo, ChiamataPasso);
    EXPECT_TRUE(Registro().InLicitazione());
    // A bid ends the bidding with that seat as caller.
    EXPECT_EQ(Offri(p, kAsso), 4);
    EXPECT_EQ(p.Stato(), StatoPartita::FineLicitazione);
    EXPECT_EQ(Registro().chiamante, 4);
    EXPECT_EQ(Registro().turno, 0);
}

TEST_F(StatiDellaPartita, UnaLicitazioneSenzaNessunoSollevaSenzaCambiareNiente) {
    Partita p(TavoloDelTest());
    p.CambiaStato(StatoPartita::Distribuzione);
    p.Inizio(0);
    Offri(p, kAsso);
    for (int i = 0; i < 4; ++i) {
        Offri(p, kPasso);
    }
    ASSERT_EQ(p.Stato(), StatoPartita::FineLicitazione);
    ASSERT_EQ(Registro().turno, 0);
    // Asked again, the caller alone passes: nobody would be left.
    Chiamata passo = ChiamataPasso;
    EXPECT_EQ(Messaggio([&] { p.Licita(0, passo); }),
              "Licitazione impossibile: nessun giocatore è rimasto in licitazione");
    EXPECT_EQ(Registro().GiocatoriInLicitazione(), 1);
    EXPECT_TRUE(Registro().InLicitazione());
    EXPECT_EQ(Registro().chiamata, Chiamata(kAsso));
    EXPECT_EQ(p.Stato(), StatoPartita::FineLicitazione);
}

TEST_F(StatiDellaPartita, FineLicitazioneEImpostaBriscola) {
    StoriaPartite().numeroPartite = 1;
    Partita p(TavoloDelTest());
    p.CambiaStato(StatoPartita::Distribuzione);
    ASSERT_EQ(p.Inizio(0), 1);
    Offri(p, kTre); // seat 1
    for (int i = 0; i < 4; ++i) {
        Offri(p, kPasso);
    }
    ASSERT_EQ(p.Stato(), StatoPartita::FineLicitazione);
    EXPECT_EQ(p.FineLicitazione(), 1);
    EXPECT_EQ(p.Stato(), StatoPartita::SceltaBriscola);
    EXPECT_EQ(p.ImpostaBriscola(Briscola(kPicche)), 1);
    EXPECT_EQ(p.Stato(), StatoPartita::Giocata);
    EXPECT_EQ(Registro().briscola, Briscola(kPicche));
    EXPECT_EQ(Registro().CartaChiamata(), Carta(kTre, kPicche));
}

TEST_F(StatiDellaPartita, UnaPartitaInteraPassaDaOgniStatoInOrdine) {
    Partita p(TavoloDelTest());
    p.CambiaStato(StatoPartita::Distribuzione);
    EXPECT_EQ(p.Inizio(0), 0);
    EXPECT_EQ(Offri(p, kTre), 1);
    for (int i = 0; i < 4; ++i) {
        Offri(p, kPasso);
    }
    EXPECT_EQ(p.Stato(), StatoPartita::FineLicitazione);
    EXPECT_EQ(p.FineLicitazione(), 0);
    EXPECT_EQ(p.Stato(), StatoPartita::SceltaBriscola);
    EXPECT_EQ(p.ImpostaBriscola(Briscola(kQuadri)), 0);
    for (int mano = 0; mano < 8; ++mano) {
        const int primo = Registro().turno;
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(p.Stato(), StatoPartita::Giocata);
            Carta c = PrimaInMano(Registro().turno);
            EXPECT_EQ(p.Gioca(c), (primo + i + 1) % 5);
            EXPECT_EQ(c.Coperta, 0);
        }
        EXPECT_EQ(p.Stato(), StatoPartita::FineMano);
        EXPECT_EQ(p.FineMano(), primo);
        EXPECT_EQ(p.Stato(), StatoPartita::RaccoltaMano);
        const int vincitore = Registro().VincitoreMano();
        EXPECT_EQ(p.RaccogliMano(), vincitore);
        EXPECT_EQ(Registro().turno, vincitore);
        EXPECT_EQ(Registro().ManiComplete(), mano + 1);
        EXPECT_EQ(p.Stato(), mano < 7 ? StatoPartita::Giocata : StatoPartita::Punteggi);
    }
    p.Punteggi();
    EXPECT_EQ(p.Stato(), StatoPartita::Inattiva);
    EXPECT_EQ(StoriaPartite().numeroPartite, 1);
    int somma = 0;
    for (int s = 0; s < 5; ++s) {
        somma += StoriaPartite().Totale(s);
    }
    EXPECT_EQ(somma, 0);
    // The next game of a series restarts the same object.
    p.CambiaStato(StatoPartita::Distribuzione);
    EXPECT_EQ(p.Inizio(0), 1);
}

TEST_F(StatiDellaPartita, GiocareUnaCartaGiaGiocataSollevaESiRestaComeSiEra) {
    Partita p(TavoloDelTest());
    IniziaAGiocare(p);
    Carta c = PrimaInMano(0);
    EXPECT_EQ(p.Gioca(c), 1);
    Carta ancora = c;
    EXPECT_EQ(Messaggio([&] { p.Gioca(ancora); }), "Carta già giocata!");
    EXPECT_EQ(p.Stato(), StatoPartita::Giocata);
    EXPECT_EQ(Registro().turno, 1);
    EXPECT_EQ(Registro().NumeroCarteGiocate(), 1);
}

TEST_F(StatiDellaPartita, PrimaManoAlBuioLeCarteDelValoreChiamatoSonoCoperte) {
    PartitaPrimaManoAlBuio p(TavoloDelTest());
    const auto seggi = DistribuzioneCon({{Carta(kTre, kCuori), 0},
                                         {Carta(kRe, kCuori), 1},
                                         {Carta(kTre, kQuadri), 2},
                                         {Carta(kDue, kPicche), 3},
                                         {Carta(kAsso, kCuori), 4}});
    ASSERT_EQ(IniziaCon(p, seggi), 0);
    Registro().primaManoCoperta = 1;
    EXPECT_EQ(Offri(p, kTre), 1);
    for (int i = 0; i < 4; ++i) {
        Offri(p, kPasso);
    }
    ASSERT_EQ(p.Stato(), StatoPartita::FineLicitazione);
    ASSERT_EQ(Registro().chiamante, 0);
    // The first trick is played with no trump, led by the seat that opened the bidding.
    EXPECT_EQ(p.FineLicitazione(), 0);
    EXPECT_EQ(p.Stato(), StatoPartita::Giocata);
    EXPECT_EQ(Registro().briscola, BriscolaAssente);
    const Carta primaPresa[5] = {Carta(kTre, kCuori), Carta(kRe, kCuori), Carta(kTre, kQuadri),
                                 Carta(kDue, kPicche), Carta(kAsso, kCuori)};
    const int coperta[5] = {1, 0, 1, 0, 0};
    for (int i = 0; i < 5; ++i) {
        Carta c = primaPresa[i];
        EXPECT_EQ(p.Gioca(c), (i + 1) % 5);
        EXPECT_EQ(c.Coperta, coperta[i]) << i;
    }
    EXPECT_EQ(p.Stato(), StatoPartita::FineMano);
    EXPECT_EQ(Registro().VincitoreMano(), 4);
    // After the fifth card the caller names the trump.
    EXPECT_EQ(p.FineMano(), 0);
    EXPECT_EQ(p.Stato(), StatoPartita::SceltaBriscola);
    EXPECT_EQ(p.ImpostaBriscola(Briscola(kPicche)), 0);
    EXPECT_EQ(p.Stato(), StatoPartita::RaccoltaMano);
    // The first trick is won under that trump: the Due of Picche beats the Asso of Cuori.
    EXPECT_EQ(p.RaccogliMano(), 3);
    EXPECT_EQ(p.Stato(), StatoPartita::Giocata);
    EXPECT_EQ(Registro().PuntiGiocatore(3), 10 + 4 + 10 + 11);
    // Later tricks go as in Partita, and no card is marked any more.
    for (int mano = 1; mano < 8; ++mano) {
        const int primo = Registro().turno;
        while (p.Stato() == StatoPartita::Giocata) {
            Carta c = PrimaInMano(Registro().turno);
            p.Gioca(c);
            EXPECT_EQ(c.Coperta, 0);
        }
        EXPECT_EQ(p.FineMano(), primo);
        EXPECT_EQ(p.Stato(), StatoPartita::RaccoltaMano);
        p.RaccogliMano();
    }
    EXPECT_EQ(p.Stato(), StatoPartita::Punteggi);
    p.Punteggi();
    EXPECT_EQ(p.Stato(), StatoPartita::Inattiva);
}

TEST_F(StatiDellaPartita, InUnaPartitaNormaleNessunaCartaECoperta) {
    Partita p(TavoloDelTest());
    const auto seggi = DistribuzioneCon({{Carta(kTre, kCuori), 0}, {Carta(kTre, kQuadri), 1}});
    IniziaCon(p, seggi);
    Registro().primaManoCoperta = 0;
    Offri(p, kTre);
    for (int i = 0; i < 4; ++i) {
        Offri(p, kPasso);
    }
    p.FineLicitazione();
    p.ImpostaBriscola(Briscola(kFiori));
    Carta tre(kTre, kCuori);
    p.Gioca(tre);
    EXPECT_EQ(tre.Coperta, 0);
    Carta altro(kTre, kQuadri);
    p.Gioca(altro);
    EXPECT_EQ(altro.Coperta, 0);
    CompletaPresa(p);
    EXPECT_EQ(p.Stato(), StatoPartita::FineMano);
}

TEST_F(StatiDellaPartita, AzzeraPunteggiSvuotaLaStoriaENonToccaLoStato) {
    StoriaPartite().numeroPartite = 4;
    StoriaPartite().totale = {1, 2, 3, -3, -3};
    Partita p(TavoloDelTest());
    p.CambiaStato(StatoPartita::Distribuzione);
    p.AzzeraPunteggi();
    EXPECT_EQ(StoriaPartite().numeroPartite, 0);
    EXPECT_EQ(StoriaPartite().Totale(2), 0);
    EXPECT_EQ(p.Stato(), StatoPartita::Distribuzione);
}
