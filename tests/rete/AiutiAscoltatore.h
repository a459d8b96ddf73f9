#pragma once

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>
#include <vector>

#include "rete/Ascoltatore.h"
#include "rete/ServizioTavoli.h"

// A tables' service that records what the listener tells it and sends every message back.
class ServizioRegistra final : public ServizioTavoli {
public:
    struct Apertura {
        IdConnessione id;
        QString codice;
        QString indirizzo;
    };

    using ServizioTavoli::ServizioTavoli;
    void Apri(IdConnessione id, const QString& codice, const QString& indirizzo) override {
        aperture.push_back({id, codice, indirizzo});
    }
    void Ricevi(IdConnessione id, const QString& testo) override {
        ricevuti.emplace_back(id, testo);
        emit Invia(id, QStringLiteral("eco:") + testo);
    }
    void Chiudi(IdConnessione id) override { chiusure.push_back(id); }
    void Arresta() override {}

    std::vector<Apertura> aperture;
    std::vector<std::pair<IdConnessione, QString>> ricevuti;
    std::vector<IdConnessione> chiusure;
};

// Every wait of these tests ends by itself.
constexpr int kAttesaMs = 5000;

inline bool Attendi(const std::function<bool()>& condizione, int ms = kAttesaMs) {
    return QTest::qWaitFor(condizione, ms);
}

// A listener on a free loopback port.
struct Banco {
    explicit Banco(const LimitiRete& limiti = {}) : ascoltatore(servizio, limiti) {}
    void Ascolta() { ascoltatore.Ascolta(QHostAddress::LocalHost, 0); }
    QUrl Url(const QString& percorso) const {
        return QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(ascoltatore.Porta()).arg(percorso));
    }

    ServizioRegistra servizio;
    Ascoltatore ascoltatore;
};

// Opens a WebSocket and waits until it is connected or has failed.
inline bool Collega(QWebSocket& client, const QNetworkRequest& richiesta) {
    QObject contesto;
    bool finito = false;
    QObject::connect(&client, &QWebSocket::connected, &contesto, [&] { finito = true; });
    QObject::connect(&client, &QWebSocket::disconnected, &contesto, [&] { finito = true; });
    client.open(richiesta);
    Attendi([&] { return finito; });
    return client.state() == QAbstractSocket::ConnectedState;
}

inline bool Collega(QWebSocket& client, const QUrl& url) {
    return Collega(client, QNetworkRequest(url));
}

// Sends raw bytes on a plain TCP connection and returns all the server answers until it closes
// the connection (or the wait ends).
inline QByteArray Scambia(quint16 porta, const QByteArray& richiesta, int ms = kAttesaMs) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, porta);
    if (!socket.waitForConnected(ms))
        return {};
    socket.write(richiesta);
    QByteArray risposta;
    Attendi(
        [&] {
            risposta += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        ms);
    return risposta + socket.readAll();
}

// The start of a WebSocket upgrade request on that path, with extra header lines.
inline QByteArray RichiestaWebSocket(const QByteArray& percorso, const QByteArray& altre = {}) {
    return "GET " + percorso +
           " HTTP/1.1\r\n"
           "Host: 127.0.0.1\r\n"
           "Upgrade: websocket\r\n"
           "Connection: Upgrade\r\n"
           "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
           "Sec-WebSocket-Version: 13\r\n" +
           altre + "\r\n";
}
