#pragma once

#include <array>

#include "motori/FinestraGioco.h"
#include "motori/ManagerMotori.h"
#include "motori/OpzioniTavolo.h"

enum class TipoMotore { OK, Probabilita, Finestra };

// The five engines of a seating, created from seat 4 down to seat 0, with the options' changes.
MotoriTavolo CreaMotori(const std::array<TipoMotore, 5>& tipi, FinestraGioco* finestra,
                        const OpzioniTavolo& opzioni);
