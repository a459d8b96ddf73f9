#pragma once

#include <array>

#include "motori/FinestraGioco.h"
#include "motori/ManagerMotori.h"
#include "motori/OpzioniTavolo.h"

enum class TipoMotore { OK, Probabilita, Finestra };

class GeneratoreCasuale;

// The engine of seat giocatore in a seating (tipi: the kind of every seat).
std::unique_ptr<Motore> CreaMotore(const std::array<TipoMotore, 5>& tipi, int giocatore,
                                   FinestraGioco* finestra, const OpzioniTavolo& opzioni,
                                   GeneratoreCasuale& generatore);

// The five engines of a seating, created from seat 4 down to seat 0, with the options' changes.
// An expert draws its seed from generatore (the table's) as it is created.
MotoriTavolo CreaMotori(const std::array<TipoMotore, 5>& tipi, FinestraGioco* finestra,
                        const OpzioniTavolo& opzioni, GeneratoreCasuale& generatore);
