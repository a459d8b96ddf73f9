#include "rete/Ascoltatore.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>
#include <exception>
#include <string_view>

#include "comune/Errore.h"
#include "rete/IndirizzoCliente.h"
#include "rete/PaginaStatica.h"
#include "rete/RichiestaHttp.h"
#include "rete/RispostaHttp.h"

namespace {

// A client that does not read a refusal or answer a close frame is cut off after this long.
constexpr int kAttesaChiusuraMs = 5000;
// A page's file goes out at least this fast before its connection is cut off (a picture at
// twice the size, on a slow phone line).
constexpr int kByteAlSecondoMinimi = 16 * 1024;
// Connections the kernel may hold before they are accepted (it may lower the number).
constexpr int kCodaConnessioni = 1024;

QString ChiaveStretta(const QHostAddress& indirizzo, quint16 porta) {
    return indirizzo.toString() + QLatin1Char('|') + QString::number(porta);
}

QByteArray LeggiFile(const QString& percorso, const char* cosa) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        throw Errore(std::string("Impossibile leggere ") + cosa + " " + percorso.toStdString() +
                     ": " + file.errorString().toStdString());
    return file.readAll();
}

// A private key in PEM of whichever kind the certificate uses.
QSslKey ChiavePrivata(const QByteArray& pem) {
    for (const auto algoritmo : {QSsl::Ec, QSsl::Rsa, QSsl::Dsa}) {
        QSslKey chiave(pem, algoritmo, QSsl::Pem, QSsl::PrivateKey);
        if (!chiave.isNull())
            return chiave;
    }
    return {};
}

} // namespace

Ascoltatore::Ascoltatore(ServizioTavoli& servizio, const LimitiRete& limiti, QObject* padre)
    : QObject(padre), servizio_(servizio), limiti_(limiti), proxy_(limiti.proxy),
      webSocket_(std::make_unique<QWebSocketServer>(QStringLiteral("Pentaludo"),
                                                    QWebSocketServer::NonSecureMode)),
      perIndirizzo_(limiti.connessioniPerIndirizzo),
      richiesteHttp_(limiti.richiesteHttpAlSecondo, limiti.rafficaHttp) {
    orologio_.start();
    webSocket_->setHandshakeTimeout(limiti_.attesaIntestazioniMs);
    connect(webSocket_.get(), &QWebSocketServer::newConnection, this, &Ascoltatore::NuovoWebSocket);
    connect(&servizio_, &ServizioTavoli::Invia, this, &Ascoltatore::InviaA);
    // Queued: the service may ask for a close while it handles a message, and must not be
    // told of the end inside that call.
    connect(&servizio_, &ServizioTavoli::Disconnetti, this, &Ascoltatore::Disconnetti,
            Qt::QueuedConnection);
}

Ascoltatore::~Ascoltatore() {
    if (server_)
        server_->disconnect(this);
    webSocket_->disconnect(this);
    for (auto& [id, connessione] : connessioni_) {
        if (connessione.webSocket) {
            connessione.webSocket->disconnect(this);
            connessione.webSocket->abort();
            delete connessione.webSocket;
        } else if (connessione.tcp && inLettura_.contains(connessione.tcp)) {
            connessione.tcp->disconnect(this);
            delete connessione.tcp;
        }
    }
    // The sockets still in a WebSocket handshake go with the WebSocket server, and tell the
    // maps, which are still here.
    webSocket_.reset();
    server_.reset();
}

void Ascoltatore::UsaTls(const QString& certificato, const QString& chiave) {
    if (!QSslSocket::supportsSsl())
        throw Errore("TLS non disponibile: manca la libreria OpenSSL.");
    const auto catena = QSslCertificate::fromData(LeggiFile(certificato, "il certificato"));
    if (catena.isEmpty())
        throw Errore("Il file " + certificato.toStdString() + " non contiene un certificato PEM.");
    const QSslKey privata = ChiavePrivata(LeggiFile(chiave, "la chiave"));
    if (privata.isNull())
        throw Errore("Il file " + chiave.toStdString() +
                     " non contiene una chiave privata PEM leggibile (senza password).");
    QSslConfiguration configurazione = QSslConfiguration::defaultConfiguration();
    configurazione.setLocalCertificateChain(catena);
    configurazione.setPrivateKey(privata);
    configurazione.setPeerVerifyMode(QSslSocket::VerifyNone);
    configurazione.setProtocol(QSsl::TlsV1_2OrLater);
    tls_ = configurazione;
}

