#pragma once

#include <QByteArray>

struct RichiestaHttp;

// What the listener says to a connection it will not hand to the WebSocket server; the
// connection closes after it.

// A request that does not become a WebSocket on one of the game's paths: the one place that
// answers plain HTTP.
QByteArray RispostaNonWebSocket(const RichiestaHttp& richiesta);

// A refusal before or instead of a readable request: a status with its short Italian text.
QByteArray RispostaErrore(int stato, const char* motivo, const QByteArray& testo);
