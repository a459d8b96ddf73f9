#pragma once

#include <QString>
#include <QUrl>
#include <QtGlobal>

// Where a table is: the WebSocket address of its server and its code. People pass it on as a
// link ("http://HOST:PORT/#CODE", "https://" when the server has TLS), which a browser opens as
// the table's page and the window reads back; the window also takes the WebSocket address
// itself ("ws://HOST:PORT/ws/CODE", "wss://...") or a server and a code typed apart.
struct IndirizzoTavolo {
    QString host;
    quint16 porta = 0;
    bool tls = false;
    QString codice;

    // The WebSocket URL that joins the table (or, without a code, creates one).
    QUrl UrlWebSocket() const;
    // The link to give to friends.
    QString Link() const;
    // "host:porta" as a person types it (IPv6 addresses in brackets).
    QString Server() const;
};

// Reads what a person typed: server is a name or address with an optional port, or a whole
// link (then codice may be empty); codice the table's code. Raises Errore with an Italian
// message naming what is wrong.
IndirizzoTavolo LeggiIndirizzoTavolo(const QString& server, const QString& codice,
                                     quint16 portaPredefinita);
