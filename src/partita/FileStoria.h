#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "partita/TipoStoriaPartite.h"

// The .bri file of a saved series: little-endian, a fixed header (the version, the game count,
// each seat's total and statistics), then 80 bytes for each game held in the ring, in the
// order of the ring's slots.
class FileStoria {
public:
    // The bytes of the series.
    static std::string Scrivi(const TipoStoriaPartite& storia);
    // Reads the bytes into storia when they are a valid series; otherwise false, storia
    // unchanged, and the reason (to follow the file name in a message) in motivo when given.
    static bool Leggi(std::string_view byte, TipoStoriaPartite& storia, std::string* motivo);

    // Writes the file as a whole (see ScriviFileAtomico); false when it could not be written.
    static bool Salva(const TipoStoriaPartite& storia, const std::string& nome);
    // Reads the file, which must be a regular file, as Leggi.
    static bool Carica(const std::string& nome, TipoStoriaPartite& storia, std::string* motivo);

    // A game a saved series can hold: seats 0..4 for the caller, the partner and each card's
    // holder, and a bid on the ladder.
    static bool PartitaValida(const PartitaGiocata& partita);

private:
    static constexpr std::size_t kByteIntestazione = 4 + 4 + 5 * (1 + 4 * 3) * 4;
    static constexpr std::size_t kBytePartita = 5 * 8 + 4 + 4 + 12 + 20;
    static constexpr std::size_t kByteMassimi =
        kByteIntestazione + kBytePartita * TipoStoriaPartite::kPartiteTenute;
};
