#include "rete/ClienteTavolo.h"

#include <QSslConfiguration>
#include <QSslError>
#include <QStringList>
#include <QWebSocket>
#include <algorithm>

#include "comune/Errore.h"

namespace {

QString CodiceSeme(int seme) {
    return QStringLiteral("CQFP").mid(seme, 1);
}

bool TavoloPieno(const VistaTavolo& vista) {
    return std::all_of(vista.posti.begin(), vista.posti.end(),
                       [](const PostoVisto& p) { return p.persona; });
}

} // namespace

ClienteTavolo::ClienteTavolo(QObject* padre) : QObject(padre) {
    timerConnessione.setSingleShot(true);
    connect(&timerConnessione, &QTimer::timeout, this, [this] {
        if (!erroriTls.isEmpty()) {
            Termina(Guasto::CertificatoNonFidato, erroriTls);
        } else {
            Termina(Guasto::Irraggiungibile, QStringLiteral("timeout"));
        }
    });
}

ClienteTavolo::~ClienteTavolo() {
    if (socket) {
        socket->disconnect(this);
    }
}

void ClienteTavolo::Crea(const IndirizzoTavolo& server, const ImpostazioniTavolo& impostazioni) {
    indirizzo = server;
    indirizzo.codice.clear();
    daCreare = impostazioni;
    postoRientro = -1;
    Apri(indirizzo.UrlWebSocket());
}

void ClienteTavolo::Unisciti(const IndirizzoTavolo& tavolo, int posto, const QString& token) {
    indirizzo = tavolo;
    daCreare.reset();
    postoRientro = posto;
    gettoneRientro = token;
    Apri(indirizzo.UrlWebSocket());
}

void ClienteTavolo::Apri(const QUrl& url) {
    if (socket) {
        socket->disconnect(this);
        socket->abort();
    }
    vista = VistaTavolo{};
    gettone.clear();
    aperto = false;
    finito = false;
    socket = std::make_unique<QWebSocket>();
    QWebSocket* s = socket.get();
    connect(s, &QWebSocket::connected, this, [this] {
        timerConnessione.stop();
        aperto = true;
        Manda({{QStringLiteral("tipo"), QStringLiteral("ciao")},
               {QStringLiteral("versione"), kVersioneProtocollo}});
    });
    connect(s, &QWebSocket::textMessageReceived, this, &ClienteTavolo::Leggi);
    erroriTls.clear();
    connect(s, &QWebSocket::sslErrors, this, [this, s](const QList<QSslError>& errori) {
        if (fidati.contains(s->sslConfiguration().peerCertificate())) {
            s->ignoreSslErrors();
            return;
        }
        // Never taken silently: the connection fails, and says why.
        QStringList testi;
        for (const QSslError& errore : errori) {
            testi << errore.errorString();
        }
        erroriTls = testi.join(QStringLiteral("; "));
    });
    connect(s, &QWebSocket::disconnected, this, &ClienteTavolo::Disconnesso);
    timerConnessione.start(attesaConnessione);
    s->open(url);
}

void ClienteTavolo::Esci() {
    timerConnessione.stop();
    finito = true;
    aperto = false;
    if (socket) {
        socket->disconnect(this);
        socket->close();
        // Closed and gone once its close handshake is over, not under its own signal.
        socket.release()->deleteLater();
    }
}

void ClienteTavolo::Manda(const QJsonObject& messaggio) {
    if (socket && aperto) {
        socket->sendTextMessage(Codifica(messaggio));
    }
}

void ClienteTavolo::Siedi(int posto, const QString& nome) {
    Manda({{QStringLiteral("tipo"), QStringLiteral("siedi")},
           {QStringLiteral("posto"), posto},
           {QStringLiteral("nome"), nome}});
}

void ClienteTavolo::Comincia() {
    Manda({{QStringLiteral("tipo"), QStringLiteral("comincia")}});
}

void ClienteTavolo::Chiama(const Chiamata& chiamata) {
    Manda({{QStringLiteral("tipo"), QStringLiteral("chiamata")},
           {QStringLiteral("chiamata"), CodiceChiamata(chiamata)}});
}

