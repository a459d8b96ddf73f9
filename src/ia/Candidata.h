#pragma once

#include "carte/Carta.h"

// A card of the hand the tactical player might play, with its scores.
struct Candidata {
    Carta carta;
    double valorePresa = 0.0;
    double valoreControllo = 0.0;
    double valoreTotale = 0.0;
};
