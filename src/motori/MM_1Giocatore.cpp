#include "motori/MM_1Giocatore.h"

#include "motori/CreaMotori.h"
#include "partita/StatoTavolo.h"

MM_1Giocatore::MM_1Giocatore(StatoTavolo& tavolo, FinestraGioco* finestra,
                             const OpzioniTavolo& opzioni)
    : ManagerMotoriOutputGrafico(tavolo, finestra,
                                 CreaMotori({TipoMotore::OK, TipoMotore::OK, TipoMotore::OK,
                                             TipoMotore::OK, TipoMotore::Finestra},
                                            finestra, opzioni, tavolo.generatore),
                                 opzioni.logTest) {}