void ClienteTavolo::NominaBriscola(int seme) {
    if (seme >= 0 && seme < 4) {
        Manda({{QStringLiteral("tipo"), QStringLiteral("briscola")},
               {QStringLiteral("seme"), CodiceSeme(seme)}});
    }
}

void ClienteTavolo::GiocaCarta(const Carta& carta) {
    if (carta.Definita()) {
        Manda({{QStringLiteral("tipo"), QStringLiteral("carta")},
               {QStringLiteral("carta"), CodiceCartaRete(carta)}});
    }
}

void ClienteTavolo::Conferma() {
    Manda({{QStringLiteral("tipo"), QStringLiteral("conferma")}});
}

void ClienteTavolo::Chat(const QString& testo) {
    Manda({{QStringLiteral("tipo"), QStringLiteral("chat")}, {QStringLiteral("testo"), testo}});
}

void ClienteTavolo::Leggi(const QString& testo) {
    if (finito) {
        return;
    }
    MessaggioServer messaggio;
    try {
        messaggio = DecodificaMessaggioServer(testo);
    } catch (const Errore& e) {
        Termina(Guasto::MessaggioNonValido, QString::fromStdString(e.what()));
        return;
    }
    Tratta(messaggio);
}

void ClienteTavolo::Tratta(const MessaggioServer& messaggio) {
    using Tipo = MessaggioServer::Tipo;
    switch (messaggio.tipo) {
    case Tipo::Errore:
        if (messaggio.codice == QLatin1String("versione")) {
            Termina(Guasto::Versione, messaggio.testo);
        } else if (messaggio.codice == QLatin1String("tavolo") && vista.codice.isEmpty()) {
            Termina(Guasto::CodiceSconosciuto, messaggio.testo);
        } else {
            emit Rifiutato(messaggio.codice, messaggio.testo);
        }
        return;
    case Tipo::Chiusura:
        Termina(Guasto::TavoloChiuso, messaggio.testo);
        return;
    case Tipo::Arresto:
        Termina(Guasto::ServerFermato, messaggio.testo);
        return;
    case Tipo::Benvenuto:
        if (daCreare) {
            const ImpostazioniTavolo& i = *daCreare;
            Manda({{QStringLiteral("tipo"), QStringLiteral("crea")},
                   {QStringLiteral("nome"), i.nome},
                   {QStringLiteral("manoAlBuio"), i.manoAlBuio},
                   {QStringLiteral("computer"), NomeComputer(i.computer)},
                   {QStringLiteral("tempoTurno"), i.tempoTurno},
                   {QStringLiteral("suggerimenti"), i.suggerimenti}});
        }
        break;
    case Tipo::Creato:
        indirizzo.codice = messaggio.codice;
        break;
    case Tipo::Seduto:
        postoRientro = -1;
        if (!messaggio.gettone.isEmpty()) {
            gettone = messaggio.gettone;
        }
        break;
    default:
        break;
    }
    AggiornaVista(vista, messaggio);
    if (messaggio.tipo == Tipo::Stato && vista.posto < 0) {
        if (postoRientro >= 0) {
            gettone = gettoneRientro;
            Manda({{QStringLiteral("tipo"), QStringLiteral("rientra")},
                   {QStringLiteral("posto"), postoRientro},
                   {QStringLiteral("gettone"), gettoneRientro}});
        } else if (!daCreare && TavoloPieno(vista)) {
            Termina(Guasto::TavoloPieno, {});
            return;
        }
    }
    emit Ricevuto(messaggio);
}

void ClienteTavolo::Termina(Guasto guasto, const QString& dettaglio) {
    if (finito) {
        return;
    }
    Esci();
    emit Perso(guasto, dettaglio);
}

void ClienteTavolo::Disconnesso() {
    if (finito) {
        return;
    }
    const bool eraAperto = aperto;
    if (!eraAperto && !erroriTls.isEmpty()) {
        Termina(Guasto::CertificatoNonFidato, erroriTls);
        return;
    }
    const QString dettaglio = socket ? socket->errorString() : QString();
    Termina(eraAperto ? Guasto::ConnessionePersa : Guasto::Irraggiungibile, dettaglio);
}
