#pragma once

#include <string>
#include <utility>

#include "comune/Errore.h"

// An error inside a text file the program reads: the message, the line (from 1) where the
// fault stands, so that a checker can point at it, and the file, when it was read from one.
class ErroreRiga : public Errore {
public:
    ErroreRiga(const std::string& messaggio, int riga, std::string file = {})
        : Errore(messaggio), riga(riga), file(std::move(file)) {}

    int Riga() const { return riga; }
    const std::string& File() const { return file; }
    // "FILE riga N: message", as a checker prints it ("riga N: message" without a file).
    std::string Posizione() const {
        return (file.empty() ? "" : file + " ") + "riga " + std::to_string(riga) + ": " + what();
    }

private:
    int riga;
    std::string file;
};
