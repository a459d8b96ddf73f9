#pragma once

#include "motori/FinestraGioco.h"
#include "motori/OpzioniTavolo.h"
#include "motori/Semaforo.h"

// The driver of a computer-only series (seating 1, 2 or 3): each game starts by itself when
// the previous one has been scored.
class SemaforoSoloComputer final : public Semaforo {
public:
    SemaforoSoloComputer(StatoTavolo& tavolo, FinestraGioco* finestra, int tipo,
                         const OpzioniTavolo& opzioni = {});
};
