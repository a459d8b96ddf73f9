#include "ia/VocabolarioPredicati.h"

#include <bit>
#include <string>

#include "ia/IntelligenzaArtificiale.h"

void VocabolarioPredicati::Registra(IntelligenzaArtificiale& ia) {
    for (std::size_t i = 0; i < predicati.size(); ++i) {
        predicati[i] = &ia.NuovoPredicato(std::string(kNomiPredicati[i]));
    }
}

void VocabolarioPredicati::Imposta(IntelligenzaArtificiale& ia, MascheraPredicati vere) const {
    ia.AzzeraPredicati();
    while (vere != 0) {
        const int i = std::countr_zero(vere);
        ia.ImpostaProbabilita(*predicati[static_cast<std::size_t>(i)], 1.0);
        vere &= vere - 1;
    }
}
