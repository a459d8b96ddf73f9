#include "partita/FileStoria.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "comune/ScritturaAtomica.h"
#include "comune/Testo.h"

namespace {

std::size_t I(int i) {
    return static_cast<std::size_t>(i);
}

void ScriviInt32(std::string& out, std::int32_t valore) {
    const auto v = static_cast<std::uint32_t>(valore);
    for (int k = 0; k < 4; ++k) {
        out.push_back(static_cast<char>(v >> (8 * k)));
    }
}

std::int32_t LeggiInt32(std::string_view byte, std::size_t posizione) {
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(byte[posizione + k])) << (8 * k);
    }
    return static_cast<std::int32_t>(v);
}

const char* const kNonValida = "non è una serie valida";

// Gives the reason of a refusal to the caller who asked for it; false, for a refusal.
bool Motivo(std::string* motivo, const std::string& testo) {
    if (motivo != nullptr) {
        *motivo = testo;
    }
    return false;
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

std::string FileStoria::Scrivi(const TipoStoriaPartite& storia) {
    const auto& numeroPartite = storia.numeroPartite;
    const auto& totale = storia.totale;
    const auto& statistiche = storia.statistiche;
    std::string out;
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
    const int tenute = std::min(numeroPartite, TipoStoriaPartite::kPartiteTenute);
    for (int g = 0; g < tenute; ++g) {
        const PartitaGiocata& p = (*storia.partite)[I(g)];
        // The game as it lies in memory: scores, card points, two bytes of alignment, the
        // bid. Each seat's score and points fields are four bytes read from it.
        std::string e;
        for (int s = 0; s < 5; ++s) {
            e.push_back(static_cast<char>(p.punteggio[I(s)]));
        }
        for (int s = 0; s < 5; ++s) {
            e.push_back(static_cast<char>(p.punti[I(s)]));
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
            out.push_back(static_cast<char>(basso | (alto << 4)));
        }
    }

    return out;
}

bool FileStoria::Salva(const TipoStoriaPartite& storia, const std::string& nome) {
    return ScriviFileAtomico(nome, Scrivi(storia));
}

bool FileStoria::Carica(const std::string& nome, TipoStoriaPartite& storia, std::string* motivo) {
    const LetturaFile lettura = LeggiFileRegolare(nome, kByteMassimi);
    if (lettura.esito != EsitoLettura::Letto) {
        // Too large for a series is no series.
        Motivo(motivo, lettura.esito == EsitoLettura::TroppoGrande ? kNonValida
                                                                   : MotivoLettura(lettura.esito));
        return false;
    }
    return Leggi(lettura.byte, storia, motivo);
}

bool FileStoria::Leggi(std::string_view byte, TipoStoriaPartite& storia, std::string* motivo) {
    if (byte.size() < kByteIntestazione) {
        return Motivo(motivo, kNonValida);
    }
    const std::int32_t numero = LeggiInt32(byte, 4);
    if (numero < 0) {
        return Motivo(motivo, kNonValida);
    }
    const int tenute = std::min(numero, TipoStoriaPartite::kPartiteTenute);
    if (byte.size() != kByteIntestazione + kBytePartita * I(tenute)) {
        return Motivo(motivo, kNonValida);
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
        for (int k = 0; k < 20; ++k) {
            const auto b = static_cast<std::uint8_t>(byte[pos++]);
            p.mazzo[I(2 * k)] = static_cast<std::int8_t>(b & 0x0F);
            p.mazzo[I(2 * k + 1)] = static_cast<std::int8_t>(b >> 4);
        }
        if (!PartitaValida(p)) {
            return Motivo(motivo, kNonValida);
        }
    }
    // A series at the limit of its counters loads all the same (this program writes such
    // series): it is the next game that the history refuses.
    storia = nuova;
    return true;
}

bool FileStoria::PartitaValida(const PartitaGiocata& p) {
    const auto Seggio = [](std::int8_t s) { return SeggioValido(s); };
    return SeggioValido(p.chiamante) && SeggioValido(p.socio) && ChiamataValida(p.chiamata) &&
           std::all_of(p.mazzo.begin(), p.mazzo.end(), Seggio);
}
