#pragma once

#include <cstdint>

#include "comune/Errore.h"

inline constexpr int kBriscolaNonNominata = 885;
inline constexpr int kBriscolaAlBuio = 888;

// The trump suit: 0..3, or 885 while not named yet, or 888 while a face-down first trick is
// played without trump.
class Briscola {
public:
    constexpr Briscola() = default;
    constexpr explicit Briscola(int seme) { ImpostaSeme(seme); }

    constexpr void ImpostaSeme(int s) {
        if (!((s >= 0 && s <= 3) || s == kBriscolaNonNominata || s == kBriscolaAlBuio)) {
            throw Errore("Briscola Errata");
        }
        seme = s;
    }
    constexpr int Seme() const {
        if (!((seme >= 0 && seme <= 3) || seme == kBriscolaAlBuio)) {
            throw Errore("Briscola Indefinita");
        }
        return seme;
    }
    constexpr int SemeGrezzo() const { return seme; }
    // True for a real suit 0..3.
    constexpr bool Nominata() const { return seme >= 0 && seme <= 3; }

    friend constexpr bool operator==(const Briscola&, const Briscola&) = default;

private:
    std::int32_t seme = kBriscolaNonNominata;
};

inline constexpr Briscola BriscolaIndefinita{};
inline constexpr Briscola BriscolaAssente{kBriscolaAlBuio};
