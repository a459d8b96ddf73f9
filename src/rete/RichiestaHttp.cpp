#include "rete/RichiestaHttp.h"

#include <algorithm>

namespace {

constexpr std::string_view kFineIntestazioni = "\r\n\r\n";
constexpr std::size_t kMassimoCodice = 64;

char Minuscola(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string InMinuscolo(std::string_view testo) {
    std::string risultato(testo);
    std::transform(risultato.begin(), risultato.end(), risultato.begin(), Minuscola);
    return risultato;
}

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Minuscola(x) == Minuscola(y);
           });
}

std::string_view SenzaSpazi(std::string_view testo) {
    const auto spazio = [](char c) { return c == ' ' || c == '\t'; };
    while (!testo.empty() && spazio(testo.front()))
        testo.remove_prefix(1);
    while (!testo.empty() && spazio(testo.back()))
        testo.remove_suffix(1);
    return testo;
}

// The characters HTTP allows in a method or a header's name.
bool CarattereDiToken(char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool Token(std::string_view testo) {
    return !testo.empty() && std::all_of(testo.begin(), testo.end(), CarattereDiToken);
}

bool Visibile(char c) {
    return static_cast<unsigned char>(c) > 0x20 && c != 0x7f;
}

// A header's value: visible characters, blanks and any byte above ASCII, no control character.
bool ValoreAccettabile(std::string_view valore) {
    return std::all_of(valore.begin(), valore.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u == '\t' || (u >= 0x20 && u != 0x7f);
    });
}

// Splits a comma-separated header value and tells whether one of its items is `voce`.
bool ContieneVoce(std::string_view valore, std::string_view voce) {
    while (true) {
        const auto virgola = valore.find(',');
        if (UgualiSenzaMaiuscole(SenzaSpazi(valore.substr(0, virgola)), voce))
            return true;
        if (virgola == std::string_view::npos)
            return false;
        valore.remove_prefix(virgola + 1);
    }
}

bool LeggiRigaRichiesta(std::string_view riga, RichiestaHttp& richiesta) {
    const auto primo = riga.find(' ');
    if (primo == std::string_view::npos)
        return false;
    const auto secondo = riga.find(' ', primo + 1);
    if (secondo == std::string_view::npos || riga.find(' ', secondo + 1) != std::string_view::npos)
        return false;
    const auto metodo = riga.substr(0, primo);
    const auto bersaglio = riga.substr(primo + 1, secondo - primo - 1);
    const auto versione = riga.substr(secondo + 1);
    if (!Token(metodo) || bersaglio.empty() || bersaglio.front() != '/' ||
        !std::all_of(bersaglio.begin(), bersaglio.end(), Visibile))
        return false;
    if (versione != "HTTP/1.1" && versione != "HTTP/1.0")
        return false;
    richiesta.metodo = metodo;
    richiesta.percorso = bersaglio.substr(0, bersaglio.find('?'));
    richiesta.versione = versione;
    return true;
}

} // namespace

std::string RichiestaHttp::Intestazione(std::string_view nome) const {
    std::string valore;
    for (const auto& [chiave, testo] : intestazioni) {
        if (!UgualiSenzaMaiuscole(chiave, nome))
            continue;
        if (!valore.empty())
            valore += ", ";
        valore += testo;
    }
    return valore;
}

bool RichiestaHttp::ChiedeWebSocket() const {
    return metodo == "GET" && ContieneVoce(Intestazione("upgrade"), "websocket") &&
           ContieneVoce(Intestazione("connection"), "upgrade");
}

std::string RichiestaHttp::UltimoInoltro() const {
    const std::string valore = Intestazione("x-forwarded-for");
    const auto virgola = valore.rfind(',');
    const std::string_view ultimo = virgola == std::string::npos
                                        ? std::string_view(valore)
                                        : std::string_view(valore).substr(virgola + 1);
    return std::string(SenzaSpazi(ultimo));
}

LetturaRichiesta LeggiRichiestaHttp(std::string_view dati, std::size_t massimo) {
    LetturaRichiesta lettura;
    const auto fine = dati.substr(0, massimo).find(kFineIntestazioni);
    if (fine == std::string_view::npos) {
        lettura.esito =
            dati.size() >= massimo ? EsitoRichiesta::TroppoLunga : EsitoRichiesta::Incompleta;
        return lettura;
    }
    lettura.esito = EsitoRichiesta::Malformata;
    RichiestaHttp richiesta;
    richiesta.lunghezza = fine + kFineIntestazioni.size();
    std::string_view resto = dati.substr(0, fine + 2);
    bool primaRiga = true;
    while (!resto.empty()) {
        const auto a_capo = resto.find("\r\n");
        const auto riga = resto.substr(0, a_capo);
        resto.remove_prefix(a_capo + 2);
        if (primaRiga) {
            if (!LeggiRigaRichiesta(riga, richiesta))
                return lettura;
            primaRiga = false;
            continue;
        }
        // A bare CR or LF inside a line, or a folded line, is not a header a server must read.
        const auto duePunti = riga.find(':');
        if (duePunti == std::string_view::npos || !Token(riga.substr(0, duePunti)))
            return lettura;
        const auto valore = SenzaSpazi(riga.substr(duePunti + 1));
        if (!ValoreAccettabile(valore))
            return lettura;
        richiesta.intestazioni.emplace_back(InMinuscolo(riga.substr(0, duePunti)),
                                            std::string(valore));
    }
    lettura.esito = EsitoRichiesta::Completa;
    lettura.richiesta = std::move(richiesta);
    return lettura;
}

std::optional<std::string> CodiceDaPercorso(std::string_view percorso) {
    constexpr std::string_view kRadice = "/ws";
    if (percorso == kRadice)
        return std::string();
    if (percorso.substr(0, kRadice.size() + 1) != "/ws/")
        return std::nullopt;
    const auto codice = percorso.substr(kRadice.size() + 1);
    const bool valido = !codice.empty() && codice.size() <= kMassimoCodice &&
                        std::all_of(codice.begin(), codice.end(), [](char c) {
                            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                   (c >= '0' && c <= '9') || c == '-' || c == '_';
                        });
    if (!valido)
        return std::nullopt;
    return std::string(codice);
}
