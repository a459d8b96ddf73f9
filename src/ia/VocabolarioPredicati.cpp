#include "ia/VocabolarioPredicati.h"

#include <string>

#include "ia/IntelligenzaArtificiale.h"

void VocabolarioPredicati::Registra(IntelligenzaArtificiale& ia) {
    for (std::size_t i = 0; i < predicati.size(); ++i) {
        predicati[i] = &ia.NuovoPredicato(std::string(kNomiPredicati[i]));
    }
}

void VocabolarioPredicati::Imposta(IntelligenzaArtificiale& ia, MascheraPredicati vere) const {
    // The engine of the player holds these predicates alone: writing each of them is the
    // same as zeroing them all and then raising the true ones.
    if (ia.NumeroPredicati() != kNumeroPredicati) {
        ia.AzzeraPredicati();
    }
    for (std::size_t i = 0; i < predicati.size(); ++i) {
        predicati[i]->ImpostaVero(((vere >> i) & 1) != 0);
    }
}
