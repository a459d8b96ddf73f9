// The pauses of play through the real main window: their order and length, and what closing,
// "Nuova Partita" and loading a series do during one.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>
#include <set>
#include <utility>

#include "finestre/CicloGioco.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "motori/Semaforo.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

enum class Pausa { Nessuna, DopoChiamata, DopoCarta, DopoMano };

// Which pause the loop is in, from the game it paused: a trick just collected leaves the
// game at the next trick or at its end with no card on the table.
Pausa PausaInCorso(const TfrmBriscolaMain& finestra) {
    if (!finestra.Ciclo().InPausa()) {
        return Pausa::Nessuna;
    }
    const int giocate = Registro().NumeroCarteGiocate();
    const int stato = NumeroStato(finestra);
    if (giocate == 0) {
        return Pausa::DopoChiamata;
    }
    if (giocate % 5 == 0 && (stato == 5 || stato == 8)) {
        return Pausa::DopoMano;
    }
    return Pausa::DopoCarta;
}

// The cards shown in the trick's row.
std::set<int> CarteInTavola(const TfrmBriscolaMain& finestra) {
    std::set<int> carte;
    for (int c = 0; c < 40; ++c) {
        const ImmagineCarta* immagine = finestra.Immagine(c);
        if (immagine != nullptr && immagine->isVisible() && immagine->y() == 70) {
            carte.insert(c);
        }
    }
    return carte;
}

// The last n cards played.
std::set<int> UltimeGiocate(int n) {
    std::set<int> carte;
    const int giocate = Registro().NumeroCarteGiocate();
    for (int k = giocate - n; k < giocate; ++k) {
        carte.insert(Registro().CartaGiocata(k).Indice());
    }
    return carte;
}

// Plays as the human until the loop is in the pause asked for, and then, from the same turn
// of the event loop (later ones may already end the pause), does allaPausa; false on a
// time-out.
bool GiocaFinoAllaPausa(TavoloDiProva& tavolo, Pausa cercata,
                        const std::function<void()>& allaPausa) {
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    for (int passi = 0; passi < 1000; ++passi) {
        bool trovata = false;
        bool umano = false;
        AttendiCondizione([&] {
            if (!trovata && !umano && PausaInCorso(finestra) == cercata) {
                trovata = true;
                allaPausa();
            }
            const CicloGioco& ciclo = finestra.Ciclo();
            umano = umano || (!trovata && tavolo.Avviato() && !ciclo.Attivo() && !ciclo.InPasso());
            return trovata || umano;
        });
        if (trovata) {
            return true;
        }
        if (!umano) {
            return false;
        }
        if (!finestra.SemaforoGioco().InCorso()) {
            finestra.menuNuovaPartitaClick();
        } else {
            DecidiComeUmano(finestra);
        }
        // The human's answer must move the game on.
        if (!finestra.Ciclo().Attivo()) {
            ADD_FAILURE() << "fermo: stato " << NumeroStato(finestra) << ", fase "
                          << static_cast<int>(finestra.Ciclo().FaseCorrente()) << ", turno "
                          << finestra.SemaforoGioco().GiocatoreCorrente() << ", messaggi "
                          << tavolo.Dialoghi().mostrati.size();
            for (const auto& box : tavolo.Dialoghi().mostrati) {
                ADD_FAILURE() << box.testo.toStdString();
            }
            return false;
        }
    }
    return false;
}

} // namespace

