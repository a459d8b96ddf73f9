#pragma once

#include <array>
#include <memory>

#include "ia/GiocaCarta.h"
#include "partita/AvanzaPartita.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

// Plays one whole game at the table (partita is the table's) with the five card strategies
// given, seated there, and LicitazioneAPunti bids.
inline void GiocaPartitaDiProva(StatoTavolo& stato, Partita& partita,
                                const std::array<GiocaCarta*, 5>& giocatori) {
    struct Tavolo final : DecisioniPartita {
        const std::array<GiocaCarta*, 5>& giocatori;
        std::array<std::unique_ptr<LicitazioneAPunti>, 5> licitazioni;

        Chiamata Licita(int giocatore) {
            return licitazioni[static_cast<std::size_t>(giocatore)]->Licita();
        }
        Briscola ScegliBriscola(int giocatore) {
            return licitazioni[static_cast<std::size_t>(giocatore)]->ScegliBriscola();
        }
        Carta ScegliCarta(int giocatore) {
            return giocatori[static_cast<std::size_t>(giocatore)]->ScegliCarta();
        }
    } tavolo{{}, giocatori, {}};
    partita.CambiaStato(StatoPartita::Distribuzione);
    const int primo = partita.Inizio(0);
    for (std::size_t s = 0; s < 5; ++s) {
        giocatori[s]->Siedi(stato);
        tavolo.licitazioni[s] = std::make_unique<LicitazioneAPunti>(static_cast<int>(s));
        tavolo.licitazioni[s]->Siedi(stato);
        tavolo.licitazioni[s]->ValutaMano();
        giocatori[s]->AzzeraBriscola();
        giocatori[s]->ImpostaBriscola(tavolo.licitazioni[s]->ScegliBriscola());
    }
    AvanzaPartita(partita, primo, tavolo);
}
