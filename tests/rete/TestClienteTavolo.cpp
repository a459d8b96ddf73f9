#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>
#include <QWebSocketServer>
#include <memory>
#include <set>

#include "TavoloProva.h"
#include "rete/Ascoltatore.h"
#include "rete/ClienteTavolo.h"
#include "rete/TavoloRicordato.h"

namespace {

// A server of the tables on the loopback address.
struct ServerProva {
    std::unique_ptr<ServizioTavoli> servizio;
    std::unique_ptr<Ascoltatore> ascoltatore;

    explicit ServerProva(std::uint32_t seme = 2024) {
        servizio = CreaServizioTavoli(TavoloProva::Opzioni(seme));
        ascoltatore = std::make_unique<Ascoltatore>(*servizio, LimitiRete{});
        ascoltatore->Ascolta(QHostAddress::LocalHost, 0);
    }
    IndirizzoTavolo Indirizzo(const QString& codice = {}) const {
        return {QStringLiteral("127.0.0.1"), ascoltatore->Porta(), false, codice};
    }
};

// A person at a table who answers every turn of their seat at once with a legal choice made
// only from what the seat was sent, and remembers every card it ever held.
struct PersonaProva {
    std::unique_ptr<ClienteTavolo> cliente = std::make_unique<ClienteTavolo>();
    std::vector<MessaggioServer> messaggi;
    std::set<int> carteTenute;
    int perse = 0;
    ClienteTavolo::Guasto guasto{};
    QString dettaglio;

    PersonaProva() { Collega(); }
    void Collega() {
        QObject::connect(cliente.get(), &ClienteTavolo::Ricevuto, cliente.get(),
                         [this](const MessaggioServer& m) { Ricevi(m); });
        QObject::connect(cliente.get(), &ClienteTavolo::Perso, cliente.get(),
                         [this](ClienteTavolo::Guasto g, const QString& d) {
                             dettaglio = d;
                             guasto = g;
                             ++perse;
                         });
    }
    void Ricevi(const MessaggioServer& m) {
        messaggi.push_back(m);
        const VistaTavolo& vista = cliente->Vista();
        for (const Carta& c : vista.partita.mano) {
            carteTenute.insert(c.Indice());
        }
        if (m.tipo != MessaggioServer::Tipo::Turno || m.turno.posto != vista.posto) {
            return;
        }
        if (m.turno.cosa == "chiamata") {
            cliente->Chiama(vista.partita.chiamata.Valore == kNessunaChiamata ? Chiamata(0)
                                                                              : Chiamata(kPasso));
        } else if (m.turno.cosa == "briscola") {
            cliente->NominaBriscola(1);
        } else if (!vista.partita.mano.empty()) {
            cliente->GiocaCarta(vista.partita.mano.back());
        }
    }
    int Conta(MessaggioServer::Tipo tipo) const {
        return static_cast<int>(std::count_if(messaggi.begin(), messaggi.end(),
                                              [tipo](const auto& m) { return m.tipo == tipo; }));
    }
    bool Attendi(MessaggioServer::Tipo tipo, int volte = 1, int ms = 20000) {
        return QTest::qWaitFor([&] { return Conta(tipo) >= volte || perse > 0; }, ms) &&
               Conta(tipo) >= volte;
    }
};

using Tipo = MessaggioServer::Tipo;

ImpostazioniTavolo Impostazioni() {
    ImpostazioniTavolo impostazioni;
    impostazioni.nome = QStringLiteral("Da Anna");
    return impostazioni;
}

// Anna creates the table and sits at 0, Bruno joins and sits at 2.
void Siedono(const ServerProva& server, PersonaProva& anna, PersonaProva& bruno) {
    anna.cliente->Crea(server.Indirizzo(), Impostazioni());
    ASSERT_TRUE(anna.Attendi(Tipo::Stato));
    anna.cliente->Siedi(0, QStringLiteral("Anna"));
    ASSERT_TRUE(anna.Attendi(Tipo::Seduto));
    bruno.cliente->Unisciti(anna.cliente->Indirizzo());
    ASSERT_TRUE(bruno.Attendi(Tipo::Stato));
    bruno.cliente->Siedi(2, QStringLiteral("Bruno"));
    ASSERT_TRUE(bruno.Attendi(Tipo::Seduto));
}

// What the seat saw of the game: 40 cards, every card it held and nobody else's before it was
// played, and the scores as the table counted them.
void ControllaPartita(const PersonaProva& p, int posto) {
    const VistaTavolo& vista = p.cliente->Vista();
    EXPECT_EQ(vista.posto, posto);
    EXPECT_EQ(p.Conta(Tipo::Carta), 40);
    EXPECT_EQ(p.carteTenute.size(), 8u);
    EXPECT_TRUE(vista.partita.finita);
    EXPECT_TRUE(vista.partita.mano.empty());
    int punti = 0;
    for (int v : vista.partita.punti) {
        punti += v;
    }
    EXPECT_EQ(punti, 120);
    EXPECT_EQ(vista.serie.partite, 1);
    int totale = 0;
    for (int v : vista.serie.totali) {
        totale += v;
    }
    EXPECT_EQ(totale, 0);
    EXPECT_EQ(p.perse, 0) << p.dettaglio.toStdString();
}

} // namespace

