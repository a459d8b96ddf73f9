#include "rete/PercorsoPagina.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::size_t kLunghezzaMassima = 200;
constexpr int kSegmentiMassimi = 4;

constexpr std::array<std::pair<std::string_view, const char*>, 7> kTipi{{
    {"html", "text/html; charset=utf-8"},
    {"css", "text/css; charset=utf-8"},
    {"js", "text/javascript; charset=utf-8"},
    {"json", "application/json"},
    {"png", "image/png"},
    {"svg", "image/svg+xml"},
    {"ico", "image/x-icon"},
}};

int Esadecimale(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool Ammesso(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '@' || c == '.';
}

// A segment as sent, decoded; nothing when it is not one of ours.
std::optional<std::string> Segmento(std::string_view grezzo) {
    std::string segmento;
    for (std::size_t i = 0; i < grezzo.size(); ++i) {
        char c = grezzo[i];
        if (c == '%') {
            if (i + 2 >= grezzo.size())
                return std::nullopt;
            const int alto = Esadecimale(grezzo[i + 1]);
            const int basso = Esadecimale(grezzo[i + 2]);
            if (alto < 0 || basso < 0)
                return std::nullopt;
            c = static_cast<char>(alto * 16 + basso);
            i += 2;
        }
        if (!Ammesso(c))
            return std::nullopt;
        segmento += c;
    }
    if (segmento.empty() || segmento.front() == '.')
        return std::nullopt;
    return segmento;
}

} // namespace

std::optional<std::string> FileDaPercorso(std::string_view percorso) {
    if (percorso.empty() || percorso.front() != '/' || percorso.size() > kLunghezzaMassima)
        return std::nullopt;
    if (percorso == "/")
        return std::string("index.html");
    std::string file;
    int segmenti = 0;
    std::string_view resto = percorso.substr(1);
    while (true) {
        const auto barra = resto.find('/');
        const auto segmento = Segmento(resto.substr(0, barra));
        if (!segmento || ++segmenti > kSegmentiMassimi)
            return std::nullopt;
        if (!file.empty())
            file += '/';
        file += *segmento;
        if (barra == std::string_view::npos)
            break;
        resto.remove_prefix(barra + 1);
    }
    if (!TipoContenuto(file))
        return std::nullopt;
    return file;
}

const char* TipoContenuto(std::string_view file) {
    const auto punto = file.rfind('.');
    const auto barra = file.rfind('/');
    if (punto == std::string_view::npos || (barra != std::string_view::npos && punto < barra))
        return nullptr;
    const std::string_view estensione = file.substr(punto + 1);
    const auto trovato = std::find_if(kTipi.begin(), kTipi.end(),
                                      [&](const auto& tipo) { return tipo.first == estensione; });
    return trovato == kTipi.end() ? nullptr : trovato->second;
}
