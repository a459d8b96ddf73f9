#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "motori/Serie.h"

// What pentaludo-serie prints of a series: its history (totals, wins) and what the run
// measured (standard errors, intervals, speed).
struct RisultatoSerie {
    int tipo = 1;
    bool manoAlBuio = true;
    std::uint32_t seme = 0;
    int fili = 1;
    // The simulated human's seat, -1 when computers sit at every seat.
    int postoUmano = -1;
    std::array<std::string, 5> descrizioni;
    std::vector<GruppoPosti> confronti;
    EsitoSerie esito;
};

// One JSON object on one line.
void StampaJson(const RisultatoSerie& risultato, const TipoStoriaPartite& storia);
// A table for people.
void StampaTabella(const RisultatoSerie& risultato, const TipoStoriaPartite& storia);