TEST(ClienteTavolo, DuePersoneGiocanoUnaPartitaIntieraConTreComputer) {
    ServerProva server;
    PersonaProva anna;
    PersonaProva bruno;
    Siedono(server, anna, bruno);
    EXPECT_FALSE(anna.cliente->Gettone().isEmpty());
    EXPECT_EQ(bruno.cliente->Vista().posti[0].nome, "Anna");
    EXPECT_TRUE(bruno.cliente->Vista().posti[0].persona);
    anna.cliente->Comincia();
    ASSERT_TRUE(anna.Attendi(Tipo::Serie)) << anna.dettaglio.toStdString();
    ASSERT_TRUE(bruno.Attendi(Tipo::Serie)) << bruno.dettaglio.toStdString();
    ControllaPartita(anna, 0);
    ControllaPartita(bruno, 2);
    EXPECT_EQ(anna.cliente->Vista().serie.totali, bruno.cliente->Vista().serie.totali);
    // Two seats' hands are two fifths of the deck: no card ever seen twice.
    for (int c : anna.carteTenute) {
        EXPECT_EQ(bruno.carteTenute.count(c), 0u) << c;
    }
}

// Bruno's window closes with his card on the table; a new connection with his token takes
// the seat back where the computer left it, and he plays the game out.
TEST(ClienteTavolo, RientraAMetaPresaConIlGettone) {
    ServerProva server;
    PersonaProva anna;
    auto bruno = std::make_unique<PersonaProva>();
    Siedono(server, anna, *bruno);
    const QString gettone = bruno->cliente->Gettone();
    anna.cliente->Comincia();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const PartitaVista& p = bruno->cliente->Vista().partita;
            return p.prese[0] + p.prese[1] + p.prese[2] + p.prese[3] + p.prese[4] >= 2 &&
                   !p.tavola.empty() && p.tavola.size() < 5 &&
                   std::any_of(p.tavola.begin(), p.tavola.end(),
                               [](const CartaVista& c) { return c.posto == 2; });
        },
        20000));
    const std::set<int> tenute = bruno->carteTenute;
    bruno->cliente->Esci();
    bruno.reset();
    ASSERT_TRUE(anna.Attendi(Tipo::Posti, 3));

    PersonaProva ritorno;
    ritorno.cliente->Unisciti(server.Indirizzo(anna.cliente->Indirizzo().codice), 2, gettone);
    ASSERT_TRUE(ritorno.Attendi(Tipo::Seduto));
    ASSERT_TRUE(ritorno.Attendi(Tipo::Stato, 2));
    const VistaTavolo& vista = ritorno.cliente->Vista();
    EXPECT_EQ(vista.posto, 2);
    ASSERT_TRUE(vista.inPartita);
    for (const Carta& c : vista.partita.mano) {
        EXPECT_EQ(tenute.count(c.Indice()), 1u) << "carta mai data a Bruno: " << c.Indice();
    }
    EXPECT_TRUE(vista.posti[2].connesso);
    ASSERT_TRUE(anna.Attendi(Tipo::FinePartita));
    ASSERT_TRUE(ritorno.Attendi(Tipo::FinePartita));
    EXPECT_TRUE(ritorno.cliente->Vista().partita.finita);
    EXPECT_EQ(ritorno.perse, 0);
}

namespace {

// A server of another kind: answers every message with the text given.
struct ServerFinto {
    QWebSocketServer server{QStringLiteral("finto"), QWebSocketServer::NonSecureMode};
    std::vector<std::unique_ptr<QWebSocket>> socket;
    explicit ServerFinto(const QString& risposta) {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QWebSocketServer::newConnection, &server, [this, risposta] {
            socket.emplace_back(server.nextPendingConnection());
            QWebSocket* s = socket.back().get();
            QObject::connect(s, &QWebSocket::textMessageReceived, s,
                             [s, risposta](const QString&) { s->sendTextMessage(risposta); });
        });
    }
};

} // namespace

