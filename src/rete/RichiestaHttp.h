#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The start of an HTTP request (request line and headers) as a client sent it, read before the
// connection is handed on. Standard C++ only: it reads bytes from anyone on the network.
struct RichiestaHttp {
    std::string metodo;
    // The target's path, without the query.
    std::string percorso;
    std::string versione;
    // Names in lower case, values without the surrounding blanks, in the order sent.
    std::vector<std::pair<std::string, std::string>> intestazioni;
    // Bytes of the request start, the blank line included.
    std::size_t lunghezza = 0;

    // Every value of a header (by name in any case) joined by commas, as HTTP allows; empty
    // when absent.
    std::string Intestazione(std::string_view nome) const;
    // A GET that asks to become a WebSocket (the handshake's other checks are the WebSocket
    // server's).
    bool ChiedeWebSocket() const;
    // The last hop of X-Forwarded-For, the address the proxy itself saw; empty when absent.
    std::string UltimoInoltro() const;
};

enum class EsitoRichiesta {
    Incompleta, // the blank line has not arrived yet
    Completa,
    Malformata,
    TroppoLunga, // no blank line within the size allowed
};

struct LetturaRichiesta {
    EsitoRichiesta esito = EsitoRichiesta::Incompleta;
    RichiestaHttp richiesta; // meaningful only when Completa
};

// Reads the request start at the head of the bytes received so far, allowing at most
// `massimo` bytes for it.
LetturaRichiesta LeggiRichiestaHttp(std::string_view dati, std::size_t massimo);

// The table code of a WebSocket path: "" for "/ws", CODE for "/ws/CODE" (1 to 64 letters,
// digits, '-' or '_'); nothing for any other path.
std::optional<std::string> CodiceDaPercorso(std::string_view percorso);
