#include "comune/Testo.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr std::string_view kMarcaUTF8 = "\xEF\xBB\xBF";

// Unicode code points of the bytes 0x80..0x9F in Windows-1252; 0 where the code page has
// no character (those bytes become U+FFFD).
constexpr std::array<char32_t, 32> kCp1252Alti = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AggiungiUTF8(std::string& uscita, char32_t cp) {
    if (cp < 0x80) {
        uscita += static_cast<char>(cp);
    } else if (cp < 0x800) {
        uscita += static_cast<char>(0xC0 | (cp >> 6));
        uscita += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        uscita += static_cast<char>(0xE0 | (cp >> 12));
        uscita += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        uscita += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

bool UTF8Valido(std::string_view byte) {
    std::size_t i = 0;
    while (i < byte.size()) {
        const auto c = static_cast<std::uint8_t>(byte[i]);
        int seguito = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            seguito = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguito = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguito = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + seguito >= byte.size()) {
            return false;
        }
        for (int k = 1; k <= seguito; ++k) {
            const auto d = static_cast<std::uint8_t>(byte[i + k]);
            if ((d & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
        if ((seguito == 2 && cp < 0x800) || (seguito == 3 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += seguito + 1;
    }
    return true;
}

std::string DecodificaTesto(std::string_view byte) {
    if (UTF8Valido(byte)) {
        return std::string(byte);
    }
    std::string uscita;
    uscita.reserve(byte.size() + byte.size() / 4);
    for (char ch : byte) {
        const auto c = static_cast<std::uint8_t>(ch);
        if (c < 0x80) {
            uscita += ch;
        } else if (c < 0xA0) {
            const char32_t cp = kCp1252Alti[c - 0x80];
            AggiungiUTF8(uscita, cp != 0 ? cp : 0xFFFD);
        } else {
            AggiungiUTF8(uscita, c);
        }
    }
    return uscita;
}

std::optional<std::string> LeggiFile(const std::string& percorso, std::size_t limite) {
    std::error_code errore;
    if (std::filesystem::is_directory(percorso, errore)) {
        return std::nullopt;
    }
    std::ifstream file(percorso, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    // Read in blocks, one byte past the limit at most, so that a device or a huge file never
    // fills the memory.
    std::string contenuto;
    std::array<char, 4096> blocco;
    while (contenuto.size() <= limite) {
        const std::size_t resto = limite - contenuto.size();
        const std::size_t voluti = resto >= blocco.size() ? blocco.size() : resto + 1;
        file.read(blocco.data(), static_cast<std::streamsize>(voluti));
        contenuto.append(blocco.data(), static_cast<std::size_t>(file.gcount()));
        if (!file) {
            break;
        }
    }
    if (file.bad() || contenuto.size() > limite) {
        return std::nullopt;
    }
    return contenuto;
}

std::optional<std::string> LeggiFileTesto(const std::string& percorso, std::size_t limite) {
    auto byte = LeggiFile(percorso, limite);
    if (!byte) {
        return std::nullopt;
    }
    // Editors on Windows often start a UTF-8 file with a byte-order mark; it is no text.
    std::string_view testo(*byte);
    if (testo.starts_with(kMarcaUTF8)) {
        testo.remove_prefix(kMarcaUTF8.size());
    }
    return DecodificaTesto(testo);
}
