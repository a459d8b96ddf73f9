#include "motori/MM_SoloComputer2.h"

#include "motori/CreaMotori.h"
#include "partita/StatoTavolo.h"

MM_SoloComputer2::MM_SoloComputer2(StatoTavolo& tavolo, FinestraGioco* finestra,
                                   const OpzioniTavolo& opzioni)
    : ManagerMotoriOutputGrafico(
          tavolo, finestra,
          CreaMotori({TipoMotore::Probabilita, TipoMotore::Probabilita, TipoMotore::Probabilita,
                      TipoMotore::Probabilita, TipoMotore::Probabilita},
                     finestra, opzioni, tavolo.generatore),
          opzioni.logTest) {}
