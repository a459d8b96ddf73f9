#pragma once

#include "ia/IntelligenzaArtificiale.h"

// The engine the rule-based player creates; it scores exactly as its base.
class IntelligenzaArtificialeDEBUG final : public IntelligenzaArtificiale {
public:
    double Valuta() override;
};
