#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Texts are UTF-8 inside the program. Files made for the old Western European code page
// still read right: a file that is not valid UTF-8 is taken as Windows-1252.

// Larger files are refused by the readers below: no data file of the game comes near it.
inline constexpr std::size_t kLimiteFile = 16 * 1024 * 1024;

bool UTF8Valido(std::string_view byte);

// The bytes as UTF-8: unchanged when already valid UTF-8, otherwise converted from Windows-1252.
std::string DecodificaTesto(std::string_view byte);

// How reading a whole file went. Only regular files are read: a FIFO would wait for a writer
// for ever and a device may never end.
enum class EsitoLettura { Letto, NonAperto, NonRegolare, TroppoGrande, ErroreLettura };

struct LetturaFile {
    EsitoLettura esito = EsitoLettura::NonAperto;
    std::string byte;
};

// Reads a whole regular file as bytes, refusing anything else and anything above limite bytes.
LetturaFile LeggiFileRegolare(const std::string& percorso, std::size_t limite = kLimiteFile);

// Why a file was not read, to follow its name in a message: "non è un file regolare", ...
std::string MotivoLettura(EsitoLettura esito, std::size_t limite = kLimiteFile);

// Reads a whole regular file as bytes; nothing when it cannot be opened or read, is not a
// regular file, or holds more than limite bytes.
std::optional<std::string> LeggiFile(const std::string& percorso, std::size_t limite = kLimiteFile);

// The bytes of a text file as UTF-8, decoded as above, without a leading UTF-8 byte-order mark.
std::string DecodificaTestoFile(std::string_view byte);

// Reads a whole text file and decodes it as above; a leading UTF-8 byte-order mark is dropped.
std::optional<std::string> LeggiFileTesto(const std::string& percorso,
                                          std::size_t limite = kLimiteFile);

// The text as a JSON string, quotes included: quotes, backslashes and control characters
// escaped, every other byte as it is (the text is UTF-8).
std::string StringaJson(const std::string& testo);
