// Network tables from the window: two real main windows in one process, one hosting the table
// with the server code inside it, one joining by the link, play through real sockets on the
// loopback address, each clicking its own widgets and seeing its own seat at seat 4's place.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QWebSocket>
#include <QWebSocketServer>

#include "finestre/AiutiGiocoInRete.h"
#include "finestre/CicloGioco.h"
#include "finestre/FinestraGiocaInRete.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/LobbyTavolo.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/PanelPunti.h"
#include "finestre/TavolaRemota.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "motori/Tavolo.h"
#include "partita/TipoStoriaPartite.h"
#include "rete/ServerLocale.h"

namespace {
void GiocaUnaPartita(bool alBuio);
} // namespace

// Anna hosts at seat 1, Bruno joins at seat 3: both play a whole game with three computers
// by clicking, each at seat 4's place, and each window's score panel ends with the table's
// totals, turned to its own places.
TEST(GiocoInRete, DueFinestreGiocanoUnaPartitaIntieraOgnunaAlPostoQuattro) {
    for (const bool alBuio : {false, true}) {
        SCOPED_TRACE(alBuio ? "prima mano al buio" : "prima mano scoperta");
        GiocaUnaPartita(alBuio);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

namespace {

void GiocaUnaPartita(bool alBuio) {
    TavoloInRete tavolo;
    tavolo.Siedono(1, 3, !alBuio, alBuio);
    TfrmBriscolaMain& a = tavolo.a;
    TfrmBriscolaMain& b = tavolo.b;
    ASSERT_TRUE(GiocaFinche({&a, &b}, [&] {
        return Vista(b).partita.numero == 0 && Vista(b).partita.tavola.size() >= 2 &&
               Vista(b).partita.tavola.size() < 5 && Inattiva(b);
    }));
    // Seen from seat 3: Bruno at the rightmost place, Anna (seat 1) three places to the left.
    EXPECT_EQ(b.Remota()->Locale(3), 4);
    EXPECT_EQ(b.Remota()->Locale(1), 2);
    EXPECT_TRUE(Intero(b.Pannello(4).EtichettaNome()).contains(QStringLiteral("Bruno")));
    EXPECT_TRUE(Intero(b.Pannello(2).EtichettaNome()).contains(QStringLiteral("Anna")));
    EXPECT_TRUE(Intero(a.Pannello(4).EtichettaNome()).contains(QStringLiteral("Anna")));
    for (QLabel* nome : {a.Pannello(1).EtichettaNome(), a.Lobby()->EtichettaPosto(3)}) {
        EXPECT_TRUE(Intero(nome).contains(QStringLiteral("<i>Bruno</i>")))
            << Intero(nome).toStdString();
        EXPECT_EQ(nome->textFormat(), Qt::PlainText);
    }
    // The score list names every seat in its heading's tooltips, Bruno's as he typed it.
    const QTreeWidgetItem* testa = a.Punti().ListPunti()->headerItem();
    int colonneBruno = 0;
    for (int c = 0; c < testa->columnCount(); ++c) {
        if (testa->text(c).contains(QStringLiteral("<i>Bruno</i>"))) {
            ++colonneBruno;
            EXPECT_EQ(Mostrato(testa->toolTip(c)).toStdString(), testa->text(c).toStdString());
        }
    }
    EXPECT_EQ(colonneBruno, 1);
    // Seen from seat 1: Bruno (seat 3) at the second place.
    EXPECT_TRUE(Intero(a.Pannello(1).EtichettaNome()).contains(QStringLiteral("Bruno")));
    EXPECT_EQ(a.Pannello(0).EtichettaNome()->text(), QStringLiteral("Computer"));
    if (!alBuio) {
        SalvaSchermata(b, QStringLiteral("rete-tavolo-dal-posto-3"));
    }
    // Nothing that shows another seat's cards, nor the window's own series.
    EXPECT_FALSE(a.AzioneStatoIA()->isEnabled());
    EXPECT_FALSE(b.AzioneStatoIA()->isEnabled());
    EXPECT_FALSE(b.AzioneCaricaPartita()->isEnabled());

    ASSERT_TRUE(GiocaFinche({&a, &b}, [&] {
        return a.TavoloGioco().Stato().storia.numeroPartite == 1 &&
               b.TavoloGioco().Stato().storia.numeroPartite == 1;
    }));
    for (TfrmBriscolaMain* f : {&a, &b}) {
        const VistaTavolo& vista = Vista(*f);
        const TipoStoriaPartite& storia = f->TavoloGioco().Stato().storia;
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(storia.Totale(f->Remota()->Locale(s)), vista.serie.totali[s]) << s;
        }
    }
    // Either seat saves the same series, in the table's own seat order.
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(a.Remota()->StoriaTavolo().Totale(s), Vista(a).serie.totali[s]) << s;
    }
    CartellaTemporanea cartella;
    const QString fileA = QString::fromStdString(cartella.File("anna.bri"));
    const QString fileB = QString::fromStdString(cartella.File("bruno.bri"));
    tavolo.ospitante.Dialoghi().file.push_back(fileA);
    a.menuSalvaPartitaClick();
    tavolo.ospitante.Dialoghi().file.push_back(fileB);
    b.menuSalvaPartitaClick();
    QFile serieA(fileA);
    QFile serieB(fileB);
    ASSERT_TRUE(serieA.open(QIODevice::ReadOnly));
    ASSERT_TRUE(serieB.open(QIODevice::ReadOnly));
    const QByteArray byteA = serieA.readAll();
    EXPECT_GT(byteA.size(), 0);
    EXPECT_EQ(byteA, serieB.readAll());
    // The end of the game was told once in each window, and nothing went wrong.
    int fini = 0;
    for (const auto& box : tavolo.ospitante.Dialoghi().mostrati) {
        fini += box.titolo == QStringLiteral("Fine Partita") ? 1 : 0;
        EXPECT_NE(box.titolo, QStringLiteral("Briscola Chiamata")) << box.testo.toStdString();
    }
    EXPECT_EQ(fini, 2);
}

} // namespace

