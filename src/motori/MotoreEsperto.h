#pragma once

#include <array>
#include <string>

#include "motori/Motore.h"

class GeneratoreCasuale;

// The expert computer player: plays its cards by simulation over the deals its seat cannot
// tell apart (GiocaCartaEsperto), and bids by simulation too (LicitazioneEsperto).
class MotoreEsperto final : public Motore {
public:
    // Reads the rules file of its playouts at once; its failure leaves this constructor.
    // Draws its seed from generatore (the table's), so a series' seed fixes its play, and
    // keeps drawing from it the points of a bold points bid: generatore must outlive it.
    // tattici: the seats of tactical players, whom its playouts play as such; esperti: the
    // seats of experts (with another expert at the table it bids by the bold valuation).
    MotoreEsperto(int giocatore, int budget, const std::string& fileRegole,
                  GeneratoreCasuale& generatore, const std::array<bool, 5>& tattici = {},
                  const std::array<bool, 5>& esperti = {});
};
