#include "motori/MM_SoloComputer2.h"

#include "motori/CreaMotori.h"

MM_SoloComputer2::MM_SoloComputer2(FinestraGioco* finestra, const OpzioniTavolo& opzioni)
    : ManagerMotoriOutputGrafico(
          finestra,
          CreaMotori({TipoMotore::Probabilita, TipoMotore::Probabilita, TipoMotore::Probabilita,
                      TipoMotore::Probabilita, TipoMotore::Probabilita},
                     finestra, opzioni),
          opzioni.logTest) {}