// In the second game Bruno's window leaves with his card on the table; the computer plays his
// seat meanwhile, and "Rientra al tavolo" puts him back in it, with the hand the table left
// him, to play on. His score panel then holds the whole series, the game before his return
// included, as the server and Anna's window count it; his window, which did not see that game
// whole, will not save the series as if it had.
TEST(GiocoInRete, RientraAlTavoloAMetaPresa) {
    TavoloInRete tavolo;
    tavolo.Siedono(0, 2);
    TfrmBriscolaMain& a = tavolo.a;
    TfrmBriscolaMain& b = tavolo.b;
    // Mid-trick is where Anna (seat 0) plays fourth or fifth, which a deal may not give in its
    // first game: any game will do.
    ASSERT_TRUE(GiocaFinche({&a, &b}, [&] {
        const PartitaVista& p = Vista(b).partita;
        return p.prese[0] + p.prese[1] + p.prese[2] + p.prese[3] + p.prese[4] >= 1 &&
               p.tavola.size() >= 3 && p.tavola.size() < 5 && Inattiva(b);
    }));
    b.LasciaTavolo();
    ASSERT_EQ(b.Remota(), nullptr);
    // Anna plays on; Bruno's seat is the computer's until he is back.
    ASSERT_TRUE(GiocaFinche({&a}, [&] { return !Vista(a).posti[2].connesso; }));

    GiocaInRete(tavolo.ospitante.Dialoghi(), b, [](FinestraGiocaInRete& d) {
        ASSERT_TRUE(d.PulsanteRientra()->isEnabled());
        Clic(d.PulsanteRientra());
    });
    ASSERT_NE(b.Remota(), nullptr);
    ASSERT_TRUE(AttendiCondizione([&] { return Vista(b).posto == 2 && Vista(b).inPartita; }));
    ASSERT_TRUE(AttendiCondizione([&] { return b.Remota()->SenzaPassi() || Inattiva(b); }));
    ASSERT_TRUE(AttendiCondizione([&] { return Inattiva(b); }));
    // His hand is back at the bottom of his window, every card of it.
    for (const Carta& c : Vista(b).partita.mano) {
        EXPECT_TRUE(b.Immagine(c.Indice())->isVisible()) << c.Indice();
    }
    EXPECT_TRUE(Vista(a).posti[2].connesso);
    // The game he came back to; under load it may have ended while he was away.
    const int numero = Vista(b).partita.numero;
    ASSERT_TRUE(GiocaFinche({&a, &b}, [&] {
        return Vista(a).serie.partite > numero && Vista(b).serie.partite > numero;
    }));
    EXPECT_EQ(Vista(a).serie.totali, Vista(b).serie.totali);
    ASSERT_TRUE(AttendiCondizione([&] { return Inattiva(a) && Inattiva(b); }));
    for (TfrmBriscolaMain* f : {&a, &b}) {
        const SerieVista& serie = Vista(*f).serie;
        ASSERT_EQ(serie.partite, numero + 1);
        EXPECT_EQ(f->Punti().ListPunti()->topLevelItemCount(), numero + 1);
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(f->Punti().lblPunti(f->Remota()->Locale(s))->text(),
                      QString::number(serie.totali[static_cast<std::size_t>(s)]))
                << s;
        }
    }
    for (const auto& box : tavolo.ospitante.Dialoghi().mostrati) {
        EXPECT_NE(box.titolo, QStringLiteral("Briscola Chiamata")) << box.testo.toStdString();
    }
    // Anna saw both games whole and saves them; Bruno is told why he cannot.
    CartellaTemporanea cartella;
    const QString fileA = QString::fromStdString(cartella.File("anna.bri"));
    const QString fileB = QString::fromStdString(cartella.File("bruno.bri"));
    tavolo.ospitante.Dialoghi().file.push_back(fileA);
    a.menuSalvaPartitaClick();
    TipoStoriaPartite salvata;
    ASSERT_TRUE(salvata.Carica(fileA.toStdString()));
    EXPECT_EQ(salvata.numeroPartite, numero + 1);
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(salvata.Totale(s), Vista(a).serie.totali[static_cast<std::size_t>(s)]) << s;
    }
    const std::size_t prima = tavolo.ospitante.Dialoghi().mostrati.size();
    tavolo.ospitante.Dialoghi().file.push_back(fileB);
    b.menuSalvaPartitaClick();
    EXPECT_FALSE(QFileInfo::exists(fileB));
    ASSERT_EQ(tavolo.ospitante.Dialoghi().mostrati.size(), prima + 1);
    EXPECT_TRUE(tavolo.ospitante.Dialoghi().mostrati.back().testo.contains(QStringLiteral(".bri")));
}

