#pragma once

#include <string>

#include "motori/Motore.h"

class RegoleLette;

// The standard computer player: bids by hand value, plays by the rules of a rules file.
class MotoreOK final : public Motore {
public:
    static constexpr const char* kFileRegole = "regole.OK.txt";

    // Reads the rules file at once; its failure leaves this constructor.
    explicit MotoreOK(int giocatore, const std::string& fileRegole = kFileRegole);
    // The rules of a file already read (not owned; needed only while constructing).
    MotoreOK(int giocatore, const RegoleLette& regole);
};
