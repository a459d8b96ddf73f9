#include "motori/MotoreOK.h"

#include "ia/GiocaCartaRegoleNuovo.h"

MotoreOK::MotoreOK(int giocatore, const std::string& fileRegole) : Motore(giocatore) {
    licitazione = std::make_unique<LicitazioneAPunti>(giocatore);
    giocaCarta = std::make_unique<GiocaCartaRegoleNuovo>(giocatore, fileRegole, 0.0);
}

MotoreOK::MotoreOK(int giocatore, const RegoleLette& regole) : Motore(giocatore) {
    licitazione = std::make_unique<LicitazioneAPunti>(giocatore);
    giocaCarta = std::make_unique<GiocaCartaRegoleNuovo>(giocatore, regole, 0.0);
}
