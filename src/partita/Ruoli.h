#pragma once

#include <array>
#include <cstdint>

// Role codes of a seat as another seat sees it.
inline constexpr std::uint8_t kRuoloVistoChiamante = 0;
inline constexpr std::uint8_t kRuoloVistoAvversario = 1;
inline constexpr std::uint8_t kRuoloVistoSocio = 2;
inline constexpr std::uint8_t kRuoloVistoNeutro = 3;

// The role of each seat 0..4 as one seat believes it to be.
struct Ruoli {
    std::array<std::uint8_t, 5> ruolo{kRuoloVistoNeutro, kRuoloVistoNeutro, kRuoloVistoNeutro,
                                      kRuoloVistoNeutro, kRuoloVistoNeutro};

    std::uint8_t& operator[](int giocatore) { return ruolo[static_cast<std::size_t>(giocatore)]; }
    std::uint8_t operator[](int giocatore) const {
        return ruolo[static_cast<std::size_t>(giocatore)];
    }

    // The seat believed to be the partner, -1 when none is.
    int Socio() const {
        for (int g = 0; g < 5; ++g) {
            if ((*this)[g] == kRuoloVistoSocio) {
                return g;
            }
        }
        return -1;
    }

    friend bool operator==(const Ruoli&, const Ruoli&) = default;
};
