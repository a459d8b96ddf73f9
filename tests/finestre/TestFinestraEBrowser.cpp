// One table with a seat in the window and one in a browser page: the window hosts and plays its
// seat here; the browser side is driven from outside (tests/browser/prova_finestra.py).

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTest>

#include "finestre/AiutiGiocoInRete.h"

// The window hosts and plays seat 0 by clicking; a browser, driven from outside this process
// (tests/browser), joins by the link the room copies and plays another seat from the page.
// Skipped unless PENTALUDO_LINK_BROWSER names the file through which the two sides talk: the
// window writes the link into it, then its result once the game is over, and waits for the
// browser to leave after comparing it with the page's.
TEST(GiocoInRete, UnaFinestraEUnBrowserAlloStessoTavolo) {
    const QString file = qEnvironmentVariable("PENTALUDO_LINK_BROWSER");
    if (file.isEmpty()) {
        GTEST_SKIP() << "nessun browser al tavolo (PENTALUDO_LINK_BROWSER)";
    }
    DatiDelTest dati;
    TavoloDiProva tavolo(0, 13, kOpzioniOspite);
    TfrmBriscolaMain& a = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    GiocaInRete(tavolo.Dialoghi(), a, [](FinestraGiocaInRete& d) {
        d.CampoTempoTurno()->setValue(0);
        Clic(d.PulsanteOspita());
    });
    ASSERT_NE(a.Remota(), nullptr);
    ASSERT_TRUE(
        AttendiCondizione([&] { return !a.Remota()->Cliente().Indirizzo().codice.isEmpty(); }));
    Siedi(a, 0);
    // The link as a person gets it: the room's button puts it on the clipboard.
    ASSERT_TRUE(AttendiCondizione([&] { return a.Lobby()->PulsanteCopia()->isEnabled(); }));
    QApplication::clipboard()->clear();
    Clic(a.Lobby()->PulsanteCopia());
    const QString link = QApplication::clipboard()->text();
    ASSERT_TRUE(link.startsWith(QStringLiteral("http://"))) << link.toStdString();
    ASSERT_TRUE(link.endsWith(QLatin1Char('#') + a.Remota()->Cliente().Indirizzo().codice))
        << link.toStdString();
    QFile canale(file);
    const auto scrivi = [&](const QString& righe) {
        ASSERT_TRUE(canale.open(QIODevice::Append | QIODevice::Text));
        canale.write(righe.toUtf8());
        canale.close();
    };
    scrivi(QStringLiteral("link %1\n").arg(link));

    int browser = -1;
    // Waits for the browser, which starts outside this process: with pauses, so as not to take
    // the processor from it.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (int s = 1; s < 5; ++s) {
                browser = Vista(a).posti[s].persona ? s : browser;
            }
            return browser > 0;
        },
        120000));
    a.Lobby()->Aggiorna();
    EXPECT_TRUE(
        a.Lobby()->EtichettaPosto(browser)->text().startsWith(Vista(a).posti[browser].nome));
    Clic(a.Lobby()->PulsanteComincia());
    ASSERT_TRUE(GiocaFinche(
        {&a},
        [&] { return Vista(a).inPartita && Vista(a).partita.tavola.size() >= 2 && Inattiva(a); },
        120000));
    SalvaSchermata(a, QStringLiteral("rete-finestra-con-browser"));
    ASSERT_TRUE(GiocaFinche(
        {&a}, [&] { return a.TavoloGioco().Stato().storia.numeroPartite == 1; }, 180000));

    // The window's result as it shows it: the end-of-game box, and its score panel's totals put
    // back in the table's seat order.
    QString fine;
    for (const auto& box : tavolo.Dialoghi().mostrati) {
        EXPECT_NE(box.titolo, QStringLiteral("Briscola Chiamata")) << box.testo.toStdString();
        if (box.titolo == QStringLiteral("Fine Partita")) {
            EXPECT_TRUE(fine.isEmpty()) << "la fine della partita detta due volte";
            fine = box.testo;
        }
    }
    ASSERT_FALSE(fine.isEmpty());
    QStringList totali;
    for (int s = 0; s < 5; ++s) {
        totali << a.Punti().lblPunti(a.Remota()->Locale(s))->text();
        EXPECT_EQ(totali.back(), QString::number(Vista(a).serie.totali[s])) << s;
    }
    scrivi(QStringLiteral("posto 0\nfine %1\ntotali %2\n").arg(fine, totali.join(' ')));
    // The browser compares and leaves: the table must hold until it has read the page.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Vista(a).posti[browser].connesso; }, 120000));
}
