#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "carte/Carta.h"
#include "comune/Casuale.h"
#include "ia/OsservatoreTattica.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

// Small helpers that set up concrete game situations for the tests.

// Deals the listed cards to their seats; the cards not listed fill the hands up to eight, in
// ascending card index, seat 0 first.
inline void DistribuisciMani(RegistroPartita& registro,
                             const std::array<std::vector<Carta>, 5>& mani) {
    std::vector<std::pair<Carta, int>> fisse;
    for (int g = 0; g < 5; ++g) {
        for (const Carta& carta : mani[static_cast<std::size_t>(g)]) {
            fisse.emplace_back(carta, g);
        }
    }
    registro.DistribuisciMani(DistribuzioneCon(fisse));
}

// Sets the outcome of the bidding: the caller, the bid rank and the trump.
inline void ImpostaChiamata(RegistroPartita& registro, int chiamante, int valore, int seme) {
    registro.chiamante = static_cast<std::int8_t>(chiamante);
    registro.chiamata = Chiamata(valore);
    registro.briscola = Briscola(seme);
}

// Plays the cards in order, collecting each trick as it fills.
inline void GiocaCarte(RegistroPartita& registro, std::initializer_list<Carta> carte) {
    for (const Carta& carta : carte) {
        registro.RegistraGiocata(carta);
        if (registro.CarteInTavola() == 5) {
            registro.RaccogliPresa();
        }
    }
}
