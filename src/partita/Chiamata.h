#pragma once

#include <cstdint>
#include <string>

#include "carte/NomiCarte.h"
#include "comune/Errore.h"

inline constexpr int kNessunaChiamata = 998;
inline constexpr int kPasso = 999;

// A bid. The ladder, lowest first: Asso, Tre, Re, ..., Due on rank (60 points), then Due with
// 61..120 points. Computer bids carry no suit (-1).
struct Chiamata {
    std::int32_t Seme = -1;
    std::int32_t Valore = kNessunaChiamata;
    std::int32_t Punti = 60;

    // The no-bid value.
    constexpr Chiamata() = default;
    // n < 60: a bid on rank n; 60..120: a points bid; 998: no bid; 999: pass.
    constexpr explicit Chiamata(int n) {
        if (n == kPasso) {
            Valore = kPasso;
        } else if (n == kNessunaChiamata) {
            // the no-bid value
        } else if (n < 60) {
            if (n < 0 || n > 9) {
                throw Errore("Carta con valore Errato");
            }
            Valore = n;
            Punti = 60;
        } else {
            if (n > 120) {
                throw Errore("Punti Errati");
            }
            if (n != 60) {
                Valore = 0;
            }
            Punti = n;
        }
    }

    // The rank, checked: raises "Carta Indefinita" for the pass and no-bid values.
    constexpr int ValoreVerificato() const {
        if (Valore < 0 || Valore > 9) {
            throw Errore("Carta Indefinita");
        }
        return Valore;
    }

    // "Tre", "Due al 75", "Tre di Quadri" in the given names; empty for the pass and the no-bid
    // values.
    std::string Testo(const NomiCarte& nomi = NomiCarte::Predefiniti()) const;

    friend constexpr bool operator==(const Chiamata& a, const Chiamata& b) {
        return a.Valore == b.Valore && a.Punti == b.Punti;
    }
};

inline constexpr Chiamata ChiamataNulla{};
inline constexpr Chiamata ChiamataPasso{kPasso};

// True when bid a is higher than bid b (the rule by which the game accepts a bid).
constexpr bool Supera(const Chiamata& a, const Chiamata& b) {
    if (a.Valore == kPasso) {
        return false;
    }
    if (b.Valore == kNessunaChiamata) {
        return true;
    }
    const int va = a.ValoreVerificato();
    const int vb = b.ValoreVerificato();
    if (va != vb) {
        return va < vb;
    }
    return a.Punti > b.Punti;
}

// True when bid a is not above bid b, comparing ranks then points (the computer's own limit).
constexpr bool NonSupera(const Chiamata& a, const Chiamata& b) {
    const int va = a.ValoreVerificato();
    const int vb = b.ValoreVerificato();
    if (va != vb) {
        return va > vb;
    }
    return a.Punti <= b.Punti;
}
