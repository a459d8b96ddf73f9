#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The options file BriscolaChiamata.ini: key=value lines without sections, written with CR LF.
// Kept free of Qt so that it can be checked on its own with any bytes.

// The eleven names the automatic-name buttons draw from; the five defaults are among them.
inline constexpr std::array<std::string_view, 11> kNomiAutomatici = {
    "Mario",    "Luigi",   "Giovanni", "Paolo", "Franco", "Carlo",
    "Giuseppe", "Antonio", "Marco",    "Luca",  "Andrea"};
inline constexpr std::array<std::string_view, 5> kNomiPredefiniti = {"Mario", "Luigi", "Paolo",
                                                                     "Franco", "Giovanni"};

inline constexpr int kMassimoPuntiMonte = 20;
inline constexpr int kMassimoAttesaGiocata = 2000;
inline constexpr int kMassimoAttesaMano = 10000;
inline constexpr std::uint32_t kMassimoColore = 0xFFFFFF;
// The table's size in percent, or 0: the table fills the window.
inline constexpr int kDimensioneAdatta = 0;
inline constexpr std::array<int, 4> kDimensioni = {100, 150, 200, kDimensioneAdatta};

// The settings, every one within its range. Colours are 0x00BBGGRR (red in the lowest byte).
struct ValoriOpzioni {
    std::array<std::string, 5> nomi{
        std::string(kNomiPredefiniti[0]), std::string(kNomiPredefiniti[1]),
        std::string(kNomiPredefiniti[2]), std::string(kNomiPredefiniti[3]),
        std::string(kNomiPredefiniti[4])};
    std::uint32_t coloreSfondo = 0xFFFFFF;
    std::uint32_t coloreTesto = 0;
    std::string immagineSfondo;
    std::string directoryCarte = "Milanesi";
    int puntiMonte = 2;
    int attesaGiocata = 500;
    int attesaMano = 2500;
    bool manoAlBuio = true;
    bool carteOrdinate = true;
    // The four computers of a game with the human are expert players.
    bool esperti = false;
    // One of kDimensioni.
    int dimensione = 100;
    // The window's language: 0 the system's, 1 Italian, 2 English.
    int lingua = 0;
    // The PEM certificate and private key a table hosted from the window serves TLS with;
    // empty for none.
    std::string certificatoTls;
    std::string chiaveTls;

    bool operator==(const ValoriOpzioni&) const = default;
};

// The settings held in the file's bytes (UTF-8, or Windows-1252 when not valid UTF-8, with or
// without a byte-order mark; CR LF or LF line ends). A key's value is the text after the first
// "=" of the first line with that key; a missing or empty value, or a number that does not
// read as a decimal integer, takes the default; numbers are brought within their ranges.
ValoriOpzioni LeggiOpzioni(std::string_view byte);

// The 14 lines of the file, CR LF each, then "Esperti=1" only when the expert players are chosen,
// "Dimensione=N" only when the table is not at 100%, and "Lingua=N" only when a language is
// chosen, and the TLS files only when set (so that a file of a game that never asked for them
// keeps its classic 14 lines). A line
// break inside a text becomes a space, so that a text can never add lines of its own.
std::string ScriviOpzioni(const ValoriOpzioni& valori);
