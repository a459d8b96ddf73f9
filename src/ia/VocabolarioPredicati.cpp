#include "ia/VocabolarioPredicati.h"

#include <string>

#include "ia/IntelligenzaArtificiale.h"

void VocabolarioPredicati::RegistraVocabolario(IntelligenzaArtificiale& ia) {
    primi = ia.NumeroPredicati() == 0;
    for (std::size_t i = 0; i < predicati.size(); ++i) {
        predicati[i] = &ia.NuovoPredicato(std::string(kNomiPredicati[i]));
    }
}

void VocabolarioPredicati::Imposta(IntelligenzaArtificiale& ia, MascheraPredicati vere) const {
    if (primi) {
        ia.ImpostaMaschera(vere);
        return;
    }
    ia.AzzeraPredicati();
    for (std::size_t i = 0; i < predicati.size(); ++i) {
        if (((vere >> i) & 1) != 0) {
            predicati[i]->ImpostaVero(true);
        }
    }
}