// A whole game as the human, watched at every moment the loop pauses: each card played is
// on the table with the rest of its trick, alone with them, and the trick stays there for
// the pause after it; the next card comes only after the pause. Each pause is as long as the
// options say.
TEST(Pause, OgniCartaEOgniManoHannoLaLoroPausaNellOrdine) {
    constexpr int kGiocata = 40;
    constexpr int kMano = 60;
    TavoloDiProva tavolo(
        0, 21, QStringLiteral("AttesaGiocata=%1\r\nAttesaMano=%2\r\n").arg(kGiocata).arg(kMano));
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    int pauseCarta = 0;
    int pauseMano = 0;
    // One pause ends and the next begins in the same turn of the loop when no human is
    // asked in between: a pause is told from the next by the cards played.
    std::pair<Pausa, int> inCorso{Pausa::Nessuna, 0};
    QTimer osservatore;
    osservatore.setInterval(1);
    QObject::connect(&osservatore, &QTimer::timeout, [&] {
        const Pausa pausa = PausaInCorso(finestra);
        const int giocate = Registro().NumeroCarteGiocate();
        if (std::pair(pausa, giocate) == inCorso) {
            return;
        }
        inCorso = {pausa, giocate};
        if (pausa == Pausa::DopoCarta) {
            ++pauseCarta;
            EXPECT_EQ(finestra.Ciclo().DurataPausa(), kGiocata);
            EXPECT_EQ(CarteInTavola(finestra), UltimeGiocate((giocate - 1) % 5 + 1)) << giocate;
        } else if (pausa == Pausa::DopoMano) {
            ++pauseMano;
            EXPECT_EQ(finestra.Ciclo().DurataPausa(), kMano);
            EXPECT_EQ(CarteInTavola(finestra), UltimeGiocate(5)) << giocate;
        }
    });
    osservatore.start();
    GiocaFinche(tavolo, [] { return StoriaPartite().numeroPartite == 1; });
    osservatore.stop();
    EXPECT_EQ(pauseCarta, 40);
    EXPECT_EQ(pauseMano, 8);
    EXPECT_TRUE(CarteInTavola(finestra).empty()) << "the last trick is collected";
}

// Closing the window, "Nuova Partita" and loading a series, during the pause after a card
// and after a trick, each take effect at once.
TEST(Pause, ChiudereNuovaPartitaECaricareDuranteUnaPausaValgonoSubito) {
    enum class Azione { Chiudi, NuovaPartita, Carica };
    for (const Pausa pausa : {Pausa::DopoCarta, Pausa::DopoMano}) {
        for (const Azione azione : {Azione::Chiudi, Azione::NuovaPartita, Azione::Carica}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(pausa)) + " " +
                         std::to_string(static_cast<int>(azione)));
            CartellaTemporanea cartella;
            const QString file = QString::fromStdString(cartella.File("serie.bri"));
            TavoloDiProva tavolo(0, 40 + static_cast<int>(azione),
                                 QStringLiteral("AttesaGiocata=20\r\nAttesaMano=20\r\n"));
            TfrmBriscolaMain& finestra = tavolo.Finestra();
            TipoStoriaPartite salvata;
            if (azione == Azione::Carica) {
                // A series of one game on file, and a fresh one at the table.
                GiocaFinche(tavolo, [] { return StoriaPartite().numeroPartite == 1; });
                salvata = StoriaPartite();
                tavolo.Dialoghi().file = {file};
                finestra.AzioneSalvaPartita()->trigger();
                ASSERT_TRUE(tavolo.AttendiInattivo());
                tavolo.Dialoghi().risposte = {true};
                finestra.menuNuovaPartitaClick();
                ASSERT_EQ(StoriaPartite().numeroPartite, 0);
            }
            int giocate = -1;
            std::set<int> inTavola;
            // What must hold at once is checked in the pause's own turn of the event loop.
            ASSERT_TRUE(GiocaFinoAllaPausa(tavolo, pausa, [&] {
                giocate = Registro().NumeroCarteGiocate();
                inTavola = CarteInTavola(finestra);
                EXPECT_FALSE(inTavola.empty());
                tavolo.Dialoghi().mostrati.clear();
                switch (azione) {
                case Azione::Chiudi:
                    tavolo.Dialoghi().risposte = {true};
                    finestra.close();
                    EXPECT_FALSE(finestra.isVisible());
                    EXPECT_FALSE(finestra.Ciclo().InPausa());
                    break;
                case Azione::NuovaPartita:
                    tavolo.Dialoghi().risposte = {true};
                    finestra.menuNuovaPartitaClick();
                    EXPECT_FALSE(finestra.Ciclo().InPausa());
                    EXPECT_EQ(NumeroStato(finestra), 0);
                    EXPECT_EQ(StoriaPartite().numeroPartite, 0);
                    // What followed the pause is done: a collected trick has left the table.
                    if (pausa == Pausa::DopoMano) {
                        EXPECT_TRUE(CarteInTavola(finestra).empty());
                    }
                    break;
                case Azione::Carica:
                    tavolo.Dialoghi().file = {file};
                    finestra.AzioneCaricaPartita()->trigger();
                    EXPECT_TRUE(StoriaPartite() == salvata);
                    // The game under way stays as it is and its pause runs on.
                    EXPECT_TRUE(finestra.Ciclo().InPausa());
                    EXPECT_EQ(CarteInTavola(finestra), inTavola);
                    EXPECT_EQ(Registro().NumeroCarteGiocate(), giocate);
                    break;
                }
            }));

            switch (azione) {
            case Azione::Chiudi:
                ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1U);
                EXPECT_EQ(tavolo.Dialoghi().mostrati[0].testo,
                          QStringLiteral("Vuoi uscire dal gioco ?"));
                ASSERT_TRUE(AttendiCondizione([&] { return finestra.Ciclo().Terminato(); }));
                EXPECT_EQ(Registro().NumeroCarteGiocate(), giocate) << "played after the close";
                EXPECT_EQ(NumeroStato(finestra), 9);
                break;
            case Azione::NuovaPartita:
                ASSERT_TRUE(tavolo.AttendiInattivo());
                EXPECT_EQ(Registro().NumeroCarteGiocate(), 0);
                EXPECT_TRUE(CarteInTavola(finestra).empty());
                EXPECT_EQ(StoriaPartite().numeroPartite, 0);
                EXPECT_TRUE(finestra.SemaforoGioco().InCorso());
                break;
            case Azione::Carica:
                // The game goes on and scores into the loaded series.
                GiocaFinche(tavolo, [] { return StoriaPartite().numeroPartite == 2; });
                EXPECT_EQ(StoriaPartite().numeroPartite, 2);
                break;
            }
        }
    }
}