void Ascoltatore::ServiPagina(const QString& cartella) {
    pagina_ = std::make_unique<PaginaStatica>(cartella);
}

void Ascoltatore::Ascolta(const QHostAddress& indirizzo, quint16 porta) {
    std::unique_ptr<QTcpServer> server;
    if (tls_) {
        auto sicuro = std::make_unique<QSslServer>();
        sicuro->setSslConfiguration(*tls_);
        sicuro->setHandshakeTimeout(limiti_.attesaTlsMs);
        server = std::move(sicuro);
    } else {
        server = std::make_unique<QTcpServer>();
    }
    // After a restart every player comes back at once: room for them in the kernel's queue.
    server->setListenBacklogSize(kCodaConnessioni);
    if (!server->listen(indirizzo, porta))
        throw Errore("Impossibile ascoltare su " + indirizzo.toString().toStdString() + " porta " +
                     std::to_string(porta) + ": " + server->errorString().toStdString());
    connect(server.get(), &QTcpServer::pendingConnectionAvailable, this, &Ascoltatore::Accetta);
    server_ = std::move(server);
}

void Ascoltatore::ChiudiPorta() {
    if (server_)
        server_->close();
}

quint16 Ascoltatore::Porta() const {
    return server_ ? server_->serverPort() : 0;
}

int Ascoltatore::Connessioni() const {
    return static_cast<int>(connessioni_.size());
}

void Ascoltatore::Accetta() {
    while (server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        if (!socket)
            break;
        socket->setParent(this);
        // A card or a chat line is a small message that must leave at once, not wait to be
        // joined by the next one.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (Connessioni() >= limiti_.connessioniTotali) {
            Rifiuta(socket, RispostaErrore(503, "Service Unavailable",
                                           "Pentaludo: il server è pieno, riprova più tardi."));
            continue;
        }
        Connessione connessione;
        connessione.tcp = socket;
        // A proxy's connections are counted under the client it names, once its headers say.
        if (!DalProxy(socket->peerAddress(), proxy_)) {
            connessione.indirizzo = NomeIndirizzo(socket->peerAddress());
            if (!perIndirizzo_.Prendi(connessione.indirizzo)) {
                Rifiuta(socket, RispostaErrore(429, "Too Many Requests",
                                               "Pentaludo: troppe connessioni da questo "
                                               "indirizzo."));
                continue;
            }
            connessione.contata = true;
        }
        const auto id = prossimoId_++;
        connessioni_.emplace(id, std::move(connessione));
        inLettura_.insert(socket, id);
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket] { LeggiIntestazioni(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            DimenticaTcp(socket);
            socket->deleteLater();
        });
        QTimer::singleShot(limiti_.attesaIntestazioniMs, socket, [this, socket, id] {
            if (inLettura_.value(socket) == id)
                socket->abort();
        });
        LeggiIntestazioni(socket);
    }
}

