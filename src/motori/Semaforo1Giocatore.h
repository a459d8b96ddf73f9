#pragma once

#include "motori/FinestraGioco.h"
#include "motori/OpzioniTavolo.h"
#include "motori/Semaforo.h"

// The driver of a game with one human at seat 4; after each game it waits for a new one.
class Semaforo1Giocatore final : public Semaforo {
public:
    Semaforo1Giocatore(StatoTavolo& tavolo, FinestraGioco* finestra,
                       const OpzioniTavolo& opzioni = {});
};
