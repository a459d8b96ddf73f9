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

QString NomeDi(int giocatore) {
    return QStringLiteral("Nome%1").arg(giocatore);
}

QString Testo(const TfrmStato& stato, const char* nome) {
    const auto* casella = stato.findChild<QLineEdit*>(QString::fromLatin1(nome));
    return casella != nullptr ? casella->text() : QStringLiteral("(manca)");
}

QPushButton* Pulsante(const TfrmStato& stato, const char* nome) {
    return stato.findChild<QPushButton*>(QString::fromLatin1(nome));
}

class Stato : public ConStatoPulito {};

} // namespace

// Attendi holds only with "Auto" up and the window shown. A zero-length timer, which can only
// run once Attendi processes events, records whether the decision was held and presses
// "Continua" (of either page) or hides the window: a decision that does not wait returns
// before the timer runs.
TEST_F(Stato, AttendeSoloConAutoSuEFinestraVisibileFinoAContinua) {
    struct Caso {
        bool autoGiu;
        bool visibile;
        const char* continua;
        bool attende;
    };
    for (const Caso& caso :
         {Caso{false, true, "cmdCont", true}, Caso{false, true, "cmdContDet", true},
          Caso{true, true, "cmdCont", false}, Caso{false, false, "cmdCont", false}}) {
        TfrmStato stato(NomeDi);
        stato.ImpostaTavolo(&TavoloDelTest());
        Pulsante(stato, "cmdAuto")->setChecked(caso.autoGiu);
        stato.setVisible(caso.visibile);
        EXPECT_EQ(TavoloDelTest().osservatore, caso.visibile ? &stato : nullptr);
        bool trattenuta = false;
        QTimer::singleShot(0, &stato, [&] {
            trattenuta = stato.InAttesa();
            if (caso.continua != nullptr) {
                Pulsante(stato, caso.continua)->click();
            } else {
                stato.hide();
            }
        });
        stato.Attendi();
        EXPECT_EQ(trattenuta, caso.attende)
            << (caso.continua != nullptr ? caso.continua : "hide") << caso.autoGiu << caso.visibile;
        EXPECT_FALSE(stato.InAttesa());
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(TavoloDelTest().osservatore, nullptr);
}

TEST_F(Stato, ChiamanteESocioRestanoFinoAChiamataEMostraLeMani) {
    TfrmStato stato(NomeDi);
    stato.ImpostaTavolo(&TavoloDelTest());
    auto* chiamante = stato.findChild<QLineEdit*>(QStringLiteral("EditChiamante"));
    auto* socio = stato.findChild<QLineEdit*>(QStringLiteral("EditSocio"));
    chiamante->setText(QStringLiteral("prima"));
    socio->setText(QStringLiteral("prima"));
    RegistroPartita& registro = Registro();
    registro.Distribuisci(TavoloDelTest().generatore);
    stato.TimerTimer();
    EXPECT_EQ(chiamante->text(), QStringLiteral("prima"));
    EXPECT_EQ(socio->text(), QStringLiteral("prima"));
    EXPECT_EQ(Testo(stato, "EditChiamata"), QString());
    EXPECT_EQ(Testo(stato, "EditNome3"), NomeDi(2));

    // After the deal both rows of seat 0 list its eight cards.
    const QStringList mano = Testo(stato, "Edit1").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EXPECT_EQ(mano.size(), 8);
    EXPECT_EQ(Testo(stato, "Edit1"), Testo(stato, "Edit6"));

    // A caller without a trump: the partner is not known yet.
    registro.chiamante = 2;
    registro.chiamata = Chiamata(kFante);
    stato.TimerTimer();
    EXPECT_EQ(chiamante->text(), NomeDi(2));
    EXPECT_EQ(socio->text(), QStringLiteral("prima"));

    const Carta chiamata(kFante, kCuori);
    registro.briscola = Briscola(kCuori);
    registro.ImpostaTurno(0);
    const Carta giocata = registro.CartaInMano(0, 0);
    registro.RegistraGiocata(giocata);
    stato.TimerTimer();
    EXPECT_EQ(Testo(stato, "EditChiamata"), QString::fromStdString(chiamata.NomeLungo()));
    EXPECT_EQ(socio->text(), NomeDi(registro.Distribuzione(chiamata.Indice())));
    const QString breve = QString::fromStdString(giocata.NomeBreve());
    EXPECT_FALSE(Testo(stato, "Edit1").split(QLatin1Char(' ')).contains(breve));
    EXPECT_TRUE(Testo(stato, "Edit6").split(QLatin1Char(' ')).contains(breve));
    EXPECT_EQ(Testo(stato, "Edit1").split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 7);
}

// A series of five tactical players with the step window opened by F9 and "Auto" up: each
// held decision shows the deciding player and the card chosen, and "Continua" plays exactly
// that card. Closing the main window while a decision is held ends the series cleanly. The
// held decisions are answered from a timer, as a user would: the test body cannot run while
// a decision holds the event loop below it.
TEST(StatoInPartita, OgniDecisioneAttendeContinuaEChiusuraLaRilascia) {
    TavoloDiProva tavolo(2, 11);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    TfrmStato stato(NomeDi, &finestra);
    TfrmAboutBox about(QString(), &finestra);
    finestra.ImpostaFinestreInfo(&about, &stato);
    ASSERT_TRUE(AttendiCondizione([&] { return tavolo.Avviato(); }));
    ASSERT_EQ(finestra.AzioneStatoIA()->shortcut(), QKeySequence(Qt::Key_F9));
    finestra.AzioneStatoIA()->trigger();
    ASSERT_TRUE(stato.isVisible());

    struct Decisione {
        int giocate;
        bool inPasso;
        QString giocatore;
        QString atteso;
        QString scelta;
    };
    std::vector<Decisione> decisioni;
    std::vector<QString> giocate;
    auto* giocatore = stato.findChild<QGroupBox*>(QStringLiteral("grpGiocatore"));
    auto* cartaGiocata = stato.findChild<QLabel*>(QStringLiteral("txtCartaGiocata"));
    bool chiusa = false;
    QTimer utente;
    utente.setInterval(1);
    QObject::connect(&utente, &QTimer::timeout, [&] {
        if (!stato.InAttesa() || chiusa) {
            return;
        }
        if (!decisioni.empty()) {
            const int prima = decisioni.back().giocate;
            if (Registro().NumeroCarteGiocate() == prima) {
                return; // still the same decision
            }
            giocate.push_back(QString::fromStdString(Registro().CartaGiocata(prima).NomeLungo()));
        }
        decisioni.push_back({Registro().NumeroCarteGiocate(), finestra.Ciclo().InPasso(),
                             giocatore->title(), NomeDi(Registro().turno), cartaGiocata->text()});
        if (decisioni.size() < 6) {
            Pulsante(stato, "cmdCont")->click();
            return;
        }
        SalvaSchermata(stato, QStringLiteral("stato"));
        chiusa = true;
        tavolo.Dialoghi().risposte.push_back(true);
        finestra.close();
    });
    utente.start();
    ASSERT_TRUE(AttendiCondizione([&] { return finestra.Ciclo().Terminato(); }));
    utente.stop();
    EXPECT_FALSE(stato.InAttesa());
    EXPECT_FALSE(finestra.isVisible());
    ASSERT_EQ(decisioni.size(), 6U);
    ASSERT_EQ(giocate.size(), 5U);
    for (std::size_t i = 0; i < decisioni.size(); ++i) {
        EXPECT_TRUE(decisioni[i].inPasso);
        EXPECT_EQ(decisioni[i].giocatore, decisioni[i].atteso);
        EXPECT_FALSE(decisioni[i].scelta.isEmpty());
        if (i < giocate.size()) {
            EXPECT_EQ(giocate[i], decisioni[i].scelta) << i;
            EXPECT_EQ(decisioni[i + 1].giocate, decisioni[i].giocate + 1);
        }
    }
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
