#pragma once

#include "motori/ManagerMotoriOutputGrafico.h"
#include "motori/OpzioniTavolo.h"

// Second computer-only seating: five tactical players.
class MM_SoloComputer2 final : public ManagerMotoriOutputGrafico {
public:
    MM_SoloComputer2(StatoTavolo& tavolo, FinestraGioco* finestra,
                     const OpzioniTavolo& opzioni = {});
};
