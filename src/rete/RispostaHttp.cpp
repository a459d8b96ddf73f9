#include "rete/RispostaHttp.h"

#include "rete/RichiestaHttp.h"

QByteArray RispostaErrore(int stato, const char* motivo, const QByteArray& testo) {
    const QByteArray corpo = testo + '\n';
    return "HTTP/1.1 " + QByteArray::number(stato) + ' ' + motivo +
           "\r\n"
           "Content-Type: text/plain; charset=utf-8\r\n"
           "Content-Length: " +
           QByteArray::number(corpo.size()) +
           "\r\n"
           "Connection: close\r\n"
           "\r\n" +
           corpo;
}

QByteArray RispostaNonWebSocket(const RichiestaHttp& richiesta) {
    if (richiesta.ChiedeWebSocket())
        return RispostaErrore(
            404, "Not Found",
            "Pentaludo: percorso sconosciuto; i tavoli sono su /ws e /ws/CODICE.");
    return RispostaErrore(404, "Not Found",
                          "Pentaludo: qui si gioca con un client WebSocket su /ws.");
}
