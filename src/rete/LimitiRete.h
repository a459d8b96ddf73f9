#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>

// The listener's limits against slow, greedy or hostile clients; each has a safe default for a
// server that faces the internet.
struct LimitiRete {
    // The request line and headers of a connection, before it becomes a WebSocket.
    int massimoIntestazioni = 8 * 1024;
    // A client that has not sent its whole request start by then is dropped.
    int attesaIntestazioniMs = 10000;
    // The largest frame and message a client may send.
    std::uint64_t massimoFrame = 4 * 1024;
    // Messages a connection may send each second on average, and at once after a quiet spell.
    int messaggiAlSecondo = 20;
    int raffica = 40;
    // Connections open at once from one address, and in all.
    int connessioniPerIndirizzo = 16;
    int connessioniTotali = 20000;
    // The address of the reverse proxy in front of the server: only a connection from there
    // may name its client in X-Forwarded-For. Empty: no proxy, the header is ignored.
    QString proxy;
    // Bytes waiting to go to a client that does not read them; past this it is cut off.
    qint64 massimoDaInviare = 1024 * 1024;
    // A TLS handshake that does not end by then is dropped.
    int attesaTlsMs = 10000;
    // Plain HTTP requests (the browser page's files) an address may make each second on
    // average, and at once: a first visit asks for some sixty files.
    int richiesteHttpAlSecondo = 20;
    int rafficaHttp = 150;
};
