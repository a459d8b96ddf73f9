#pragma once

#include <array>

#include "ia/NomiPredicati.h"

class IntelligenzaArtificiale;
class Predicato;

// The 45 predicates of the rule-based player inside its engine. They are registered once and
// then reached directly, never looked up by name while playing.
class VocabolarioPredicati {
public:
    // Registers the 45 names in their order (before any rule is read).
    void RegistraVocabolario(IntelligenzaArtificiale& ia);

    // Every predicate of the engine back to 0, then 1 for those in the mask.
    void Imposta(IntelligenzaArtificiale& ia, MascheraPredicati vere) const;

    Predicato& operator[](IndicePredicato i) const {
        return *predicati[static_cast<std::size_t>(i)];
    }

private:
    std::array<Predicato*, kNumeroPredicati> predicati{};
    // True when the vocabulary holds the engine's first predicates, bit for bit.
    bool primi = false;
};
