#include "rete/IndirizzoTavolo.h"

#include <QHostAddress>

#include "comune/Errore.h"
#include "rete/CodiciTavolo.h"

namespace {

QString HostPerUrl(const QString& host) {
    return host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
}

QString CodiceDaLink(const QUrl& url) {
    const QString schema = url.scheme();
    if (schema == QLatin1String("http") || schema == QLatin1String("https")) {
        return url.fragment();
    }
    const QString percorso = url.path();
    const QString prefisso = QStringLiteral("/ws/");
    return percorso.startsWith(prefisso) ? percorso.mid(prefisso.size()) : QString();
}

} // namespace

QUrl IndirizzoTavolo::UrlWebSocket() const {
    QUrl url;
    url.setScheme(tls ? QStringLiteral("wss") : QStringLiteral("ws"));
    url.setHost(host);
    url.setPort(porta);
    url.setPath(codice.isEmpty() ? QStringLiteral("/ws") : QStringLiteral("/ws/") + codice);
    return url;
}

QString IndirizzoTavolo::Link() const {
    return QStringLiteral("%1://%2/#%3")
        .arg(tls ? QStringLiteral("https") : QStringLiteral("http"), Server(), codice);
}

QString IndirizzoTavolo::Server() const {
    return HostPerUrl(host) + QLatin1Char(':') + QString::number(porta);
}

IndirizzoTavolo LeggiIndirizzoTavolo(const QString& server, const QString& codice,
                                     quint16 portaPredefinita) {
    const QString testo = server.trimmed();
    if (testo.isEmpty()) {
        throw Errore("Scrivi l'indirizzo del server (o incolla il collegamento del tavolo)");
    }
    IndirizzoTavolo indirizzo;
    QUrl url;
    if (testo.contains(QStringLiteral("://"))) {
        url = QUrl(testo, QUrl::StrictMode);
        const QString schema = url.scheme().toLower();
        if (schema != QLatin1String("http") && schema != QLatin1String("https") &&
            schema != QLatin1String("ws") && schema != QLatin1String("wss")) {
            throw Errore("Collegamento non valido: deve cominciare con http://, https://, ws:// "
                         "o wss://");
        }
        indirizzo.tls = schema == QLatin1String("https") || schema == QLatin1String("wss");
        indirizzo.codice = CodiceDaLink(url);
    } else {
        // A bare IPv6 address has colons of its own: only in brackets may it carry a port.
        const QHostAddress nudo(testo);
        url =
            QUrl(QStringLiteral("ws://") +
                     (nudo.protocol() == QAbstractSocket::IPv6Protocol ? HostPerUrl(testo) : testo),
                 QUrl::StrictMode);
        if (!url.path().isEmpty() || url.hasQuery() || url.hasFragment()) {
            throw Errore("Indirizzo del server non valido: " + testo.left(60).toStdString());
        }
    }
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty()) {
        throw Errore("Indirizzo del server non valido: " + testo.left(60).toStdString());
    }
    indirizzo.host = url.host();
    const int porta = url.port(portaPredefinita);
    if (porta <= 0 || porta > 65535) {
        throw Errore("Porta non valida: deve essere un numero da 1 a 65535");
    }
    indirizzo.porta = static_cast<quint16>(porta);
    const QString codiceScritto = codice.trimmed();
    if (!codiceScritto.isEmpty()) {
        indirizzo.codice = codiceScritto;
    }
    if (indirizzo.codice.isEmpty()) {
        throw Errore("Scrivi il codice del tavolo");
    }
    if (!CodiceAmmissibile(indirizzo.codice)) {
        throw Errore("Codice del tavolo non valido: " + indirizzo.codice.left(64).toStdString());
    }
    return indirizzo;
}
