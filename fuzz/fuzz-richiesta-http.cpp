// The start of an HTTP request as the network listener reads it from anyone: any bytes, any
// size limit. What it accepts is a well-formed request start within the bytes and the limit,
// and reading the same bytes again gives the same answer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Controlla.h"
#include "rete/RichiestaHttp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    if (dimensione < 2)
        return 0;
    // The first two bytes choose the limit, so that the edges of the limit are tried too.
    const std::size_t massimo = (static_cast<std::size_t>(dati[0]) << 8 | dati[1]) % 9000;
    const std::string_view testo(reinterpret_cast<const char*>(dati + 2), dimensione - 2);
    const auto lettura = LeggiRichiestaHttp(testo, massimo);
    const auto ancora = LeggiRichiestaHttp(testo, massimo);
    CONTROLLA(lettura.esito == ancora.esito);
    switch (lettura.esito) {
    case EsitoRichiesta::Incompleta:
        CONTROLLA(testo.size() < massimo);
        CONTROLLA(testo.find("\r\n\r\n") == std::string_view::npos);
        return 0;
    case EsitoRichiesta::TroppoLunga:
        CONTROLLA(testo.size() >= massimo);
        return 0;
    case EsitoRichiesta::Malformata:
        return 0;
    case EsitoRichiesta::Completa:
        break;
    }
    const auto& richiesta = lettura.richiesta;
    CONTROLLA(richiesta.lunghezza >= 4 && richiesta.lunghezza <= std::min(testo.size(), massimo));
    CONTROLLA(testo.substr(richiesta.lunghezza - 4, 4) == "\r\n\r\n");
    CONTROLLA(!richiesta.percorso.empty() && richiesta.percorso.front() == '/');
    CONTROLLA(richiesta.percorso.find_first_of(" ?\r\n") == std::string::npos);
    for (const auto& [nome, valore] : richiesta.intestazioni) {
        CONTROLLA(!nome.empty());
        CONTROLLA(
            std::none_of(nome.begin(), nome.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
        CONTROLLA(valore.find_first_of("\r\n") == std::string::npos);
    }
    const std::string inoltro = richiesta.UltimoInoltro();
    CONTROLLA(inoltro.find(',') == std::string::npos);
    richiesta.ChiedeWebSocket();
    if (const auto codice = CodiceDaPercorso(richiesta.percorso)) {
        CONTROLLA(codice->size() <= 64);
        CONTROLLA(codice->find_first_not_of(
                      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_") ==
                  std::string::npos);
    }
    return 0;
}
