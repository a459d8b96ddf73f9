#include "motori/MotoreACaso.h"

MotoreACaso::MotoreACaso(int giocatore) : Motore(giocatore) {
    licitazione = std::make_unique<LicitazioneAPunti>(giocatore);
    giocaCarta = std::make_unique<GiocaCartaACaso>(giocatore);
}
