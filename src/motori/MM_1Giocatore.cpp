#include "motori/MM_1Giocatore.h"

#include "motori/CreaMotori.h"

MM_1Giocatore::MM_1Giocatore(FinestraGioco* finestra, const OpzioniTavolo& opzioni)
    : ManagerMotoriOutputGrafico(finestra,
                                 CreaMotori({TipoMotore::OK, TipoMotore::OK, TipoMotore::OK,
                                             TipoMotore::OK, TipoMotore::Finestra},
                                            finestra, opzioni),
                                 opzioni.logTest) {}
