#pragma once

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "partita/Chiamata.h"

// Where a person's decisions arrive: a window's clicks, or later a network client's messages.
// A request never blocks: it answers the person's choice once, and the no-decision value
// (undefined card, no-bid, trump not named) on every other call.
class CasellaPersona {
public:
    virtual ~CasellaPersona() = default;

    virtual Carta RichiediCarta() = 0;
    virtual Chiamata RichiediChiamata() = 0;
    virtual Briscola RichiediBriscola() = 0;
};
