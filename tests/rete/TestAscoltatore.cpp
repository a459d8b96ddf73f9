#include <gtest/gtest.h>

#include <QNetworkRequest>
#include <QTcpSocket>
#include <QWebSocket>

#include "AiutiAscoltatore.h"

TEST(Ascoltatore, ConsegnaIPercorsiDeiTavoliAlServizioEPortaITestiNeiDueSensi) {
    Banco banco;
    banco.Ascolta();
    QWebSocket nuovo;
    QWebSocket conCodice;
    ASSERT_TRUE(Collega(nuovo, banco.Url(QStringLiteral("/ws"))));
    ASSERT_TRUE(Collega(conCodice, banco.Url(QStringLiteral("/ws/Ab-3_x?v=1"))));
    auto& servizio = banco.servizio;
    ASSERT_TRUE(Attendi([&] { return servizio.aperture.size() == 2; }));
    EXPECT_EQ(servizio.aperture[0].codice, QString());
    EXPECT_EQ(servizio.aperture[1].codice, QStringLiteral("Ab-3_x"));
    EXPECT_EQ(servizio.aperture[0].indirizzo, QStringLiteral("127.0.0.1"));
    EXPECT_NE(servizio.aperture[0].id, servizio.aperture[1].id);

    QStringList risposte;
    QObject::connect(&conCodice, &QWebSocket::textMessageReceived,
                     [&](const QString& testo) { risposte << testo; });
    conCodice.sendTextMessage(QStringLiteral("ciao"));
    ASSERT_TRUE(Attendi([&] { return !risposte.isEmpty(); }));
    EXPECT_EQ(risposte, QStringList{QStringLiteral("eco:ciao")});
    ASSERT_EQ(servizio.ricevuti.size(), 1u);
    EXPECT_EQ(servizio.ricevuti[0].first, servizio.aperture[1].id);

    // The service closes one connection; the client closes the other.
    emit servizio.Disconnetti(servizio.aperture[1].id, QStringLiteral("basta"));
    nuovo.close();
    ASSERT_TRUE(Attendi([&] { return servizio.chiusure.size() == 2; }));
    EXPECT_TRUE(Attendi([&] { return conCodice.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_TRUE(Attendi([&] { return banco.ascoltatore.Connessioni() == 0; }));
    EXPECT_TRUE(
        std::is_permutation(servizio.chiusure.begin(), servizio.chiusure.end(),
                            std::vector{servizio.aperture[0].id, servizio.aperture[1].id}.begin()));
}

TEST(Ascoltatore, RispondeConUnErroreHttpATuttoCioCheNonEUnWebSocketDeiTavoli) {
    LimitiRete limiti;
    limiti.massimoIntestazioni = 1024;
    Banco banco(limiti);
    banco.Ascolta();
    const struct {
        const char* caso;
        QByteArray richiesta;
        QByteArray stato;
    } casi[] = {
        {"pagina", "GET / HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 404 "},
        {"altro percorso", RichiestaWebSocket("/altro"), "HTTP/1.1 404 "},
        {"codice vuoto", RichiestaWebSocket("/ws/"), "HTTP/1.1 404 "},
        {"codice con spazio", RichiestaWebSocket("/ws/a%20b"), "HTTP/1.1 404 "},
        {"codice troppo lungo", RichiestaWebSocket("/ws/" + QByteArray(65, 'a')), "HTTP/1.1 404 "},
        {"sotto-percorso", RichiestaWebSocket("/ws/abc/def"), "HTTP/1.1 404 "},
        {"POST", "POST /ws HTTP/1.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n\r\n",
         "HTTP/1.1 404 "},
        {"senza Upgrade", "GET /ws HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 404 "},
        {"spazzatura", "SPAZZATURA\r\n\r\n", "HTTP/1.1 400 "},
        {"riga piegata", "GET /ws HTTP/1.1\r\nHost: x\r\n  y\r\n\r\n", "HTTP/1.1 400 "},
        {"HTTP/2", "GET /ws HTTP/2\r\n\r\n", "HTTP/1.1 400 "},
        {"troppo lunga", "GET /ws HTTP/1.1\r\nX: " + QByteArray(2000, 'a'), "HTTP/1.1 431 "},
        // The WebSocket server drops a handshake it cannot complete without a word.
        {"stretta incompleta", RichiestaWebSocket("/ws").replace("Sec-WebSocket-Key", "X-Altro"),
         ""},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.caso);
        const QByteArray risposta = Scambia(banco.ascoltatore.Porta(), caso.richiesta);
        EXPECT_TRUE(risposta.startsWith(caso.stato)) << risposta.toStdString();
    }
    EXPECT_TRUE(banco.servizio.aperture.empty());
    EXPECT_TRUE(Attendi([&] { return banco.ascoltatore.Connessioni() == 0; }));
}

TEST(Ascoltatore, LasciaCadereUnClienteLentoCheNonFiniscePiuLeIntestazioni) {
    LimitiRete limiti;
    limiti.attesaIntestazioniMs = 300;
    Banco banco(limiti);
    banco.Ascolta();
    QTcpSocket lento;
    lento.connectToHost(QHostAddress::LocalHost, banco.ascoltatore.Porta());
    ASSERT_TRUE(lento.waitForConnected(kAttesaMs));
    lento.write("GET /ws HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n");
    ASSERT_TRUE(Attendi([&] { return banco.ascoltatore.Connessioni() == 1; }));
    EXPECT_TRUE(Attendi([&] { return lento.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(banco.ascoltatore.Connessioni(), 0);
    EXPECT_TRUE(banco.servizio.aperture.empty());
}

TEST(Ascoltatore, ContaLeConnessioniPerIndirizzoECredeAlProxySoloSeLoE) {
    const auto richiesta = [](const QUrl& url, const QByteArray& inoltro) {
        QNetworkRequest risultato(url);
        risultato.setRawHeader("X-Forwarded-For", inoltro);
        return risultato;
    };
    for (const bool dalProxy : {true, false}) {
        SCOPED_TRACE(dalProxy ? "dal proxy" : "senza proxy");
        LimitiRete limiti;
        limiti.connessioniPerIndirizzo = 2;
        limiti.proxy = dalProxy ? QStringLiteral("127.0.0.1") : QStringLiteral("192.0.2.1");
        Banco banco(limiti);
        banco.Ascolta();
        const QUrl url = banco.Url(QStringLiteral("/ws/T"));
        QWebSocket a1, a2, a3, b1;
        ASSERT_TRUE(Collega(a1, richiesta(url, "203.0.113.9, 198.51.100.1")));
        ASSERT_TRUE(Collega(a2, richiesta(url, "198.51.100.1")));
        // A third from the same client is one too many; another client still has room only
        // when the proxy's word is taken.
        EXPECT_FALSE(Collega(a3, richiesta(url, "10.1.1.1,198.51.100.1")));
        EXPECT_EQ(Collega(b1, richiesta(url, "198.51.100.2")), dalProxy);
        ASSERT_TRUE(
            Attendi([&] { return banco.servizio.aperture.size() == (dalProxy ? 3u : 2u); }));
        const QString atteso =
            dalProxy ? QStringLiteral("198.51.100.1") : QStringLiteral("127.0.0.1");
        EXPECT_EQ(banco.servizio.aperture[0].indirizzo, atteso);
        EXPECT_EQ(banco.servizio.aperture[1].indirizzo, atteso);
        // A closed connection gives its place back.
        a1.close();
        ASSERT_TRUE(Attendi([&] { return banco.servizio.chiusure.size() == 1; }));
        QWebSocket a4;
        EXPECT_TRUE(Collega(a4, richiesta(url, "198.51.100.1")));
    }
}

TEST(Ascoltatore, RifiutaOltreIlTotaleDelleConnessioni) {
    LimitiRete limiti;
    limiti.connessioniTotali = 2;
    Banco banco(limiti);
    banco.Ascolta();
    QWebSocket c1, c2;
    ASSERT_TRUE(Collega(c1, banco.Url(QStringLiteral("/ws"))));
    ASSERT_TRUE(Collega(c2, banco.Url(QStringLiteral("/ws"))));
    EXPECT_TRUE(
        Scambia(banco.ascoltatore.Porta(), RichiestaWebSocket("/ws")).startsWith("HTTP/1.1 503 "));
    EXPECT_EQ(banco.servizio.aperture.size(), 2u);
}

TEST(Ascoltatore, ChiudeUnClienteCheNonLeggeInveceDiAccumulareMessaggi) {
    LimitiRete limiti;
    limiti.massimoDaInviare = 64 * 1024;
    Banco banco(limiti);
    banco.Ascolta();
    QWebSocket client;
    ASSERT_TRUE(Collega(client, banco.Url(QStringLiteral("/ws"))));
    ASSERT_TRUE(Attendi([&] { return banco.servizio.aperture.size() == 1; }));
    int letti = 0;
    QObject::connect(&client, &QWebSocket::textMessageReceived, [&] { ++letti; });
    // All at once, as a table's broadcasts would pile up for a client that reads nothing.
    const QString riga(1024, QLatin1Char('x'));
    for (int i = 0; i < 200; ++i)
        emit banco.servizio.Invia(banco.servizio.aperture[0].id, riga);
    ASSERT_TRUE(Attendi([&] { return banco.servizio.chiusure.size() == 1; }));
    EXPECT_TRUE(Attendi([&] { return client.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_GT(letti, 0);
    EXPECT_LT(letti, 100);
}
