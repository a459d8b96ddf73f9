// A whole game played by keys only, as a person without a mouse plays it.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>

#include <algorithm>

#include "finestre/CicloGioco.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/SegnoTastiera.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "motori/Semaforo.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

void Premi(TfrmBriscolaMain& finestra, Qt::Key tasto) {
    QTest::keyClick(&finestra, tasto);
}

// Moves the panel's mark with the right arrow until it is on comando; false if it never is.
bool SegnaSulPannello(TfrmBriscolaMain& finestra, const QWidget* comando) {
    for (int passo = 0; passo < 16; ++passo) {
        if (finestra.Licitazione()->Segnato() == comando) {
            return true;
        }
        Premi(finestra, Qt::Key_Right);
    }
    return false;
}

struct Conteggio {
    int ranghi = 0;
    int piu = 0;
    int passi = 0;
    int semi = 0;
    int carte = 0;
};

// Bids as the window's bidding test does, by keys: outbids with the weakest rank once, raises
// the Due's points to 80, passes otherwise.
void LicitaATasti(TfrmBriscolaMain& finestra, Conteggio& conta) {
    PanelLicitazione& panel = *finestra.Licitazione();
    ASSERT_TRUE(panel.isVisible());
    ASSERT_TRUE(panel.Attivo());
    // A digit during the auction is the panel's: it neither marks nor plays a card.
    Premi(finestra, Qt::Key_5);
    EXPECT_EQ(finestra.CartaSegnata(), nullptr);
    const Chiamata migliore = Registro().chiamata;
    Chiamata attesa = ChiamataPasso;
    if (migliore == ChiamataNulla || migliore.Punti == 60) {
        int scelto = -1;
        for (int v = 0; v < 10; ++v) {
            if (panel.EtichettaValore(v)->isVisible()) {
                scelto = v;
            }
        }
        if (scelto >= 0) {
            ASSERT_TRUE(SegnaSulPannello(finestra, panel.EtichettaValore(scelto)));
            attesa = Chiamata(scelto);
            Premi(finestra, Qt::Key_Return);
            ++conta.ranghi;
        }
    } else if (panel.Punti() < 80) {
        const int prima = panel.Punti();
        Premi(finestra, Qt::Key_Plus);
        Premi(finestra, Qt::Key_Plus);
        Premi(finestra, Qt::Key_Minus);
        ASSERT_EQ(panel.Punti(), prima + 1);
        ASSERT_TRUE(SegnaSulPannello(finestra, panel.EtichettaPunti()));
        if (conta.piu == 0) {
            SalvaSchermata(finestra, QStringLiteral("tasti-licitazione"));
        }
        attesa = Chiamata(prima + 1);
        Premi(finestra, Qt::Key_Enter);
        ++conta.piu;
    }
    if (attesa == ChiamataPasso) {
        Premi(finestra, Qt::Key_P);
        ++conta.passi;
    }
    ASSERT_TRUE(AttendiCondizione(
        [&] { return !finestra.Ciclo().Attivo() && !finestra.Ciclo().InPasso(); }));
    EXPECT_EQ(finestra.Pannello(kUmano).ChiamataMostrata().Valore, attesa.Valore);
}

// Plays the hand's first card by its digit, or the last one by the left arrow and Enter,
// turn by turn; the marked card is the one played.
void GiocaATasti(TfrmBriscolaMain& finestra, Conteggio& conta) {
    ASSERT_FALSE(ManoUmano().empty());
    const int carteGiocate = Registro().NumeroCarteGiocate();
    if (conta.carte % 2 == 0) {
        Premi(finestra, Qt::Key_1);
    } else {
        Premi(finestra, Qt::Key_Left);
    }
    const auto* segnata = qobject_cast<ImmagineCarta*>(finestra.CartaSegnata());
    ASSERT_NE(segnata, nullptr);
    // The mark is drawn around the card, above it.
    const auto segni =
        finestra.AreaTavolo()->findChildren<SegnoTastiera*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(segni.size(), 1);
    EXPECT_TRUE(segni.constFirst()->isVisible());
    EXPECT_TRUE(segni.constFirst()->geometry().contains(segnata->geometry()));
    const Carta attesa = Carta::DaIndice(segnata->Indice());
    if (conta.carte == 1) {
        SalvaSchermata(finestra, QStringLiteral("tasti-carta-segnata"));
    }
    if (conta.carte % 2 != 0) {
        Premi(finestra, Qt::Key_Return);
    }
    ++conta.carte;
    ASSERT_TRUE(AttendiCondizione([&] { return Registro().NumeroCarteGiocate() > carteGiocate; }));
    const std::vector<Carta> dopo = ManoUmano();
    EXPECT_EQ(std::find(dopo.begin(), dopo.end(), attesa), dopo.end());
}

} // namespace

