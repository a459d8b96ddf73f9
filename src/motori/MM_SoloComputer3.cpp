#include "motori/MM_SoloComputer3.h"

#include "motori/CreaMotori.h"

MM_SoloComputer3::MM_SoloComputer3(FinestraGioco* finestra, const OpzioniTavolo& opzioni)
    : ManagerMotoriOutputGrafico(finestra,
                                 CreaMotori({TipoMotore::OK, TipoMotore::OK, TipoMotore::OK,
                                             TipoMotore::OK, TipoMotore::Probabilita},
                                            finestra, opzioni),
                                 opzioni.logTest) {}
