// The window's remembered table: any bytes give no table or one whose seat is 0..4 and whose
// texts are short, and a table read back from its own text is the same table.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "Controlla.h"
#include "rete/TavoloRicordato.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const QByteArray testo(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(dimensione));
    const TavoloRicordato tavolo = TavoloRicordatoDaTesto(testo);
    if (!tavolo.Valido()) {
        return 0;
    }
    CONTROLLA(tavolo.posto >= 0 && tavolo.posto <= 4);
    CONTROLLA(tavolo.server.size() <= 200 && tavolo.codice.size() <= 200);
    const TavoloRicordato riletto = TavoloRicordatoDaTesto(TestoTavoloRicordato(tavolo));
    CONTROLLA(riletto.server == tavolo.server && riletto.codice == tavolo.codice);
    CONTROLLA(riletto.posto == tavolo.posto && riletto.gettone == tavolo.gettone);
    CONTROLLA(riletto.ospitato == tavolo.ospitato);
    return 0;
}
