#include "motori/Semaforo1Giocatore.h"

#include "motori/MM_1Giocatore.h"

Semaforo1Giocatore::Semaforo1Giocatore(StatoTavolo& tavolo, FinestraGioco* finestra,
                                       const OpzioniTavolo& opzioni)
    : Semaforo(std::make_unique<MM_1Giocatore>(tavolo, finestra, opzioni), false) {}
