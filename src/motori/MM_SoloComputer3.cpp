#include "motori/MM_SoloComputer3.h"

#include "motori/CreaMotori.h"
#include "partita/StatoTavolo.h"

MM_SoloComputer3::MM_SoloComputer3(StatoTavolo& tavolo, FinestraGioco* finestra,
                                   const OpzioniTavolo& opzioni)
    : ManagerMotoriOutputGrafico(tavolo, finestra,
                                 CreaMotori({TipoMotore::OK, TipoMotore::OK, TipoMotore::OK,
                                             TipoMotore::OK, TipoMotore::Probabilita},
                                            finestra, opzioni, tavolo.generatore),
                                 opzioni.logTest) {}
