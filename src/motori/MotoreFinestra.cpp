#include "motori/MotoreFinestra.h"

#include "comune/Errore.h"

MotoreFinestra::MotoreFinestra(int giocatore, CasellaPersona* casella)
    : Motore(giocatore), casella(casella) {
    if (casella == nullptr) {
        throw Errore("Manca la finestra del giocatore umano");
    }
    umano = true;
}
