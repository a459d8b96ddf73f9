// Start-up: the command line and the list of players.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "comune/Percorsi.h"
#include "comune/Testo.h"
#include "finestre/Avvio.h"
#include "finestre/FileOpzioni.h"
#include "finestre/RigaDiComando.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"

TEST(RigaDiComando, SceltaDeiGiocatoriEDelSeme) {
    struct Caso {
        QStringList argomenti;
        int tipo;
        std::uint32_t seme;
    };
    const std::vector<Caso> casi = {
        {{}, 0, 0},
        {{QStringLiteral("d2")}, 2, 0},
        {{QStringLiteral("xxd2yy")}, 2, 0},
        {{QStringLiteral("D4")}, 0, 0},
        {{QStringLiteral("D1"), QStringLiteral("D3")}, 3, 0},
        {{QStringLiteral("S12"), QStringLiteral("S34")}, 0, 1234},
        {{QStringLiteral("S")}, 0, 0},
        {{QStringLiteral("s7"), QStringLiteral("S")}, 0, 7},
        {{QStringLiteral("S5D1")}, 1, 5},
        {{QStringLiteral("D"), QStringLiteral("1")}, 0, 0},
        {{QStringLiteral("S99999999999")}, 0, static_cast<std::uint32_t>(99999999999ULL)},
    };
    for (const Caso& caso : casi) {
        const ArgomentiAvvio letti = LeggiRigaDiComando(caso.argomenti);
        EXPECT_EQ(letti.tipoGiocatori, caso.tipo) << caso.argomenti.join(' ').toStdString();
        EXPECT_EQ(letti.semeCasuale, caso.seme) << caso.argomenti.join(' ').toStdString();
    }
}

TEST(TipiDiGiocatori, F10MostraIlGiocatoreUmanoAlQuintoPosto) {
    TavoloDiProva tavolo(0, 1);
    ASSERT_TRUE(AttendiCondizione([&] { return tavolo.Avviato(); }));
    tavolo.Dialoghi().mostrati.clear();
    QTest::keyRelease(&tavolo.Finestra(), Qt::Key_F10);
    ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1u);
    const auto& box = tavolo.Dialoghi().mostrati.front();
    EXPECT_EQ(box.titolo, QStringLiteral("Tipi di Giocatori"));
    const QStringList righe = box.testo.split(QStringLiteral("\r\n"));
    ASSERT_EQ(righe.size(), 5);
    EXPECT_EQ(righe[4], QStringLiteral("GIOCATORE UMANO"));
    EXPECT_FALSE(box.testo.endsWith(QStringLiteral("\r\n")));
}

TEST(Avvio, SenzaRegoleUnMessaggioEUnoStatoDiErrore) {
    ConDialoghiFinti dialoghi;
    CartellaTemporanea vuota;
    const QString prima = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(vuota.Percorso().string())));
    ImpostaCartellaProgramma(QCoreApplication::applicationDirPath().toStdString());
    if (!TrovaFileDati("regole.OK.txt").empty()) {
        QDir::setCurrent(prima);
        GTEST_SKIP() << "regole.OK.txt is installed on this machine";
    }
    const int esito = AvviaGioco({});
    QDir::setCurrent(prima);
    AzzeraStatoGlobale();
    EXPECT_NE(esito, 0);
    ASSERT_EQ(dialoghi->mostrati.size(), 1u);
    EXPECT_TRUE(dialoghi->mostrati[0].testo.contains(QStringLiteral("regole.OK.txt")));
    EXPECT_EQ(dialoghi->mostrati[0].icona, Dialoghi::Icona::Errore);
}

TEST(Avvio, IlFileDelleOpzioniStaAccantoAlProgrammaSoloSeLoAccompagnaIlGioco) {
    CartellaTemporanea cartella;
    const QString radice = QString::fromStdString(cartella.Percorso().string());
    const QByteArray configurazionePrima = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (radice + QStringLiteral("/config")).toUtf8());
    const QString portatile = radice + QStringLiteral("/portatile");
    const QString installato = radice + QStringLiteral("/prefisso/bin");
    QDir().mkpath(portatile + QStringLiteral("/Carte"));
    QDir().mkpath(installato);

    EXPECT_EQ(TrovaCartelleGioco(portatile).fileOpzioni,
              portatile + QStringLiteral("/BriscolaChiamata.ini"));
    EXPECT_EQ(TrovaCartelleGioco(portatile).carte, portatile + QStringLiteral("/Carte"));
    EXPECT_EQ(TrovaCartelleGioco(installato).fileOpzioni,
              radice + QStringLiteral("/config/pentaludo/BriscolaChiamata.ini"));
    EXPECT_TRUE(QFileInfo(radice + QStringLiteral("/config/pentaludo")).isDir());
    qputenv("XDG_CONFIG_HOME", configurazionePrima);
}

// Ending the program writes the options, even when nobody opened them.
TEST(Avvio, AllaChiusuraLeOpzioniSonoScritte) {
    ConDialoghiFinti dialoghi;
    CartellaTemporanea cartella;
    const QByteArray configurazionePrima = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(cartella.Percorso().string()));
    const QString fileOpzioni =
        TrovaCartelleGioco(QCoreApplication::applicationDirPath()).fileOpzioni;
    if (!fileOpzioni.startsWith(QString::fromStdString(cartella.Percorso().string()))) {
        qputenv("XDG_CONFIG_HOME", configurazionePrima);
        GTEST_SKIP() << "the options of this build live beside the test program";
    }
    // The rules file is looked for in the current folder first.
    const QString prima = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral(PENTALUDO_DATI_SORGENTE)));
    dialoghi->risposte = {true};
    bool chiusa = false;
    QTimer::singleShot(200, [&] {
        for (QWidget* finestra : QApplication::topLevelWidgets()) {
            if (qobject_cast<TfrmBriscolaMain*>(finestra) != nullptr && finestra->isVisible()) {
                chiusa = finestra->close();
            }
        }
    });
    // Whatever happens, the test does not wait for ever.
    QTimer::singleShot(20000, [] { QApplication::quit(); });
    const int esito = AvviaGioco({});
    QDir::setCurrent(prima);
    qputenv("XDG_CONFIG_HOME", configurazionePrima);
    AzzeraStatoGlobale();
    EXPECT_EQ(esito, 0);
    EXPECT_TRUE(chiusa);
    ASSERT_FALSE(dialoghi->mostrati.empty()) << "the question before closing";
    EXPECT_EQ(dialoghi->mostrati.back().testo, QStringLiteral("Vuoi uscire dal gioco ?"));
    EXPECT_EQ(LeggiFile(QFile::encodeName(fileOpzioni).toStdString()),
              ScriviOpzioni(ValoriOpzioni()));
}
