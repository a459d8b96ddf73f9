// The AI step window and the about box, alone and beside a game of tactical players.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "finestre/Avvio.h"
#include "finestre/CicloGioco.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmAboutBox.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmStato.h"
#include "ia/OsservatoreTattica.h"
#include "partita/RegistroPartita.h"

namespace {

QPushButton* Pulsante(const TfrmStato& stato, const char* nome) {
    return stato.findChild<QPushButton*>(QString::fromLatin1(nome));
}

class Stato : public ConStatoPulito {};

} // namespace

// The window asks for a decision to be held only with "Auto" up and the window shown, when
// the card chosen ends the decision; "Continua" of either page, or hiding the window, lets it
// go.
TEST_F(Stato, TrattieneSoloConAutoSuEFinestraVisibileFinoAContinua) {
    struct Caso {
        bool autoGiu;
        bool visibile;
        const char* continua; // null: the window is hidden
        bool trattiene;
    };
    for (const Caso& caso :
         {Caso{false, true, "cmdCont", true}, Caso{false, true, "cmdContDet", true},
          Caso{false, true, nullptr, true}, Caso{true, true, "cmdCont", false},
          Caso{false, false, "cmdCont", false}}) {
        SCOPED_TRACE(std::string(caso.continua != nullptr ? caso.continua : "hide") +
                     (caso.autoGiu ? " auto" : "") + (caso.visibile ? " visibile" : ""));
        TfrmStato stato(NomeDi);
        stato.ImpostaTavolo(&TavoloDelTest());
        int trattieni = 0;
        int continua = 0;
        QObject::connect(&stato, &TfrmStato::Trattieni, [&] { ++trattieni; });
        QObject::connect(&stato, &TfrmStato::Continua, [&] { ++continua; });
        Pulsante(stato, "cmdAuto")->setChecked(caso.autoGiu);
        stato.setVisible(caso.visibile);
        EXPECT_EQ(TavoloDelTest().osservatore, caso.visibile ? &stato : nullptr);
        stato.Schema("caaaA");
        stato.Giocatore(2);
        stato.Analisi("Chiamante ");
        stato.CarteMigliori("  1.00  2.00  3.00    -  Asso di Picche\n");
        EXPECT_EQ(trattieni, 0) << "asked before the card chosen";
        stato.CartaGiocata("Asso di Picche");
        EXPECT_EQ(trattieni, caso.trattiene ? 1 : 0);
        EXPECT_EQ(continua, 0);
        if (caso.continua != nullptr) {
            Pulsante(stato, caso.continua)->click();
        } else {
            stato.hide();
        }
        EXPECT_EQ(continua, caso.continua != nullptr || caso.visibile ? 1 : 0);
        stato.hide();
    }
    EXPECT_EQ(TavoloDelTest().osservatore, nullptr);
}

// A new game shows neither the last game's caller nor its partner: each appears once known.
TEST_F(Stato, ChiamanteESocioDellaPartitaPrimaNonRestanoEMostraLeMani) {
    TfrmStato stato(NomeDi);
    stato.ImpostaTavolo(&TavoloDelTest());
    stato.show();
    auto* chiamante = stato.findChild<QLineEdit*>(QStringLiteral("EditChiamante"));
    auto* socio = stato.findChild<QLineEdit*>(QStringLiteral("EditSocio"));
    chiamante->setText(QStringLiteral("prima"));
    socio->setText(QStringLiteral("prima"));
    RegistroPartita registro;
    registro.Distribuisci(TavoloDelTest().generatore);
    stato.MostraRegistro(registro);
    EXPECT_EQ(chiamante->text(), QString());
    EXPECT_EQ(socio->text(), QString());
    EXPECT_EQ(Testo(stato, "EditChiamata"), QString());
    EXPECT_EQ(Testo(stato, "EditNome3"), NomeDi(2));

    // After the deal both rows of seat 0 list its eight cards.
    const QStringList mano = Testo(stato, "Edit1").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EXPECT_EQ(mano.size(), 8);
    EXPECT_EQ(Testo(stato, "Edit1"), Testo(stato, "Edit6"));

    // A caller without a trump: the partner is not known yet.
    registro.chiamante = 2;
    registro.chiamata = Chiamata(kFante);
    stato.MostraRegistro(registro);
    EXPECT_EQ(chiamante->text(), NomeDi(2));
    EXPECT_EQ(socio->text(), QString());

    const Carta chiamata(kFante, kCuori);
    registro.briscola = Briscola(kCuori);
    registro.ImpostaTurno(0);
    const Carta giocata = registro.CartaInMano(0, 0);
    registro.RegistraGiocata(giocata);
    stato.MostraRegistro(registro);
    EXPECT_EQ(Testo(stato, "EditChiamata"), QString::fromStdString(chiamata.NomeLungo()));
    EXPECT_EQ(socio->text(), NomeDi(registro.Distribuzione(chiamata.Indice())));
    const QString breve = QString::fromStdString(giocata.NomeBreve());
    EXPECT_FALSE(Testo(stato, "Edit1").split(QLatin1Char(' ')).contains(breve));
    EXPECT_TRUE(Testo(stato, "Edit6").split(QLatin1Char(' ')).contains(breve));
    EXPECT_EQ(Testo(stato, "Edit1").split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 7);
}

