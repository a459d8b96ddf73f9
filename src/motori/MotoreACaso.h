#pragma once

#include "motori/Motore.h"

// A baseline player for series: bids by hand value like the others, plays a random card.
class MotoreACaso final : public Motore {
public:
    explicit MotoreACaso(int giocatore);
};