void Ascoltatore::LeggiIntestazioni(QTcpSocket* socket) {
    const auto trovato = inLettura_.constFind(socket);
    if (trovato == inLettura_.constEnd())
        return;
    const auto id = trovato.value();
    const QByteArray dati = socket->peek(limiti_.massimoIntestazioni);
    const auto lettura = LeggiRichiestaHttp(std::string_view(dati.constData(), dati.size()),
                                            static_cast<std::size_t>(limiti_.massimoIntestazioni));
    switch (lettura.esito) {
    case EsitoRichiesta::Incompleta:
        return;
    case EsitoRichiesta::TroppoLunga:
        Rifiuta(socket, RispostaErrore(431, "Request Header Fields Too Large",
                                       "Pentaludo: richiesta troppo lunga."));
        return;
    case EsitoRichiesta::Malformata:
        Rifiuta(socket, RispostaErrore(400, "Bad Request", "Pentaludo: richiesta malformata."));
        return;
    case EsitoRichiesta::Completa:
        break;
    }
    const auto& richiesta = lettura.richiesta;
    const auto codice =
        richiesta.ChiedeWebSocket() ? CodiceDaPercorso(richiesta.percorso) : std::nullopt;
    if (!codice) {
        const QByteArray risposta = RispondiHttp(socket, richiesta);
        RispondiEChiudi(socket, risposta,
                        kAttesaChiusuraMs +
                            static_cast<int>(risposta.size() / kByteAlSecondoMinimi) * 1000);
        return;
    }
    Connessione& connessione = connessioni_.at(id);
    if (!connessione.contata) {
        connessione.indirizzo = IndirizzoCliente(socket->peerAddress(), proxy_, richiesta);
        if (!perIndirizzo_.Prendi(connessione.indirizzo)) {
            Rifiuta(socket, RispostaErrore(429, "Too Many Requests",
                                           "Pentaludo: troppe connessioni da questo indirizzo."));
            return;
        }
        connessione.contata = true;
    }
    connessione.codice = QString::fromStdString(*codice);
    Consegna(socket, id);
}

void Ascoltatore::Consegna(QTcpSocket* socket, ServizioTavoli::IdConnessione id) {
    socket->disconnect(this);
    inLettura_.remove(socket);
    const QString chiave = ChiaveStretta(socket->peerAddress(), socket->peerPort());
    inStretta_.insert(chiave, id);
    // A handshake the WebSocket server refuses ends with the socket deleted, and no WebSocket.
    connect(socket, &QObject::destroyed, this, [this, chiave, id] {
        if (inStretta_.value(chiave) == id) {
            inStretta_.remove(chiave);
            Dimentica(id);
        }
    });
    socket->setParent(nullptr);
    webSocket_->handleConnection(socket);
}

void Ascoltatore::Rifiuta(QTcpSocket* socket, const QByteArray& risposta) {
    RispondiEChiudi(socket, risposta, kAttesaChiusuraMs);
}

void Ascoltatore::RispondiEChiudi(QTcpSocket* socket, const QByteArray& risposta, int attesaMs) {
    DimenticaTcp(socket);
    socket->disconnect(this);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(attesaMs, socket, [socket] { socket->abort(); });
    socket->write(risposta);
    socket->disconnectFromHost();
}

QByteArray Ascoltatore::RispondiHttp(QTcpSocket* socket, const RichiestaHttp& richiesta) {
    if (!pagina_ || richiesta.ChiedeWebSocket())
        return RispostaNonWebSocket(richiesta);
    if (!richiesteHttp_.Accetta(IndirizzoCliente(socket->peerAddress(), proxy_, richiesta),
                                orologio_.elapsed()))
        return RispostaErrore(429, "Too Many Requests",
                              "Pentaludo: troppe richieste da questo indirizzo, riprova fra poco.");
    return pagina_->Rispondi(richiesta);
}

void Ascoltatore::Dimentica(ServizioTavoli::IdConnessione id) {
    const auto trovata = connessioni_.find(id);
    if (trovata == connessioni_.end())
        return;
    if (trovata->second.contata)
        perIndirizzo_.Lascia(trovata->second.indirizzo);
    connessioni_.erase(trovata);
}

void Ascoltatore::DimenticaTcp(QTcpSocket* socket) {
    const auto trovato = inLettura_.find(socket);
    if (trovato == inLettura_.end())
        return;
    const auto id = trovato.value();
    inLettura_.erase(trovato);
    Dimentica(id);
}

