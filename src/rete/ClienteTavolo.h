#pragma once

#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "rete/IndirizzoTavolo.h"
#include "rete/MessaggioServer.h"
#include "rete/Protocollo.h"

class QWebSocket;

// One person's connection to a table's server: opens the WebSocket, speaks the protocol and
// keeps what the seat sees as plain values. It decides nothing: the person's choices go out
// as they are made, and every message that comes back is told to whoever listens, after the
// view has taken it in. No widgets: the window and the tests use it alike.
class ClienteTavolo final : public QObject {
    Q_OBJECT
public:
    // Why a connection ended without the person asking; the window words each in its language.
    enum class Guasto {
        // Nobody answers at that address and port (or not in time).
        Irraggiungibile,
        // The server holds no table with that code.
        CodiceSconosciuto,
        // Five people sit at the table already.
        TavoloPieno,
        // The server speaks another version of the protocol.
        Versione,
        // The connection dropped after it was open.
        ConnessionePersa,
        // The server is stopping (the table is saved and comes back).
        ServerFermato,
        // The table closed.
        TavoloChiuso,
        // The server sent what is not a message of the protocol.
        MessaggioNonValido,
        // The server's TLS certificate is not one this system trusts (or not for that name).
        CertificatoNonFidato,
    };
    Q_ENUM(Guasto)

    explicit ClienteTavolo(QObject* padre = nullptr);
    ~ClienteTavolo() override;

    // Connects to the server (the address's code is ignored) and creates a table.
    void Crea(const IndirizzoTavolo& server, const ImpostazioniTavolo& impostazioni);
    // Connects to the table of the address's code; with a seat and its token, takes the seat
    // back as soon as the table is seen.
    void Unisciti(const IndirizzoTavolo& tavolo, int postoRientro = -1,
                  const QString& gettone = {});
    // Leaves the table: the seat stays (a computer plays it) and can be taken back.
    void Esci();

    void Siedi(int posto, const QString& nome);
    void Comincia();
    void Chiama(const Chiamata& chiamata);
    void NominaBriscola(int seme);
    void GiocaCarta(const Carta& carta);
    void Conferma();
    void Chat(const QString& testo);

    bool Aperto() const { return aperto; }
    const VistaTavolo& Vista() const { return vista; }
    const IndirizzoTavolo& Indirizzo() const { return indirizzo; }
    // The token of the seat taken here, to come back with; empty before.
    const QString& Gettone() const { return gettone; }
    // Certificates accepted from a TLS server besides what the system trusts: a server that
    // shows exactly one of them is taken whatever its name (the hosting window's own server
    // on the loopback address). Any other certificate the system does not trust fails.
    void FidatiAnche(const QList<QSslCertificate>& certificati) { fidati = certificati; }
    // How long the connection may take to open.
    void ImpostaAttesaConnessione(int millisecondi) { attesaConnessione = millisecondi; }

signals:
    // A message of the server, once the view holds it.
    void Ricevuto(const MessaggioServer& messaggio);
    // The server refused a request (the table goes on): its code and Italian message.
    void Rifiutato(const QString& codice, const QString& messaggio);
    // The connection is over, not by Esci; dettaglio is the server's or the socket's word.
    void Perso(ClienteTavolo::Guasto guasto, const QString& dettaglio);

private:
    std::unique_ptr<QWebSocket> socket;
    QTimer timerConnessione;
    int attesaConnessione = 10000;
    IndirizzoTavolo indirizzo;
    std::optional<ImpostazioniTavolo> daCreare;
    int postoRientro = -1;
    QString gettoneRientro;
    bool aperto = false;
    bool finito = false;
    VistaTavolo vista;
    QString gettone;
    QList<QSslCertificate> fidati;
    QString erroriTls;

    void Apri(const QUrl& url);
    void Manda(const QJsonObject& messaggio);
    void Leggi(const QString& testo);
    void Tratta(const MessaggioServer& messaggio);
    void Termina(Guasto guasto, const QString& dettaglio);
    void Disconnesso();
};
