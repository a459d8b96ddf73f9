#include "motori/MotoreOK.h"

#include "ia/GiocaCartaRegoleNuovo.h"

MotoreOK::MotoreOK(int giocatore, const std::string& fileRegole) : Motore(giocatore) {
    licitazione = std::make_unique<LicitazioneAPunti>(giocatore);
    giocaCarta = std::make_unique<GiocaCartaRegoleNuovo>(giocatore, fileRegole, 0.0);
}
