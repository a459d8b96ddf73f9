#pragma once

#include <QHostAddress>
#include <QString>

struct RichiestaHttp;

// An address as the limits count it: an IPv4 client reached through an IPv6 socket is the
// same client as over IPv4.
QString NomeIndirizzo(const QHostAddress& indirizzo);

// Whether the TCP peer is the reverse proxy the server was told to trust (a null proxy: none).
bool DalProxy(const QHostAddress& pari, const QHostAddress& proxy);

// The client a connection speaks for: the last hop of X-Forwarded-For when the TCP peer is the
// trusted proxy and the header names a valid address; otherwise the peer itself, whatever any
// header says.
QString IndirizzoCliente(const QHostAddress& pari, const QHostAddress& proxy,
                         const RichiestaHttp& richiesta);
