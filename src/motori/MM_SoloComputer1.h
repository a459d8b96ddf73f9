#pragma once

#include "motori/ManagerMotoriOutputGrafico.h"
#include "motori/OpzioniTavolo.h"

// First computer-only seating: standard players at seats 0, 2, 4, tactical at 1, 3.
class MM_SoloComputer1 final : public ManagerMotoriOutputGrafico {
public:
    MM_SoloComputer1(StatoTavolo& tavolo, FinestraGioco* finestra,
                     const OpzioniTavolo& opzioni = {});
};
