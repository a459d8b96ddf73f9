#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "comune/Errore.h"

struct PartitaNotata;

// An error in a file of games: the message, the line (from 1) where it stands and the file,
// when the games were read from one.
class ErroreNotazione : public Errore {
public:
    ErroreNotazione(const std::string& messaggio, int riga, std::string file = {})
        : Errore(messaggio), riga(riga), file(std::move(file)) {}

    int Riga() const { return riga; }
    const std::string& File() const { return file; }
    // "FILE riga N: message" ("riga N: message" without a file).
    std::string Posizione() const {
        return (file.empty() ? "" : file + " ") + "riga " + std::to_string(riga) + ": " + what();
    }

private:
    int riga;
    std::string file;
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
