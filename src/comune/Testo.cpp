#include "comune/Testo.h"

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <utility>

namespace {

constexpr std::string_view kMarcaUTF8 = "\xEF\xBB\xBF";
constexpr std::size_t kMiB = 1024 * 1024;

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

LetturaFile LeggiFileRegolare(const std::string& percorso, std::size_t limite) {
    LetturaFile lettura;
    // Looked at before opening, so that a device is never opened; looked at again once open,
    // in case the name was replaced in between. A FIFO is opened without waiting for a writer.
    struct stat stato {};
    if (percorso.empty() || ::stat(percorso.c_str(), &stato) != 0) {
        return lettura;
    }
    if (!S_ISREG(stato.st_mode)) {
        lettura.esito = EsitoLettura::NonRegolare;
        return lettura;
    }
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return lettura;
    }
    lettura.esito = EsitoLettura::Letto;
    if (::fstat(fd, &stato) != 0) {
        lettura.esito = EsitoLettura::ErroreLettura;
    } else if (!S_ISREG(stato.st_mode)) {
        lettura.esito = EsitoLettura::NonRegolare;
    } else if (static_cast<std::uintmax_t>(stato.st_size) > limite) {
        lettura.esito = EsitoLettura::TroppoGrande;
    }
    // Read one byte past the limit at most: the file may grow while it is read.
    std::array<char, 4096> blocco;
    while (lettura.esito == EsitoLettura::Letto) {
        const std::size_t resto = limite - lettura.byte.size();
        const std::size_t voluti = resto >= blocco.size() ? blocco.size() : resto + 1;
        const ssize_t letti = ::read(fd, blocco.data(), voluti);
        if (letti < 0 && errno == EINTR) {
            continue;
        }
        if (letti < 0) {
            lettura.esito = EsitoLettura::ErroreLettura;
        } else if (letti == 0) {
            break;
        } else {
            lettura.byte.append(blocco.data(), static_cast<std::size_t>(letti));
            if (lettura.byte.size() > limite) {
                lettura.esito = EsitoLettura::TroppoGrande;
            }
        }
    }
    ::close(fd);
    if (lettura.esito != EsitoLettura::Letto) {
        lettura.byte.clear();
    }
    return lettura;
}

std::string MotivoLettura(EsitoLettura esito, std::size_t limite) {
    switch (esito) {
    case EsitoLettura::Letto:
        return "è stato letto";
    case EsitoLettura::NonAperto:
        return "non si può aprire";
    case EsitoLettura::NonRegolare:
        return "non è un file regolare";
    case EsitoLettura::TroppoGrande:
        return "è troppo grande (più di " +
               (limite >= kMiB && limite % kMiB == 0 ? std::to_string(limite / kMiB) + " MiB"
                                                     : std::to_string(limite) + " byte") +
               ")";
    case EsitoLettura::ErroreLettura:
        break;
    }
    return "non si può leggere";
}

std::optional<std::string> LeggiFile(const std::string& percorso, std::size_t limite) {
    LetturaFile lettura = LeggiFileRegolare(percorso, limite);
    if (lettura.esito != EsitoLettura::Letto) {
        return std::nullopt;
    }
    return std::move(lettura.byte);
}

std::string DecodificaTestoFile(std::string_view byte) {
    // Editors on Windows often start a UTF-8 file with a byte-order mark; it is no text.
    if (byte.starts_with(kMarcaUTF8)) {
        byte.remove_prefix(kMarcaUTF8.size());
    }
    return DecodificaTesto(byte);
}

std::optional<std::string> LeggiFileTesto(const std::string& percorso, std::size_t limite) {
    const auto byte = LeggiFile(percorso, limite);
    if (!byte) {
        return std::nullopt;
    }
    return DecodificaTestoFile(*byte);
}

std::string StringaJson(const std::string& testo) {
    std::string json = "\"";
    for (const char c : testo) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (u < 0x20) {
            char codice[8];
            std::snprintf(codice, sizeof codice, "\\u%04x", u);
            json += codice;
        } else {
            json += c;
        }
    }
    return json + "\"";
}