// A series of five tactical players with the step window opened by F9 and "Auto" up: at each
// decision the loop holds, the step window shows the deciding player, the card chosen and
// the hands as they are, and nothing reaches the game until "Continua", which plays exactly
// that card. With "Auto" down the decisions go on at once. Closing the main window while a
// decision is held closes it at once and the held card is never played.
TEST(StatoInPartita, OgniDecisioneAttendeContinuaEChiusuraLaLascia) {
    TavoloDiProva tavolo(2, 11);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    TfrmStato stato(NomeDi, &finestra);
    TfrmAboutBox about(QString(), &finestra);
    finestra.ImpostaFinestreInfo(&about, &stato);
    ASSERT_TRUE(AttendiCondizione([&] { return tavolo.Avviato(); }));
    ASSERT_EQ(finestra.AzioneStatoIA()->shortcut(), QKeySequence(Qt::Key_F9));
    finestra.AzioneStatoIA()->trigger();
    ASSERT_TRUE(stato.isVisible());
    const CicloGioco& ciclo = finestra.Ciclo();
    auto* giocatore = stato.findChild<QGroupBox*>(QStringLiteral("grpGiocatore"));
    auto* cartaGiocata = stato.findChild<QLabel*>(QStringLiteral("txtCartaGiocata"));

    for (int decisione = 0; decisione < 6; ++decisione) {
        SCOPED_TRACE(decisione);
        ASSERT_TRUE(AttendiCondizione([&] { return ciclo.Trattenuto(); }));
        const int giocate = Registro().NumeroCarteGiocate();
        const int turno = Registro().turno;
        EXPECT_EQ(giocatore->title(), NomeDi(turno));
        const QString scelta = cartaGiocata->text();
        ASSERT_FALSE(scelta.isEmpty());
        // The hands as they are at this decision: the card chosen is still in the hand.
        QString breve;
        for (int k = 0; k < 8; ++k) {
            const Carta c = Registro().CartaInMano(turno, k);
            if (c.Definita() && QString::fromStdString(c.NomeLungo()) == scelta) {
                breve = QString::fromStdString(c.NomeBreve());
            }
        }
        ASSERT_FALSE(breve.isEmpty()) << "not in the hand: " << scelta.toStdString();
        EXPECT_TRUE(Testo(stato, qPrintable(QStringLiteral("Edit%1").arg(turno + 1)))
                        .split(QLatin1Char(' '))
                        .contains(breve));
        // Held: time passes, the game waits.
        QTest::qWait(30);
        EXPECT_TRUE(ciclo.Trattenuto());
        EXPECT_EQ(Registro().NumeroCarteGiocate(), giocate);
        if (decisione == 0) {
            SalvaSchermata(stato, QStringLiteral("stato"));
        }
        Pulsante(stato, decisione % 2 == 0 ? "cmdCont" : "cmdContDet")->click();
        ASSERT_TRUE(AttendiCondizione([&] { return Registro().NumeroCarteGiocate() > giocate; }));
        EXPECT_EQ(QString::fromStdString(Registro().CartaGiocata(giocate).NomeLungo()), scelta);
        EXPECT_EQ(Registro().ChiHaGiocato(Registro().CartaGiocata(giocate)), turno);
    }

    // "Auto" down: a whole trick and more goes by with no decision held.
    // A decision already held when "Auto" goes down still waits for its "Continua".
    Pulsante(stato, "cmdAuto")->click();
    if (ciclo.Trattenuto()) {
        Pulsante(stato, "cmdCont")->click();
    }
    const int primaDiAuto = Registro().NumeroCarteGiocate();
    bool trattenuta = false;
    ASSERT_TRUE(AttendiCondizione([&] {
        trattenuta = trattenuta || ciclo.Trattenuto();
        return trattenuta || Registro().NumeroCarteGiocate() >= primaDiAuto + 6 ||
               Registro().NumeroCarteGiocate() < primaDiAuto;
    }));
    EXPECT_FALSE(trattenuta);

    Pulsante(stato, "cmdAuto")->click();
    ASSERT_TRUE(AttendiCondizione([&] { return ciclo.Trattenuto(); }));
    const int giocate = Registro().NumeroCarteGiocate();
    tavolo.Dialoghi().risposte.push_back(true);
    finestra.close();
    EXPECT_FALSE(finestra.isVisible());
    EXPECT_FALSE(ciclo.Trattenuto());
    ASSERT_TRUE(AttendiCondizione([&] { return ciclo.Terminato(); }));
    EXPECT_EQ(Registro().NumeroCarteGiocate(), giocate);
    EXPECT_EQ(NumeroStato(finestra), 9);
}

