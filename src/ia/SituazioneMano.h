#pragma once

#include <array>
#include <cstdint>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "ia/NomiPredicati.h"

class RegistroPartita;

// What one seat sees of the game when it must play: read from the record once per decision,
// then each candidate card is judged against it cheaply.
class SituazioneMano {
public:
    // briscolaPrevista is the trump the seat's bidding strategy chose: the caller judges a
    // face-down first trick by it, since he alone knows the suit he will name.
    SituazioneMano(const RegistroPartita& registro, int giocatore,
                   const Briscola& briscolaPrevista);

    // The predicates that hold if the seat plays carta (a card of its hand).
    MascheraPredicati Predicati(const Carta& carta) const;

    // The seat's strength in a suit: a value by rank summed over its cards still in hand.
    static int ForzaSeme(const RegistroPartita& registro, int giocatore, int seme);

private:
    MascheraPredicati situazione = 0;
    std::int32_t briscola = kBriscolaAlBuio;
    Briscola briscolaUsata;
    std::int32_t carteInTavola = 0;
    Carta vincente;
    Carta cartaChiamata;
    // The rank of the winning bid in the first trick; -1 afterwards.
    std::int32_t valoreChiamataPrimaMano = -1;
    // The highest rank of each suit left in the other hands; -1 when none.
    std::array<std::int8_t, 4> massimoAltri{-1, -1, -1, -1};
    bool altreBriscole = false;
    std::array<std::int32_t, 4> forza{};
};
