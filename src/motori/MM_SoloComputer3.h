#pragma once

#include "motori/ManagerMotoriOutputGrafico.h"
#include "motori/OpzioniTavolo.h"

// Third computer-only seating: four standard players and one tactical player at seat 4.
class MM_SoloComputer3 final : public ManagerMotoriOutputGrafico {
public:
    MM_SoloComputer3(StatoTavolo& tavolo, FinestraGioco* finestra,
                     const OpzioniTavolo& opzioni = {});
};
