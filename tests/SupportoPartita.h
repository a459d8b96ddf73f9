#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "carte/Carta.h"
#include "comune/Casuale.h"
#include "ia/OsservatoreTattica.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoGiocatori.h"
#include "partita/TipoStoriaPartite.h"

// Small helpers that set up concrete game situations for the tests.

// Puts every process-wide object the tactical tests touch back to its start state.
inline void AzzeraStatoGlobale() {
    Registro() = RegistroPartita();
    StoriaPartite().Azzera();
    ImpostaTipoGiocatori(0);
    ImpostaSemeCasuale(5489u);
    ImpostaOsservatoreTattica(nullptr);
}

// Deals the listed cards to their seats; the cards not listed fill the hands up to eight, in
// ascending card index, seat 0 first.
inline void DistribuisciMani(RegistroPartita& registro,
                             const std::array<std::vector<Carta>, 5>& mani) {
    std::array<int, 40> posti;
    posti.fill(-1);
    std::array<int, 5> contate{};
    for (int g = 0; g < 5; ++g) {
        for (const Carta& carta : mani[static_cast<std::size_t>(g)]) {
            posti[static_cast<std::size_t>(carta.Indice())] = g;
            ++contate[static_cast<std::size_t>(g)];
        }
    }
    int g = 0;
    for (auto& posto : posti) {
        if (posto >= 0) {
            continue;
        }
        while (contate[static_cast<std::size_t>(g)] >= 8) {
            ++g;
        }
        posto = g;
        ++contate[static_cast<std::size_t>(g)];
    }
    registro.DistribuisciMani(posti);
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
