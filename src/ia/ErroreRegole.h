#pragma once

#include <string>

#include "comune/Errore.h"

// An error inside a rules file: the message is the game's own, the line (from 1) is where the
// offending token stands, so that a checker can point at it.
class ErroreRegole : public Errore {
public:
    ErroreRegole(const std::string& messaggio, int riga) : Errore(messaggio), riga(riga) {}

    int Riga() const { return riga; }

private:
    int riga;
};
