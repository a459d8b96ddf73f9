#pragma once

#include "comune/ErroreRiga.h"

// An error inside a rules file; the message is the game's own.
class ErroreRegole : public ErroreRiga {
public:
    using ErroreRiga::ErroreRiga;
};
