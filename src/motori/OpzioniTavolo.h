#pragma once

#include <array>
#include <string>

#include "ia/GiocaCartaEsperto.h"
#include "motori/MotoreOK.h"

class RegoleLette;

// How a table departs from its standard seating; the defaults give the standard table.
struct OpzioniTavolo {
    // The rules file of every standard computer player.
    std::string fileRegole = MotoreOK::kFileRegole;
    // That file already read, when set (not owned, outliving every seating made with these
    // options): the standard players take their rules from it instead of reading the file.
    const RegoleLette* regoleLette = nullptr;
    // When not empty, seat 4 is a standard computer player with the rules of this file.
    std::string fileSfidante;
    // Seats that play random cards (bidding unchanged), a baseline; they take precedence
    // over the challenger.
    std::array<bool, 5> casuale{};
    // Seats played by the expert, and its budget (games per card and decision).
    std::array<bool, 5> esperto{};
    int budgetEsperto = GiocaCartaEsperto::kBudgetPredefinito;
    // Where the third computer-only seating logs its games (empty: the default place).
    std::string logTest;
};