// A modal box opened during a pause holds the game: the pause does not end under it, and the
// game goes on once it is closed.
TEST(Pause, UnaFinestraModaleSospendeIlGioco) {
    TavoloDiProva tavolo(0, 9, QStringLiteral("AttesaGiocata=20\r\nAttesaMano=20\r\n"));
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    int giocate = -1;
    QDialog box(&finestra);
    box.setModal(true);
    ASSERT_TRUE(GiocaFinoAllaPausa(tavolo, Pausa::DopoCarta, [&] {
        giocate = Registro().NumeroCarteGiocate();
        box.show();
    }));
    QTest::qWait(200);
    EXPECT_TRUE(finestra.Ciclo().Attivo());
    EXPECT_EQ(Registro().NumeroCarteGiocate(), giocate);
    EXPECT_EQ(PausaInCorso(finestra), Pausa::DopoCarta);
    box.hide();
    ASSERT_TRUE(AttendiCondizione([&] { return PausaInCorso(finestra) != Pausa::DopoCarta; }));
    ASSERT_TRUE(tavolo.AttendiInattivo());
}

// "Nuova Partita" asked for from inside a step (the deal lets events through), with a new
// table of players due, waits until the step has returned: the step never runs on a game or
// a table replaced under it.
TEST(Pause, NuovaPartitaChiestaDentroUnPassoAspettaLaFineDelPasso) {
    TavoloDiProva tavolo(0, 14);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    const QString standard = finestra.TestoTipiGiocatori();
    tavolo.Dialoghi().risposte = {true};
    finestra.menuNuovaPartitaClick();
    // Due just after the loop's next step, the deal, which lets it run inside.
    bool nelPasso = false;
    const Partita* partitaNelPasso = nullptr;
    QTimer dentro;
    dentro.setSingleShot(true);
    QObject::connect(&dentro, &QTimer::timeout, [&] {
        nelPasso = finestra.Ciclo().InPasso();
        const Partita* prima = finestra.SemaforoGioco().PartitaCorrente();
        tavolo.Dialoghi().azioni.push_back([](QDialog& dialogo) {
            dynamic_cast<TfrmOpzioni&>(dialogo).chkEsperti->setChecked(true);
            return int{QDialog::Accepted};
        });
        finestra.AzioneOpzioni()->trigger();
        tavolo.Dialoghi().risposte = {true};
        finestra.menuNuovaPartitaClick();
        partitaNelPasso = finestra.SemaforoGioco().PartitaCorrente();
        EXPECT_EQ(partitaNelPasso, prima);
        EXPECT_EQ(finestra.TestoTipiGiocatori(), standard);
    });
    dentro.start(0);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    ASSERT_TRUE(nelPasso) << "the request did not come from inside a step";
    EXPECT_EQ(finestra.TestoTipiGiocatori().count(QStringLiteral("Esperto")), 4);
    EXPECT_EQ(Registro().NumeroCarteGiocate(), 0);
    EXPECT_EQ(NumeroStato(finestra), 1);
    GiocaFinche(tavolo, [] { return StoriaPartite().numeroPartite == 1; });
    EXPECT_EQ(StoriaPartite().numeroPartite, 1);
}
