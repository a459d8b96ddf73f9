#pragma once

#include <array>
#include <string>

#include "ia/GiocaCartaEsperto.h"
#include "motori/MotoreOK.h"

// How a table departs from its standard seating; the defaults give the standard table.
struct OpzioniTavolo {
    // The rules file of every standard computer player.
    std::string fileRegole = MotoreOK::kFileRegole;
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
