#include "motori/MM_SoloComputer1.h"

#include "motori/CreaMotori.h"
#include "partita/StatoTavolo.h"

MM_SoloComputer1::MM_SoloComputer1(StatoTavolo& tavolo, FinestraGioco* finestra,
                                   const OpzioniTavolo& opzioni)
    : ManagerMotoriOutputGrafico(
          tavolo, finestra,
          CreaMotori({TipoMotore::OK, TipoMotore::Probabilita, TipoMotore::OK,
                      TipoMotore::Probabilita, TipoMotore::OK},
                     finestra, opzioni, tavolo.generatore),
          opzioni.logTest) {}