namespace {

// A server of another kind on the loopback address: answers the first message with the text
// given, then, if asked, drops the connection.
struct ServerFinto {
    QWebSocketServer server{QStringLiteral("finto"), QWebSocketServer::NonSecureMode};
    std::vector<std::unique_ptr<QWebSocket>> socket;
    ServerFinto(const QString& risposta, bool chiudi) {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QWebSocketServer::newConnection, &server, [=, this] {
            socket.emplace_back(server.nextPendingConnection());
            QWebSocket* s = socket.back().get();
            QObject::connect(s, &QWebSocket::textMessageReceived, s, [=](const QString&) {
                s->sendTextMessage(risposta);
                if (chiudi) {
                    s->abort();
                }
            });
        });
    }
    QString Server() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }
};

} // namespace

// Each way of not reaching a table, or of losing it, is told once in its own words; the window
// is then back to its own table, and "Nuova Partita" starts a game against the computer.
TEST(GiocoInRete, OgniErroreSiDiceUnaVoltaELaFinestraRestaUsabile) {
    DatiDelTest dati;
    TavoloDiProva tavolo(0, 5);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());

    OpzioniSala sala;
    ServerLocale server(sala, 0);
    const QString locale = QStringLiteral("127.0.0.1:%1").arg(server.Porta());
    // A table whose five seats are held by people.
    std::vector<std::unique_ptr<ClienteTavolo>> seduti;
    QString pieno;
    for (int s = 0; s < 5; ++s) {
        seduti.push_back(std::make_unique<ClienteTavolo>());
        if (s == 0) {
            seduti[0]->Crea({QStringLiteral("127.0.0.1"), server.Porta(), false, {}},
                            ImpostazioniTavolo{QStringLiteral("Pieno")});
            ASSERT_TRUE(AttendiCondizione([&] { return !seduti[0]->Vista().codice.isEmpty(); }));
            pieno = seduti[0]->Vista().codice;
        } else {
            seduti[s]->Unisciti({QStringLiteral("127.0.0.1"), server.Porta(), false, pieno});
            ASSERT_TRUE(AttendiCondizione([&] { return !seduti[s]->Vista().codice.isEmpty(); }));
        }
        seduti[s]->Siedi(s, QStringLiteral("P%1").arg(s));
        ASSERT_TRUE(AttendiCondizione([&] { return seduti[s]->Vista().posto == s; }));
    }
    quint16 chiusa = 0;
    {
        ServerLocale spento(sala, 0);
        chiusa = spento.Porta();
    }
    ServerFinto versione(
        QStringLiteral(R"({"tipo":"errore","codice":"versione","messaggio":"Versione 2"})"), false);
    ServerFinto caduto(QStringLiteral(R"({"tipo":"benvenuto","versione":1})"), true);

    struct Caso {
        QString server;
        QString codice;
        QString atteso;
    };
    const std::vector<Caso> casi = {
        {QStringLiteral("127.0.0.1:%1").arg(chiusa), "abcdef", "non risponde"},
        {locale, "NessunTavolo", "nessun tavolo con il codice NessunTavolo"},
        {locale, pieno, "al completo"},
        {versione.Server(), "abcdef", "un'altra versione"},
        {caduto.Server(), "abcdef", "si è interrotta"},
        {"ftp://dove", "", "Collegamento non valido"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.atteso.toStdString());
        tavolo.Dialoghi().mostrati.clear();
        GiocaInRete(tavolo.Dialoghi(), finestra, [&](FinestraGiocaInRete& d) {
            d.CampoServer()->setText(caso.server);
            d.CampoCodice()->setText(caso.codice);
            Clic(d.PulsanteUnisciti());
        });
        ASSERT_TRUE(AttendiCondizione([&] { return finestra.Remota() == nullptr; }, 8000));
        QTest::qWait(100);
        ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1u);
        EXPECT_TRUE(tavolo.Dialoghi().mostrati[0].testo.contains(caso.atteso))
            << tavolo.Dialoghi().mostrati[0].testo.toStdString();
        EXPECT_TRUE(finestra.AzioneStatoIA()->isEnabled());
    }
    // Back to a game against the computer.
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_TRUE(finestra.SemaforoGioco().InCorso());
    EXPECT_FALSE(finestra.InRete());
    // The panels show the options' names again, not the table's.
    EXPECT_FALSE(finestra.Pannello(4).EtichettaNome()->text().startsWith(QStringLiteral("•")));
}

