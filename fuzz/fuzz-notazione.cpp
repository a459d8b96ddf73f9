// The reader of the game notation on any bytes. It raises only its own error, at a line of the
// text; every game it hands over plays again to the same scores, and written out again reads
// back as the same game; the same text always reads the same way.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Controlla.h"
#include "notazione/LeggiNotazione.h"
#include "notazione/PartitaNotata.h"
#include "notazione/RigiocaPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

struct Lettura {
    std::vector<PartitaNotata> partite;
    std::string errore;
    int riga = 0;
};

Lettura Leggi(std::string_view testo) {
    Lettura lettura;
    try {
        LeggiNotazione(testo, [&](const PartitaNotata& p) { lettura.partite.push_back(p); });
    } catch (const ErroreNotazione& e) {
        lettura.errore = e.what();
        lettura.riga = e.Riga();
    }
    return lettura;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), dimensione);
    // Lines end with LF, CR LF or a lone CR.
    int righe = 1;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        righe += testo[i] == '\n' ||
                         (testo[i] == '\r' && (i + 1 == testo.size() || testo[i + 1] != '\n'))
                     ? 1
                     : 0;
    }
    const Lettura prima = Leggi(testo);
    if (!prima.errore.empty()) {
        CONTROLLA(prima.riga >= 1 && prima.riga <= righe);
    }
    for (const PartitaNotata& p : prima.partite) {
        const RegistroPartita registro = RigiocaPartita(p);
        CONTROLLA(registro.PartitaFinita());
        CONTROLLA(PunteggiPartita(registro) == p.punteggi);
        const Lettura riletta = Leggi(TestoPartita(p));
        CONTROLLA(riletta.errore.empty() && riletta.partite.size() == 1);
        CONTROLLA(riletta.partite.front() == p);
    }
    const Lettura seconda = Leggi(testo);
    CONTROLLA(seconda.partite == prima.partite);
    CONTROLLA(seconda.errore == prima.errore && seconda.riga == prima.riga);
    return 0;
}
