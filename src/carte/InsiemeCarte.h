#pragma once

#include <array>
#include <cstdint>

#include "carte/Carta.h"

// A set of distinct cards, in the order they were added (ascending card index after the
// operations that rebuild it). A plain value: the tactical player copies sets freely.
class InsiemeCarte {
public:
    std::int32_t Numero = 0;

    void Svuota();

    InsiemeCarte& operator+=(const Carta& carta);
    InsiemeCarte& operator+=(const InsiemeCarte& altro);
    InsiemeCarte& operator-=(const Carta& carta);
    InsiemeCarte& operator-=(const InsiemeCarte& altro);

    // Replaces the set by the cards of the deck that are not in it.
    void Complemento();

    bool Contiene(const Carta& carta) const;
    // True when card index i (0..39) is in the set.
    bool ContieneIndice(int indice) const;

    // The card at position i; the undefined card outside 0..Numero-1.
    Carta Prima(int i) const;

private:
    std::array<std::int32_t, 40> indici{};

    void RicostruisciDa(const std::array<bool, 40>& presenti);
};
