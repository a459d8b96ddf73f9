#pragma once

#include "motori/ManagerMotoriOutputGrafico.h"
#include "motori/OpzioniTavolo.h"

// Second computer-only seating: five tactical players.
class MM_SoloComputer2 final : public ManagerMotoriOutputGrafico {
public:
    explicit MM_SoloComputer2(FinestraGioco* finestra, const OpzioniTavolo& opzioni = {});
};
