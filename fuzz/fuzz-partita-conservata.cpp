// The reader of the series and game kept between two runs, on any bytes. A refused text raises
// Errore and nothing else; an accepted one writes back to a text that reads the same, and its
// game can be played again on a table: to the point kept, or refused with Errore.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Controlla.h"
#include "comune/Errore.h"
#include "comune/Percorsi.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/PartitaConservata.h"
#include "motori/Tavolo.h"
#include "partita/FileStoria.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), dimensione);
    PartitaConservata letta;
    try {
        letta = LeggiPartitaConservata(byte);
    } catch (const Errore&) {
        return 0;
    }
    CONTROLLA(LeggiPartitaConservata(ScriviPartitaConservata(letta)) == letta);
    // The players' rules file, wherever the fuzzer runs.
    ImpostaCartellaProgramma(PENTALUDO_DATI);
    FinestraSilenziosa finestra;
    Tavolo tavolo(0, 1, &finestra);
    CONTROLLA(FileStoria::Leggi(letta.storia, tavolo.Stato().storia, nullptr));
    try {
        RigiocaPartita(tavolo, finestra, 4, letta, {});
    } catch (const Errore&) {
        return 0;
    }
    PartitaConservata rigiocata;
    RilevaPartita(tavolo, rigiocata);
    CONTROLLA(rigiocata.inCorso == letta.inCorso);
    CONTROLLA(rigiocata.carte == letta.carte);
    return 0;
}
