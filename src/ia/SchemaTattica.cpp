#include "ia/SchemaTattica.h"

#include <cctype>

std::string EtichettaSchema(int indice) {
    if (indice < 0 || indice >= kNumeroSchemi) {
        return {};
    }
    const int posizione = indice % 5;
    const int posizioneSocio = (indice / 5) % 6 - 1;
    const int posizioneChiamante = indice / 30;
    std::string etichetta(5, 'a');
    if (posizioneSocio >= 0) {
        etichetta[static_cast<std::size_t>(posizioneSocio)] = 's';
    }
    etichetta[static_cast<std::size_t>(posizioneChiamante)] =
        posizioneSocio == posizioneChiamante ? 'm' : 'c';
    char& decide = etichetta[static_cast<std::size_t>(posizione)];
    decide = static_cast<char>(std::toupper(static_cast<unsigned char>(decide)));
    return etichetta;
}
