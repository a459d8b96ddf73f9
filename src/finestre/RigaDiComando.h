#pragma once

#include <QStringList>

#include <cstdint>

// What the command line chooses: the seating (0 = one human at seat 4; 1, 2, 3 = the
// computer-only series) and the random seed (0 = from the clock).
struct ArgomentiAvvio {
    int tipoGiocatori = 0;
    std::uint32_t semeCasuale = 0;
};

// Scans the arguments (joined by blanks) character by character: "D" or "d" and a digit 1..3
// chooses the seating (the last one wins); "S" or "s" followed by digits appends them to the
// seed; everything else is skipped.
ArgomentiAvvio LeggiRigaDiComando(const QStringList& argomenti);
