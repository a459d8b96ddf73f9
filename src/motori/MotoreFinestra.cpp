#include "motori/MotoreFinestra.h"

#include "comune/Errore.h"

MotoreFinestra::MotoreFinestra(int giocatore, FinestraGioco* finestra)
    : Motore(giocatore), finestra(finestra) {
    if (finestra == nullptr) {
        throw Errore("Manca la finestra del giocatore umano");
    }
    umano = true;
}
