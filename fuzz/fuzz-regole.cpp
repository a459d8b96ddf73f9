// The rules-file reader on any bytes, decoded as a file is. It raises only its own error, at a
// line inside the text; the same text always reads to the same rules; and the rules read (all,
// or those before the error) can be evaluated.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Controlla.h"
#include "comune/Testo.h"
#include "ia/CaricaRegole.h"
#include "ia/ErroreRegole.h"
#include "ia/IntelligenzaArtificiale.h"
#include "ia/VocabolarioPredicati.h"

namespace {

struct Lettura {
    std::vector<std::string> regole;
    std::string errore;
    int riga = 0;
};

Lettura Leggi(const std::string& testo, bool valuta) {
    IntelligenzaArtificiale ia;
    VocabolarioPredicati vocabolario;
    vocabolario.RegistraVocabolario(ia);
    const int predicati = ia.NumeroPredicati();
    Lettura lettura;
    try {
        CaricaRegole(ia, testo);
    } catch (const ErroreRegole& e) {
        lettura.errore = e.what();
        lettura.riga = e.Riga();
    }
    CONTROLLA(ia.NumeroPredicati() == predicati);
    for (int i = 0; i < ia.NumeroRegole(); ++i) {
        const _Regola& r = ia.RegolaN(i);
        std::string testoRegola =
            r.Nome() + (r.Bersaglio() != nullptr ? " > " + r.Bersaglio()->Nome()
                                                 : " " + std::to_string(r.Peso()));
        for (int k = 0; k < r.Numero(); ++k) {
            testoRegola += (r.Congiunzione(k) ? " E" : " O") + std::string(r.Negato(k) ? "!" : "") +
                           r.Antecedente(k).Nome();
        }
        lettura.regole.push_back(testoRegola);
    }
    if (valuta) {
        for (int i = 0; i < kNumeroPredicati; ++i) {
            vocabolario[static_cast<IndicePredicato>(i)].ImpostaProbabilita(i % 3 == 0 ? 1.0 : 0.0);
        }
        ia.Valuta();
    }
    return lettura;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string testo =
        DecodificaTestoFile(std::string_view(reinterpret_cast<const char*>(dati), dimensione));
    // Lines end with LF, CR LF or a lone CR.
    int righe = 1;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        righe += testo[i] == '\n' ||
                         (testo[i] == '\r' && (i + 1 == testo.size() || testo[i + 1] != '\n'))
                     ? 1
                     : 0;
    }
    const Lettura prima = Leggi(testo, true);
    if (!prima.errore.empty()) {
        CONTROLLA(prima.riga >= 1 && prima.riga <= righe);
        CONTROLLA(prima.errore.rfind("Predicato ", 0) == 0 ||
                  prima.errore.rfind("La regola ", 0) == 0);
    }
    const Lettura seconda = Leggi(testo, false);
    CONTROLLA(seconda.regole == prima.regole);
    CONTROLLA(seconda.errore == prima.errore && seconda.riga == prima.riga);
    return 0;
}