// Each way of not getting to a table ends the connection once, with its own kind of fault.
TEST(ClienteTavolo, OgniGuastoArrivaUnaVoltaSola) {
    using G = ClienteTavolo::Guasto;
    struct Caso {
        const char* nome;
        G atteso;
        // What the case opens stays alive in vivi until its fault has come.
        std::function<void(PersonaProva&, std::vector<std::shared_ptr<void>>& vivi)> prova;
    };
    const std::vector<Caso> casi = {
        {"nessuno ascolta", G::Irraggiungibile,
         [](PersonaProva& p, std::vector<std::shared_ptr<void>>&) {
             quint16 porta = 0;
             {
                 ServerProva spento;
                 porta = spento.ascoltatore->Porta();
             }
             p.cliente->Unisciti({QStringLiteral("127.0.0.1"), porta, false, "abcdefgh"});
         }},
        {"codice sbagliato", G::CodiceSconosciuto,
         [](PersonaProva& p, std::vector<std::shared_ptr<void>>& vivi) {
             auto server = std::make_shared<ServerProva>();
             vivi.push_back(server);
             p.cliente->Unisciti(server->Indirizzo(QStringLiteral("nessunTavoloCosi")));
         }},
        {"tavolo pieno", G::TavoloPieno,
         [](PersonaProva& p, std::vector<std::shared_ptr<void>>& vivi) {
             auto server = std::make_shared<ServerProva>();
             vivi.push_back(server);
             std::vector<std::shared_ptr<PersonaProva>> seduti;
             seduti.push_back(std::make_shared<PersonaProva>());
             vivi.push_back(seduti.back());
             seduti[0]->cliente->Crea(server->Indirizzo(), Impostazioni());
             ASSERT_TRUE(seduti[0]->Attendi(Tipo::Stato));
             const QString codice = seduti[0]->cliente->Indirizzo().codice;
             for (int s = 0; s < 5; ++s) {
                 if (s > 0) {
                     seduti.push_back(std::make_shared<PersonaProva>());
                     vivi.push_back(seduti.back());
                     seduti[s]->cliente->Unisciti(server->Indirizzo(codice));
                     ASSERT_TRUE(seduti[s]->Attendi(Tipo::Stato));
                 }
                 seduti[s]->cliente->Siedi(s, QStringLiteral("P%1").arg(s));
                 ASSERT_TRUE(seduti[s]->Attendi(Tipo::Seduto));
             }
             p.cliente->Unisciti(server->Indirizzo(codice));
         }},
        {"altra versione", G::Versione,
         [](PersonaProva& p, std::vector<std::shared_ptr<void>>& vivi) {
             auto finto = std::make_shared<ServerFinto>(QStringLiteral(
                 R"({"tipo":"errore","codice":"versione","messaggio":"Versione 2 richiesta"})"));
             vivi.push_back(finto);
             p.cliente->Unisciti(
                 {QStringLiteral("127.0.0.1"), finto->server.serverPort(), false, "abcdefgh"});
         }},
        {"messaggio non valido", G::MessaggioNonValido,
         [](PersonaProva& p, std::vector<std::shared_ptr<void>>& vivi) {
             auto finto =
                 std::make_shared<ServerFinto>(QStringLiteral(R"({"tipo":"seduto","posto":9})"));
             vivi.push_back(finto);
             p.cliente->Unisciti(
                 {QStringLiteral("127.0.0.1"), finto->server.serverPort(), false, "abcdefgh"});
         }},
        {"connessione caduta", G::ConnessionePersa,
         [](PersonaProva& p, std::vector<std::shared_ptr<void>>&) {
             auto server = std::make_unique<ServerProva>();
             p.cliente->Crea(server->Indirizzo(), Impostazioni());
             ASSERT_TRUE(p.Attendi(Tipo::Stato));
             server.reset();
         }},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        std::vector<std::shared_ptr<void>> vivi;
        PersonaProva persona;
        persona.cliente->ImpostaAttesaConnessione(3000);
        caso.prova(persona, vivi);
        ASSERT_TRUE(QTest::qWaitFor([&] { return persona.perse > 0; }, 8000));
        QTest::qWait(50);
        EXPECT_EQ(persona.perse, 1);
        EXPECT_EQ(persona.guasto, caso.atteso);
        EXPECT_FALSE(persona.cliente->Aperto());
    }
}