void Ascoltatore::NuovoWebSocket() {
    while (webSocket_->hasPendingConnections()) {
        QWebSocket* socket = webSocket_->nextPendingConnection();
        if (!socket)
            break;
        socket->setParent(this);
        const auto id = inStretta_.take(ChiaveStretta(socket->peerAddress(), socket->peerPort()));
        const auto trovata = connessioni_.find(id);
        if (trovata == connessioni_.end() || socket->state() != QAbstractSocket::ConnectedState) {
            Dimentica(id);
            socket->abort();
            socket->deleteLater();
            continue;
        }
        Connessione& connessione = trovata->second;
        connessione.tcp = nullptr;
        connessione.webSocket = socket;
        connessione.limite.emplace(limiti_.messaggiAlSecondo, limiti_.raffica, orologio_.elapsed());
        socket->setMaxAllowedIncomingFrameSize(limiti_.massimoFrame);
        socket->setMaxAllowedIncomingMessageSize(limiti_.massimoFrame);
        aperte_.insert(socket, id);
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString& testo) { Testo(socket, testo); });
        connect(socket, &QWebSocket::binaryMessageReceived, this, [this, socket] {
            Chiudi(socket, QWebSocketProtocol::CloseCodeDatatypeNotSupported,
                   QStringLiteral("Solo messaggi di testo."));
        });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { Finito(socket); });
        connessione.aperta = true;
        try {
            servizio_.Apri(id, connessione.codice, connessione.indirizzo);
        } catch (const std::exception& errore) {
            qWarning("Apertura di una connessione: %s", errore.what());
            Chiudi(socket, QWebSocketProtocol::CloseCodeAbnormalDisconnection,
                   QStringLiteral("Errore del server."));
        }
    }
}

void Ascoltatore::Testo(QWebSocket* socket, const QString& testo) {
    const auto id = aperte_.value(socket);
    const auto trovata = connessioni_.find(id);
    if (trovata == connessioni_.end() || trovata->second.chiusa)
        return;
    if (!trovata->second.limite->Accetta(orologio_.elapsed())) {
        Chiudi(socket, QWebSocketProtocol::CloseCodePolicyViolated,
               QStringLiteral("Troppi messaggi al secondo."));
        return;
    }
    try {
        servizio_.Ricevi(id, testo);
    } catch (const std::exception& errore) {
        qWarning("Messaggio di una connessione: %s", errore.what());
    }
}

void Ascoltatore::Chiudi(QWebSocket* socket, QWebSocketProtocol::CloseCode codice,
                         const QString& motivo) {
    const auto trovata = connessioni_.find(aperte_.value(socket));
    if (trovata == connessioni_.end() || trovata->second.chiusa)
        return;
    trovata->second.chiusa = true;
    QTimer::singleShot(kAttesaChiusuraMs, socket, [socket] { socket->abort(); });
    socket->close(codice, motivo);
}

void Ascoltatore::Finito(QWebSocket* socket) {
    const auto trovato = aperte_.find(socket);
    if (trovato == aperte_.end())
        return;
    const auto id = trovato.value();
    aperte_.erase(trovato);
    const bool aperta = connessioni_.at(id).aperta;
    Dimentica(id);
    socket->deleteLater();
    if (!aperta)
        return;
    try {
        servizio_.Chiudi(id);
    } catch (const std::exception& errore) {
        qWarning("Chiusura di una connessione: %s", errore.what());
    }
}

void Ascoltatore::InviaA(ServizioTavoli::IdConnessione id, const QString& testo) {
    const auto trovata = connessioni_.find(id);
    if (trovata == connessioni_.end() || !trovata->second.webSocket || trovata->second.chiusa)
        return;
    QWebSocket* socket = trovata->second.webSocket;
    if (socket->bytesToWrite() > limiti_.massimoDaInviare) {
        Chiudi(socket, QWebSocketProtocol::CloseCodePolicyViolated,
               QStringLiteral("Il client non legge i messaggi."));
        return;
    }
    socket->sendTextMessage(testo);
}

void Ascoltatore::Disconnetti(ServizioTavoli::IdConnessione id, const QString& motivo) {
    const auto trovata = connessioni_.find(id);
    if (trovata == connessioni_.end() || !trovata->second.webSocket)
        return;
    Chiudi(trovata->second.webSocket, QWebSocketProtocol::CloseCodeNormal, motivo);
}
