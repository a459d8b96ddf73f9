// The captions as the window system shows them, not as Qt keeps them: the test runs itself
// again on a virtual X server and reads each window's name from the server with xprop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "finestre/Avvio.h"
#include "finestre/Dialoghi.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"

namespace {

const char* const kSuX = "PENTALUDO_TITOLI_SU_X";

// The name the X server holds for the window; "(nessuno)" when xprop gives none.
QString TitoloSulServer(QWidget& finestra) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(finestra.winId()),
                                          QStringLiteral("_NET_WM_NAME")});
    EXPECT_TRUE(xprop.waitForFinished(10000));
    const QString riga = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype inizio = riga.indexOf(QLatin1Char('"'));
    const qsizetype fine = riga.lastIndexOf(QLatin1Char('"'));
    return inizio >= 0 && fine > inizio ? riga.mid(inizio + 1, fine - inizio - 1)
                                        : QStringLiteral("(nessuno)");
}

} // namespace

TEST(Titoli, SulloSchermoSonoQuelliDelGioco) {
    if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty()) {
        GTEST_SKIP() << "needs xvfb-run and xprop (packages xvfb and x11-utils)";
    }
    QProcess figlio;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QString::fromLatin1(kSuX), QStringLiteral("1"));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    figlio.setProcessEnvironment(ambiente);
    figlio.setProcessChannelMode(QProcess::MergedChannels);
    figlio.start(QStringLiteral("xvfb-run"),
                 {QStringLiteral("-a"), QCoreApplication::applicationFilePath(),
                  QStringLiteral("--gtest_filter=TitoliSuX.*")});
    ASSERT_TRUE(figlio.waitForFinished(60000));
    const QString uscita = QString::fromUtf8(figlio.readAll());
    EXPECT_EQ(figlio.exitCode(), 0) << uscita.toStdString();
    EXPECT_TRUE(uscita.contains(QStringLiteral("[  PASSED  ] 1 test"))) << uscita.toStdString();
}

// Run by the test above, on the X server it starts.
TEST(TitoliSuX, LettiDalServer) {
    if (!qEnvironmentVariableIsSet(kSuX)) {
        GTEST_SKIP() << "run on an X server by Titoli.SulloSchermoSonoQuelliDelGioco";
    }
    ImpostaApplicazione();
    TavoloDiProva tavolo(0, 3);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_TRUE(finestra.windowTitle().startsWith(QStringLiteral("Pentaludo - Versione ")));
    EXPECT_EQ(TitoloSulServer(finestra).toStdString(), finestra.windowTitle().toStdString());

    TfrmOpzioni& opzioni = *finestra.findChild<TfrmOpzioni*>();
    opzioni.show();
    EXPECT_EQ(TitoloSulServer(opzioni).toStdString(), "Opzioni");
    opzioni.hide();

    // The message of the card pictures has an empty caption: it stays empty on the screen.
    ImpostaDialoghi(nullptr);
    QString vuoto = QStringLiteral("(non letto)");
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(AttendiCondizione([] { return QApplication::activeModalWidget() != nullptr; }));
        QWidget* box = QApplication::activeModalWidget();
        vuoto = TitoloSulServer(*box);
        box->close();
    });
    DialoghiCorrenti().Messaggio(&finestra, QString(), QStringLiteral("prova"),
                                 Dialoghi::Icona::Errore);
    EXPECT_TRUE(vuoto.trimmed().isEmpty()) << vuoto.toStdString();
}
