#pragma once

#include <array>
#include <memory>

#include "ia/GiocaCarta.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

// Plays one whole game at the table (partita is the table's) with the five card strategies
// given and LicitazioneAPunti bids, driving the state machine as the engine manager does.
inline void GiocaPartitaDiProva(StatoTavolo& tavolo, Partita& partita,
                                const std::array<GiocaCarta*, 5>& giocatori) {
    std::array<std::unique_ptr<LicitazioneAPunti>, 5> licitazioni;
    partita.CambiaStato(0);
    int turno = partita.Inizio(0);
    for (int s = 0; s < 5; ++s) {
        giocatori[static_cast<std::size_t>(s)]->Siedi(tavolo);
        licitazioni[static_cast<std::size_t>(s)] = std::make_unique<LicitazioneAPunti>(s);
        licitazioni[static_cast<std::size_t>(s)]->Siedi(tavolo);
        licitazioni[static_cast<std::size_t>(s)]->ValutaMano();
        giocatori[static_cast<std::size_t>(s)]->AzzeraBriscola();
        giocatori[static_cast<std::size_t>(s)]->ImpostaBriscola(
            licitazioni[static_cast<std::size_t>(s)]->ScegliBriscola());
    }
    while (partita.Stato() != 9) {
        switch (partita.Stato()) {
        case 1: {
            Chiamata chiamata = licitazioni[static_cast<std::size_t>(turno)]->Licita();
            turno = partita.Licita(turno, chiamata);
            break;
        }
        case 3:
            turno = partita.FineLicitazione();
            break;
        case 4:
            turno = partita.ImpostaBriscola(
                licitazioni[static_cast<std::size_t>(tavolo.registro.chiamante)]->ScegliBriscola());
            break;
        case 5: {
            Carta carta = giocatori[static_cast<std::size_t>(turno)]->ScegliCarta();
            turno = partita.Gioca(carta);
            break;
        }
        case 6:
            turno = partita.FineMano();
            break;
        case 7:
            turno = partita.RaccogliMano();
            break;
        case 8:
            partita.Punteggi();
            break;
        default:
            return;
        }
    }
}
