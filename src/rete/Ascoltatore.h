#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QSslConfiguration>
#include <QString>
#include <QWebSocketProtocol>
#include <memory>
#include <optional>
#include <unordered_map>

#include "rete/LimitiConnessione.h"
#include "rete/LimitiRete.h"
#include "rete/RichiestePerIndirizzo.h"
#include "rete/ServizioTavoli.h"

struct RichiestaHttp;

class PaginaStatica;
class QTcpServer;
class QTcpSocket;
class QWebSocket;
class QWebSocketServer;

// The server's one port: accepts connections (over TLS when given a certificate), reads the
// start of each request within the size and time allowed, hands WebSocket upgrades on /ws and
// /ws/CODE to the WebSocket server and answers anything else from the browser page's folder,
// when it has one, or with a short HTTP error. Each WebSocket is then a connection of the
// tables' service, held to the per-connection limits.
class Ascoltatore : public QObject {
    Q_OBJECT
public:
    Ascoltatore(ServizioTavoli& servizio, const LimitiRete& limiti, QObject* padre = nullptr);
    ~Ascoltatore() override;

    // Serves over TLS with this certificate (chain) and private key, both PEM files; called
    // before Ascolta. Throws Errore when either cannot be read.
    void UsaTls(const QString& certificato, const QString& chiave);
    // Answers plain HTTP requests with the files of the browser page in that folder (at most
    // the limits' rate per address). Throws Errore when the folder has no page.
    void ServiPagina(const QString& cartella);
    bool ServePagina() const { return pagina_ != nullptr; }

    // Opens the port (0: any free one). Throws Errore when it cannot.
    void Ascolta(const QHostAddress& indirizzo, quint16 porta);

    // No new connection from now on; those open stay (the server is stopping).
    void ChiudiPorta();

    quint16 Porta() const;
    bool Sicuro() const { return tls_.has_value(); }
    // Connections open now, in any phase.
    int Connessioni() const;

private:
    struct Connessione {
        QTcpSocket* tcp = nullptr;
        QWebSocket* webSocket = nullptr;
        // The address the limits count it under, once known (a proxy's connection names its
        // client only in its headers).
        QString indirizzo;
        bool contata = false;
        QString codice;
        std::optional<LimiteMessaggi> limite;
        // The service was told of it, and must be told of its end.
        bool aperta = false;
        // Closing: what it still sends is not read, nothing more is sent to it.
        bool chiusa = false;
    };

    void Accetta();
    void LeggiIntestazioni(QTcpSocket* socket);
    void Consegna(QTcpSocket* socket, ServizioTavoli::IdConnessione id);
    void Rifiuta(QTcpSocket* socket, const QByteArray& risposta);
    // Sends the answer and closes, cutting the connection off after attesaMs.
    void RispondiEChiudi(QTcpSocket* socket, const QByteArray& risposta, int attesaMs);
    QByteArray RispondiHttp(QTcpSocket* socket, const RichiestaHttp& richiesta);
    void Dimentica(ServizioTavoli::IdConnessione id);
    void DimenticaTcp(QTcpSocket* socket);
    void NuovoWebSocket();
    void Testo(QWebSocket* socket, const QString& testo);
    void Chiudi(QWebSocket* socket, QWebSocketProtocol::CloseCode codice, const QString& motivo);
    void Finito(QWebSocket* socket);
    void InviaA(ServizioTavoli::IdConnessione id, const QString& testo);
    void Disconnetti(ServizioTavoli::IdConnessione id, const QString& motivo);

    ServizioTavoli& servizio_;
    LimitiRete limiti_;
    QHostAddress proxy_;
    std::optional<QSslConfiguration> tls_;
    std::unique_ptr<QTcpServer> server_;
    std::unique_ptr<QWebSocketServer> webSocket_;
    ConnessioniPerIndirizzo perIndirizzo_;
    std::unique_ptr<PaginaStatica> pagina_;
    RichiestePerIndirizzo richiesteHttp_;
    QElapsedTimer orologio_;
    ServizioTavoli::IdConnessione prossimoId_ = 1;
    std::unordered_map<ServizioTavoli::IdConnessione, Connessione> connessioni_;
    // A connection is found by its TCP socket while its request is read, by its peer address
    // and port in the WebSocket handshake (the one thing the new WebSocket shares with its TCP
    // socket), then by its WebSocket.
    QHash<QTcpSocket*, ServizioTavoli::IdConnessione> inLettura_;
    QHash<QString, ServizioTavoli::IdConnessione> inStretta_;
    QHash<QWebSocket*, ServizioTavoli::IdConnessione> aperte_;
};
