#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "carte/NomiCarte.h"
#include "comune/Errore.h"

// Suits.
inline constexpr int kCuori = 0;
inline constexpr int kQuadri = 1;
inline constexpr int kFiori = 2;
inline constexpr int kPicche = 3;

// Ranks in order of trick-taking strength: Due (0) is the weakest, Asso (9) the strongest.
inline constexpr int kDue = 0;
inline constexpr int kQuattro = 1;
inline constexpr int kCinque = 2;
inline constexpr int kSei = 3;
inline constexpr int kSette = 4;
inline constexpr int kFante = 5;
inline constexpr int kDonna = 6;
inline constexpr int kRe = 7;
inline constexpr int kTre = 8;
inline constexpr int kAsso = 9;
inline constexpr int kValoreIndefinito = 888;

// Card points by rank: the deck holds 120 (30 per suit).
inline constexpr std::array<int, 10> kPuntiValore = {0, 0, 0, 0, 0, 2, 3, 4, 10, 11};

// Position of each rank in the name tables, which follow the face order Asso, Due, Tre, ..., Re.
inline constexpr std::array<int, 10> kIndiceFaccia = {1, 3, 4, 5, 6, 7, 8, 9, 2, 0};

// A card: suit 0..3 (Cuori, Quadri, Fiori, Picche), rank 0..9, and whether the table shows it
// face down. The card index Seme * 10 + Valore (0..39) indexes every card table.
class Carta {
public:
    std::uint8_t Coperta = 0;
    std::int32_t Seme = -1;

    // The undefined card: the one value that means "no card".
    constexpr Carta() = default;
    constexpr Carta(int valore, int seme) : Seme(seme) { ImpostaValore(valore); }
    constexpr Carta(const Carta&) = default;

    // Assignment copies rank and suit: the target keeps its own face-down flag.
    constexpr Carta& operator=(const Carta& altra) {
        valore = altra.valore;
        Seme = altra.Seme;
        return *this;
    }

    static constexpr Carta DaIndice(int indice) {
        Carta c;
        c.ImpostaIndice(indice);
        return c;
    }

    constexpr void ImpostaValore(int v) {
        if (v < 0 || v > 9) {
            throw Errore("Carta con valore Errato");
        }
        valore = v;
    }
    constexpr int Valore() const {
        if (valore < 0 || valore > 9) {
            throw Errore("Carta Indefinita");
        }
        return valore;
    }
    constexpr int ValoreGrezzo() const { return valore; }

    constexpr int Indice() const { return Valore() + 10 * Seme; }
    constexpr void ImpostaIndice(int indice) {
        Seme = indice / 10;
        valore = indice % 10;
    }

    constexpr int Punti() const {
        return valore >= 0 && valore <= 9 ? kPuntiValore[static_cast<std::size_t>(valore)] : 0;
    }
    constexpr bool Definita() const { return valore >= 0 && valore <= 9; }

    // "Asso di Cuori" in the given names; the rank alone without a suit; empty for the undefined
    // card.
    std::string NomeLungo(const NomiCarte& nomi = NomiCarte::Predefiniti()) const;
    // "AC": rank letter and suit letter in the given names.
    std::string NomeBreve(const NomiCarte& nomi = NomiCarte::Predefiniti()) const;

    friend constexpr bool operator==(const Carta& a, const Carta& b) {
        return a.valore == b.valore && a.Seme == b.Seme;
    }

private:
    std::int32_t valore = kValoreIndefinito;
};

inline constexpr Carta CartaIndefinita{};