// Closing the game on the hosting machine asks first, then saves the table as the server does
// when it stops and tells the others; started again, its "Rientra" hosts the table again.
TEST(GiocoInRete, ChiudereIlGiocoOspitanteSalvaIlTavoloPerTutti) {
    TavoloInRete tavolo;
    tavolo.Siedono(0, 2);
    TfrmBriscolaMain& a = tavolo.a;
    TfrmBriscolaMain& b = tavolo.b;
    ASSERT_TRUE(GiocaFinche({&a, &b}, [&] { return Vista(b).partita.tavola.size() >= 2; }));
    const QString codice = a.Remota()->Cliente().Indirizzo().codice;
    // What Anna's machine remembers (the two windows here share one data folder).
    const ClienteTavolo& anna = a.Remota()->Cliente();
    ASSERT_TRUE(RicordaTavolo(FileTavoloRicordato(),
                              {anna.Indirizzo().Server(), codice, 0, anna.Gettone(), true}));
    DialoghiFinti& dialoghi = tavolo.ospitante.Dialoghi();
    dialoghi.mostrati.clear();
    dialoghi.risposte.push_back(true);
    a.close();
    ASSERT_FALSE(dialoghi.mostrati.empty());
    EXPECT_EQ(dialoghi.mostrati[0].testo, QStringLiteral("Chiudere il tavolo per tutti?"));
    EXPECT_TRUE(QFileInfo::exists(
        QDir(TfrmBriscolaMain::CartellaTavoliOspitati()).filePath(codice + ".tavolo")))
        << QDir(TfrmBriscolaMain::CartellaTavoliOspitati()).entryList().join(' ').toStdString();
    // Bruno is told, once, and is back at his own table.
    ASSERT_TRUE(AttendiCondizione([&] { return b.Remota() == nullptr; }));
    ASSERT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_TRUE(dialoghi.mostrati[1].testo.contains(QStringLiteral("si è fermato")))
        << dialoghi.mostrati[1].testo.toStdString();

    // Anna starts the game again: "Rientra" hosts the saved table and seats her mid-game, and
    // the game goes on from where it stood.
    SecondaFinestra ancora(kOpzioniOspite);
    TfrmBriscolaMain& c = ancora.Finestra();
    ASSERT_TRUE(AttendiCondizione([&] { return Inattiva(c); }));
    GiocaInRete(dialoghi, c, [](FinestraGiocaInRete& d) { Clic(d.PulsanteRientra()); });
    ASSERT_NE(c.Remota(), nullptr);
    ASSERT_NE(c.Remota()->Server(), nullptr);
    ASSERT_TRUE(AttendiCondizione([&] { return Vista(c).posto == 0 && Vista(c).inPartita; }));
    EXPECT_EQ(Vista(c).codice, codice);
    EXPECT_GE(Vista(c).partita.tavola.size() + 5 * (8 - Vista(c).partita.mano.size()), 2u);
    ASSERT_TRUE(GiocaFinche({&c}, [&] { return Vista(c).serie.partite >= 1; }));
}
