// The .bri file of a saved series: little-endian, a fixed header, then 80 bytes for each
// game held in the ring.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "comune/Testo.h"
#include "partita/TipoStoriaPartite.h"

namespace {

constexpr std::size_t kByteIntestazione = 4 + 4 + 5 * (1 + 4 * 3) * 4;
constexpr std::size_t kBytePartita = 5 * 8 + 4 + 4 + 12 + 20;

std::size_t I(int i) {
    return static_cast<std::size_t>(i);
}

void ScriviInt32(std::vector<std::uint8_t>& out, std::int32_t valore) {
    const auto v = static_cast<std::uint32_t>(valore);
    for (int k = 0; k < 4; ++k) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
    }
}

std::int32_t LeggiInt32(const std::string& byte, std::size_t posizione) {
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(byte[posizione + k])) << (8 * k);
    }
    return static_cast<std::int32_t>(v);
}

bool SeggioValido(int seggio) {
    return seggio >= 0 && seggio <= 4;
}

// A bid on the ladder: a rank with 60 points, or the Due with 61..120.
bool ChiamataValida(const Chiamata& c) {
    if (c.Seme < -1 || c.Seme > 3) {
        return false;
    }
    if (c.Valore >= 1 && c.Valore <= 9) {
        return c.Punti == 60;
    }
    return c.Valore == 0 && c.Punti >= 60 && c.Punti <= 120;
}

} // namespace

bool TipoStoriaPartite::Salva(const std::string& nome) const {
    std::vector<std::uint8_t> out;
    ScriviInt32(out, 1);
    ScriviInt32(out, numeroPartite);
    for (int s = 0; s < 5; ++s) {
        ScriviInt32(out, totale[I(s)]);
        for (int ruolo = 0; ruolo < 4; ++ruolo) {
            for (int esito = 0; esito < 3; ++esito) {
                ScriviInt32(out, statistiche[I(ruolo)][I(esito)][I(s)]);
            }
        }
    }
    const int tenute = std::min(numeroPartite, kPartiteTenute);
    for (int g = 0; g < tenute; ++g) {
        const PartitaGiocata& p = (*partite)[I(g)];
        // The game as it lies in memory: scores, card points, two bytes of alignment, the
        // bid. Each seat's score and points fields are four bytes read from it.
        std::vector<std::uint8_t> e;
        for (int s = 0; s < 5; ++s) {
            e.push_back(static_cast<std::uint8_t>(p.punteggio[I(s)]));
        }
        for (int s = 0; s < 5; ++s) {
            e.push_back(p.punti[I(s)]);
        }
        e.push_back(0);
        e.push_back(0);
        ScriviInt32(e, p.chiamata.Seme);
        ScriviInt32(e, p.chiamata.Valore);
        ScriviInt32(e, p.chiamata.Punti);
        for (int s = 0; s < 5; ++s) {
            for (int k = 0; k < 4; ++k) {
                out.push_back(e[I(s + k)]);
            }
            for (int k = 0; k < 4; ++k) {
                out.push_back(e[I(5 + s + k)]);
            }
        }
        ScriviInt32(out, p.chiamante);
        ScriviInt32(out, p.socio);
        ScriviInt32(out, p.chiamata.Seme);
        ScriviInt32(out, p.chiamata.Valore);
        ScriviInt32(out, p.chiamata.Punti);
        for (int k = 0; k < 20; ++k) {
            const auto basso = static_cast<std::uint8_t>(p.mazzo[I(2 * k)] & 0x0F);
            const auto alto = static_cast<std::uint8_t>(p.mazzo[I(2 * k + 1)] & 0x0F);
            out.push_back(static_cast<std::uint8_t>(basso | (alto << 4)));
        }
    }

    // Written beside the target and renamed over it, so that a failed save never destroys
    // an earlier one.
    const std::string temporaneo = nome + ".tmp";
    {
        std::ofstream file(temporaneo, std::ios::binary | std::ios::trunc);
        if (!file) {
            return false;
        }
        file.write(reinterpret_cast<const char*>(out.data()),
                   static_cast<std::streamsize>(out.size()));
        file.close();
        if (!file) {
            std::remove(temporaneo.c_str());
            return false;
        }
    }
    std::error_code errore;
    std::filesystem::rename(temporaneo, nome, errore);
    if (errore) {
        std::remove(temporaneo.c_str());
        return false;
    }
    return true;
}

bool TipoStoriaPartite::Carica(const std::string& nome) {
    const auto letto = LeggiFile(nome, kByteIntestazione + kBytePartita * I(kPartiteTenute));
    if (!letto) {
        return false;
    }
    const std::string& byte = *letto;
    if (byte.size() < kByteIntestazione) {
        return false;
    }
    const std::int32_t numero = LeggiInt32(byte, 4);
    if (numero < 0) {
        return false;
    }
    const int tenute = std::min(numero, kPartiteTenute);
    if (byte.size() != kByteIntestazione + kBytePartita * I(tenute)) {
        return false;
    }

    // Everything is read into a new history first, so that a bad file changes nothing.
    TipoStoriaPartite nuova;
    nuova.numeroPartite = numero;
    std::size_t pos = 8;
    for (int s = 0; s < 5; ++s) {
        nuova.totale[I(s)] = LeggiInt32(byte, pos);
        pos += 4;
        for (int ruolo = 0; ruolo < 4; ++ruolo) {
            for (int esito = 0; esito < 3; ++esito) {
                nuova.statistiche[I(ruolo)][I(esito)][I(s)] = LeggiInt32(byte, pos);
                pos += 4;
            }
        }
    }
    for (int g = 0; g < tenute; ++g) {
        PartitaGiocata& p = (*nuova.partite)[I(g)];
        for (int s = 0; s < 5; ++s) {
            p.punteggio[I(s)] = static_cast<std::int8_t>(byte[pos]);
            p.punti[I(s)] = static_cast<std::uint8_t>(byte[pos + 4]);
            pos += 8;
        }
        p.chiamante = static_cast<std::int8_t>(byte[pos]);
        p.socio = static_cast<std::int8_t>(byte[pos + 4]);
        pos += 8;
        p.chiamata.Seme = LeggiInt32(byte, pos);
        p.chiamata.Valore = LeggiInt32(byte, pos + 4);
        p.chiamata.Punti = LeggiInt32(byte, pos + 8);
        pos += 12;
        if (!SeggioValido(p.chiamante) || !SeggioValido(p.socio) || !ChiamataValida(p.chiamata)) {
            return false;
        }
        for (int k = 0; k < 20; ++k) {
            const auto b = static_cast<std::uint8_t>(byte[pos++]);
            p.mazzo[I(2 * k)] = static_cast<std::int8_t>(b & 0x0F);
            p.mazzo[I(2 * k + 1)] = static_cast<std::int8_t>(b >> 4);
            if (!SeggioValido(p.mazzo[I(2 * k)]) || !SeggioValido(p.mazzo[I(2 * k + 1)])) {
                return false;
            }
        }
    }
    *this = nuova;
    return true;
}
