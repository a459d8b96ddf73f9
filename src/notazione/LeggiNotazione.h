#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "comune/ErroreRiga.h"

struct PartitaNotata;

// An error in a file of games.
class ErroreNotazione : public ErroreRiga {
public:
    using ErroreRiga::ErroreRiga;
};

// No line of a file of games comes near this; a longer one is refused, not held.
inline constexpr std::size_t kLunghezzaMassimaRiga = 4096;

using RiceviPartita = std::function<void(const PartitaNotata& partita)>;

// Reads the games of a text (UTF-8, or Windows-1252 where not valid UTF-8), handing each to
// ricevi as soon as it is read and played again without fault, so that a series of any length
// is read in little memory. Raises ErroreNotazione at the first error, naming file in it; the
// games before it have been handed over.
void LeggiNotazione(std::string_view testo, const RiceviPartita& ricevi,
                    const std::string& file = {});
std::vector<PartitaNotata> LeggiNotazione(std::string_view testo, const std::string& file = {});

// The same from a regular file, read as it goes. Raises Errore when it cannot be read.
void LeggiFileNotazione(const std::string& percorso, const RiceviPartita& ricevi);
