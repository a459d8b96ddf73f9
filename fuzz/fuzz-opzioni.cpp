// The options-file reader on any bytes. Every value comes out within its range, every text is
// valid UTF-8, and what is read is written as the lines that read back to the same values.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Controlla.h"
#include "comune/Testo.h"
#include "finestre/FileOpzioni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), dimensione);
    const ValoriOpzioni valori = LeggiOpzioni(byte);
    CONTROLLA(valori.puntiMonte >= 0 && valori.puntiMonte <= kMassimoPuntiMonte);
    CONTROLLA(valori.attesaGiocata >= 0 && valori.attesaGiocata <= kMassimoAttesaGiocata);
    CONTROLLA(valori.attesaMano >= 0 && valori.attesaMano <= kMassimoAttesaMano);
    CONTROLLA(valori.coloreSfondo <= kMassimoColore && valori.coloreTesto <= kMassimoColore);
    for (const std::string& nome : valori.nomi) {
        CONTROLLA(UTF8Valido(nome));
    }
    CONTROLLA(UTF8Valido(valori.immagineSfondo) && UTF8Valido(valori.directoryCarte));
    CONTROLLA(UTF8Valido(valori.certificatoTls) && UTF8Valido(valori.chiaveTls));

    const std::string scritto = ScriviOpzioni(valori);
    CONTROLLA(valori.lingua >= 0 && valori.lingua <= 2);
    const long righe = 14 + (valori.esperti ? 1 : 0) + (valori.dimensione != 100 ? 1 : 0) +
                       (valori.lingua != 0 ? 1 : 0) +
                       (valori.certificatoTls.empty() && valori.chiaveTls.empty() ? 0 : 2);
    CONTROLLA(std::count(scritto.begin(), scritto.end(), '\n') == righe);
    CONTROLLA(std::count(scritto.begin(), scritto.end(), '\r') == righe);
    CONTROLLA(LeggiOpzioni(scritto) == valori);
    return 0;
}
