#include "motori/MotoreProbabilita.h"

MotoreProbabilita::MotoreProbabilita(int giocatore, const Coefficienti& coefficienti)
    : Motore(giocatore) {
    licitazione = std::make_unique<LicitazioneAPunti>(giocatore);
    giocaCarta = std::make_unique<GiocaCartaProbabilita>(giocatore, coefficienti);
}
