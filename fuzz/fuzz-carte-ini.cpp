// The Carte.ini reader on any bytes. Every name comes out as valid UTF-8 with no line end in
// it, the cards' names can be built from them, and the same bytes always give the same names.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Controlla.h"
#include "carte/Carta.h"
#include "carte/NomiCarte.h"
#include "comune/Testo.h"

namespace {

std::vector<std::string> Elenco(const NomiCarte& nomiCarte) {
    std::vector<std::string> nomi;
    for (int i = 0; i < 10; ++i) {
        nomi.push_back(nomiCarte.Valore(i, false));
        nomi.push_back(nomiCarte.Valore(i, true));
    }
    for (int i = 0; i < 4; ++i) {
        nomi.push_back(nomiCarte.Seme(i, false));
        nomi.push_back(nomiCarte.Seme(i, true));
    }
    return nomi;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), dimensione);
    NomiCarte nomiCarte;
    nomiCarte.CaricaDaByte(byte);
    const std::vector<std::string> nomi = Elenco(nomiCarte);
    for (const std::string& nome : nomi) {
        CONTROLLA(UTF8Valido(nome));
        CONTROLLA(nome.find_first_of("\r\n") == std::string::npos);
    }
    for (int c = 0; c < 40; ++c) {
        const Carta carta = Carta::DaIndice(c);
        CONTROLLA(UTF8Valido(carta.NomeLungo(nomiCarte)));
        CONTROLLA(UTF8Valido(carta.NomeBreve(nomiCarte)));
    }
    // Loading the same bytes again, over these names or over the built-in ones, gives the same.
    NomiCarte ancora = nomiCarte;
    ancora.CaricaDaByte(byte);
    CONTROLLA(ancora == nomiCarte);
    CONTROLLA(Elenco(ancora) == nomi);
    CONTROLLA(NomiCarte::Predefiniti() == NomiCarte());
    return 0;
}