TEST(IndirizzoTavolo, LeggeCollegamentiEIndirizzi) {
    struct Caso {
        QString server;
        QString codice;
        QString host;
        int porta;
        bool tls;
        QString codiceLetto;
    };
    const std::vector<Caso> casi = {
        {"http://192.168.1.5:7750/#k3Jd9QmX0aZ-", "", "192.168.1.5", 7750, false, "k3Jd9QmX0aZ-"},
        {"https://tavoli.example.org/#abc_DEF", "", "tavoli.example.org", 7750, true, "abc_DEF"},
        {"ws://casa.local:8000/ws/Zz09", "", "casa.local", 8000, false, "Zz09"},
        {"wss://[::1]:9/ws/Zz09", "", "::1", 9, true, "Zz09"},
        {" 10.0.0.2:7751 ", " codice1 ", "10.0.0.2", 7751, false, "codice1"},
        {"portatile", "abc", "portatile", 7750, false, "abc"},
        {"fe80::1", "abc", "fe80::1", 7750, false, "abc"},
        {"[fe80::1]:7000", "abc", "fe80::1", 7000, false, "abc"},
        {"http://h:1/#vecchio", "nuovo", "h", 1, false, "nuovo"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.server.toStdString());
        const IndirizzoTavolo letto = LeggiIndirizzoTavolo(c.server, c.codice, 7750);
        EXPECT_EQ(letto.host, c.host);
        EXPECT_EQ(letto.porta, c.porta);
        EXPECT_EQ(letto.tls, c.tls);
        EXPECT_EQ(letto.codice, c.codiceLetto);
        // The link given to friends reads back as the same table.
        const IndirizzoTavolo riletto = LeggiIndirizzoTavolo(letto.Link(), {}, 1);
        EXPECT_EQ(riletto.UrlWebSocket(), letto.UrlWebSocket());
    }
    EXPECT_EQ(LeggiIndirizzoTavolo("h:5", "c", 1).UrlWebSocket().toString(), "ws://h:5/ws/c");
    EXPECT_EQ(LeggiIndirizzoTavolo("::1", "c", 7).Link(), "http://[::1]:7/#c");
    for (const char* guasto : {"", "h", "ftp://h/#c", "h:0", "h:70000", "h/percorso", "u@h",
                               "http://h/#codice con spazi", "http://h/"}) {
        SCOPED_TRACE(guasto);
        EXPECT_THROW(LeggiIndirizzoTavolo(guasto, {}, 7750), Errore);
    }
}

// The remembered table reads back as written; anything else is no table at all.
TEST(TavoloRicordato, SiRileggeComeScrittoEIlRestoNonEUnTavolo) {
    const TavoloRicordato tavolo{"192.168.1.5:7750", "k3Jd9QmX0aZ-", 3, "9f86d08188", true};
    const TavoloRicordato riletto = TavoloRicordatoDaTesto(TestoTavoloRicordato(tavolo));
    EXPECT_TRUE(riletto.Valido());
    EXPECT_EQ(riletto.server, tavolo.server);
    EXPECT_EQ(riletto.codice, tavolo.codice);
    EXPECT_EQ(riletto.posto, 3);
    EXPECT_EQ(riletto.gettone, tavolo.gettone);
    EXPECT_TRUE(riletto.ospitato);
    EXPECT_FALSE(TavoloRicordatoDaTesto("h\nc\n1\ng\nospite\n").ospitato);
    for (const QByteArray& guasto :
         {QByteArray(), QByteArray("h\nc\n1"), QByteArray("h\nc\n5\ng\n"),
          QByteArray("h\nc\n-1\ng\n"), QByteArray("h\nc\nuno\ng\n"), QByteArray("\nc\n1\ng\n"),
          QByteArray(2000, 'x'), QByteArray("h\nc\n1\n") + QByteArray(300, 'g') + "\n"}) {
        EXPECT_FALSE(TavoloRicordatoDaTesto(guasto).Valido()) << guasto.left(40).toStdString();
    }
}

// Whatever the reader takes, written again, it takes back: long lines of wide characters, and
// bytes that are not UTF-8 (each becomes a three-byte replacement character when written).
TEST(TavoloRicordato, CioCheSiLeggeSiRiscriveESiRilegge) {
    const QString lunga = QString(200, QChar(0x00E8));
    const QByteArray nonUtf8(200, '\xFF');
    for (const QByteArray& testo : {(lunga + '\n' + lunga + "\n4\n" + lunga + '\n').toUtf8(),
                                    nonUtf8 + '\n' + nonUtf8 + "\n0\n" + nonUtf8}) {
        const TavoloRicordato tavolo = TavoloRicordatoDaTesto(testo);
        ASSERT_TRUE(tavolo.Valido());
        const TavoloRicordato riletto = TavoloRicordatoDaTesto(TestoTavoloRicordato(tavolo));
        EXPECT_TRUE(riletto.Valido());
        EXPECT_EQ(riletto.server, tavolo.server);
        EXPECT_EQ(riletto.codice, tavolo.codice);
        EXPECT_EQ(riletto.gettone, tavolo.gettone);
    }
}
