#pragma once

#include <string>

#include "motori/Motore.h"

// The expert computer player: plays its cards by simulation over the deals its seat cannot
// tell apart (GiocaCartaEsperto), and bids more boldly than the standard bidder, since it
// plays its hands better.
class MotoreEsperto final : public Motore {
public:
    // Strength added to every hand when bidding.
    static constexpr int kAggiuntaForza = 40;

    // Reads the rules file of its playouts at once; its failure leaves this constructor.
    // Draws its seed from the process-wide generator, so a series' seed fixes its play.
    MotoreEsperto(int giocatore, int budget, const std::string& fileRegole);
};