TEST(Tastiera, UnaPartitaInteraGiocataSoloConITasti) {
    // Seed and face-down first trick in which the person wins the auction and names the trump.
    TavoloDiProva tavolo(0, 14);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    finestra.SemaforoGioco().ImpostaManoAlBuio(true);
    finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    QTest::keyClick(&finestra, Qt::Key_N, Qt::ControlModifier);
    Conteggio conta;
    for (;;) {
        ASSERT_TRUE(tavolo.AttendiInattivo());
        if (StoriaPartite().numeroPartite == 1) {
            break;
        }
        ASSERT_TRUE(finestra.SemaforoGioco().InCorso()) << "Ctrl+N started no game";
        switch (NumeroStato(finestra)) {
        case 1:
            LicitaATasti(finestra, conta);
            break;
        case 4: {
            // 3: the third suit from the left.
            Premi(finestra, Qt::Key_3);
            ++conta.semi;
            ASSERT_TRUE(AttendiCondizione([] { return Registro().briscola.Nominata(); }));
            EXPECT_EQ(Registro().briscola.Seme(), 2);
            break;
        }
        case 5:
            GiocaATasti(finestra, conta);
            break;
        default:
            FAIL() << "the loop waits in state " << NumeroStato(finestra);
        }
        ASSERT_FALSE(HasFatalFailure());
    }
    EXPECT_EQ(conta.carte, 8);
    // In this game the person outbids on points, by + and - and the counter marked by arrows.
    EXPECT_GT(conta.piu, 0);
    EXPECT_EQ(conta.semi, 1) << "the person should name the trump in this game";
    EXPECT_EQ(StoriaPartite().Chiamante(0), kUmano);

    // Info -> Tasti lists them.
    finestra.AzioneTasti()->trigger();
    ASSERT_FALSE(tavolo.Dialoghi().mostrati.empty());
    const auto& elenco = tavolo.Dialoghi().mostrati.back();
    EXPECT_EQ(elenco.titolo, QStringLiteral("Tasti"));
    for (const char* tasto : {"1 - 8", "Invio", "P\t", "+ -", "1 - 4"}) {
        EXPECT_TRUE(elenco.testo.contains(QString::fromUtf8(tasto))) << tasto;
    }
}

// A digit pressed in the pause after a trick the person has won marks a card and plays
// nothing: the card to lead is still to be chosen when the game asks for it.
TEST(Tastiera, UnaCartaSegnataPrimaDelTurnoNonSiGioca) {
    // A seed in which the person takes a trick before the last.
    TavoloDiProva tavolo(0, 4, QStringLiteral("AttesaGiocata=0\r\nAttesaMano=300\r\n"));
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    finestra.menuNuovaPartitaClick();
    int prove = 0;
    for (;;) {
        ASSERT_TRUE(tavolo.AttendiInattivo());
        if (StoriaPartite().numeroPartite > 0) {
            break;
        }
        if (NumeroStato(finestra) != 5) {
            DecidiComeUmano(finestra);
            continue;
        }
        // The person's card is asked for: play it, then wait for the trick to be complete.
        const std::size_t carte = ManoUmano().size();
        // The first trick the person takes shows the taken-trick picture, then pauses.
        const QWidget* presaMostrata = finestra.Pannello(kUmano).ImmaginePresa();
        const bool giaPresa = presaMostrata->isVisible();
        Premi(finestra, Qt::Key_1);
        const auto presa = [&] { return !giaPresa && presaMostrata->isVisible(); };
        ASSERT_TRUE(AttendiCondizione([&] {
            return presa() || (!finestra.Ciclo().Attivo() && !finestra.Ciclo().InPasso());
        }));
        if (presa() && carte > 1) {
            ++prove;
            Premi(finestra, Qt::Key_2);
            EXPECT_NE(finestra.CartaSegnata(), nullptr);
            ASSERT_TRUE(tavolo.AttendiInattivo());
            EXPECT_EQ(ManoUmano().size(), carte - 1)
                << "the card marked before the turn was played";
        }
    }
    EXPECT_EQ(prove, 1) << "the person should win a trick before the last in this game";
}