TEST_F(Stato, InfoMostraLaFinestraEIlCollegamentoApreIlManuale) {
    TavoloDiProva tavolo(0, 3);
    const CartelleGioco cartelle = TrovaCartelleGioco(QStringLiteral(PENTALUDO_FINESTRE_BUILD));
    ASSERT_TRUE(QFileInfo(cartelle.manuale).isFile()) << cartelle.manuale.toStdString();
    TfrmAboutBox about(cartelle.manuale, &tavolo.Finestra());
    tavolo.Finestra().ImpostaFinestreInfo(&about, nullptr);
    std::vector<QUrl> aperti;
    about.ImpostaApertura([&](const QUrl& indirizzo) {
        aperti.push_back(indirizzo);
        return true;
    });
    tavolo.Dialoghi().azioni.push_back([&](QDialog& dialogo) {
        EXPECT_EQ(&dialogo, &about);
        QTest::mouseClick(about.Collegamento(), Qt::LeftButton);
        QTest::mouseClick(about.Immagine(), Qt::LeftButton);
        SalvaSchermata(dialogo, QStringLiteral("about"));
        return 1;
    });
    tavolo.Finestra().AzioneInfo()->trigger();
    EXPECT_TRUE(tavolo.Dialoghi().azioni.empty());
    ASSERT_EQ(aperti.size(), 2U);
    EXPECT_TRUE(aperti[0].isLocalFile());
    EXPECT_EQ(QFileInfo(aperti[0].toLocalFile()).canonicalFilePath(),
              QFileInfo(cartelle.manuale).canonicalFilePath());

    // A manual that is not there is reported, not opened.
    TfrmAboutBox senza(QStringLiteral("/nessuna/cartella/index.html"));
    senza.ImpostaApertura([&](const QUrl& indirizzo) {
        aperti.push_back(indirizzo);
        return true;
    });
    EXPECT_FALSE(senza.ApriManuale());
    EXPECT_EQ(aperti.size(), 2U);
    ASSERT_FALSE(tavolo.Dialoghi().mostrati.empty());
    EXPECT_TRUE(tavolo.Dialoghi().mostrati.back().testo.startsWith(
        QStringLiteral("Impossibile aprire il manuale")));
}
