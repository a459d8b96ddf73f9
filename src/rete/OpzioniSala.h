#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The server-wide options of the tables' service; each has a safe default. The listener's own
// limits (frame size, rate, connections per address) are not here.
struct OpzioniSala {
    // Where tables are saved at shutdown and reopened at start; empty: nothing is kept.
    QString cartellaDati;
    // Tables open at once; creating one more is refused.
    int massimoTavoli = 1000;
    // Letters or digits put before every table code, so that a reverse proxy in front of
    // several servers can route a code to the server that holds it.
    QString prefissoCodici;
    // A fixed seed for every new table (reproducible runs and tests); otherwise each table is
    // seeded from the system's secure generator.
    std::optional<std::uint32_t> seme;
    // A game's end waits this long for every person's confirmation.
    int attesaFinePartitaMs = 30000;
    // A table with no person connected for this long closes.
    int chiusuraSenzaPersoneMs = 10 * 60 * 1000;
    // Worker threads for the computer decisions that take long; 0: the machine's cores.
    int fili = 0;
};
