#include "motori/MM_SoloComputer1.h"

#include "motori/CreaMotori.h"

MM_SoloComputer1::MM_SoloComputer1(FinestraGioco* finestra, const OpzioniTavolo& opzioni)
    : ManagerMotoriOutputGrafico(
          finestra,
          CreaMotori({TipoMotore::OK, TipoMotore::Probabilita, TipoMotore::OK,
                      TipoMotore::Probabilita, TipoMotore::OK},
                     finestra, opzioni),
          opzioni.logTest) {}
