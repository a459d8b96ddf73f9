#pragma once

#include "motori/ManagerMotoriOutputGrafico.h"
#include "motori/OpzioniTavolo.h"

// One human at seat 4, through the window, against four standard computer players.
class MM_1Giocatore final : public ManagerMotoriOutputGrafico {
public:
    MM_1Giocatore(StatoTavolo& tavolo, FinestraGioco* finestra, const OpzioniTavolo& opzioni = {});
};
