#include "ia/Predicato.h"

#include "comune/Errore.h"

void Predicato::ProbabilitaIllegale() const {
    throw Errore("Probabilità Illegale per il Predicato " + nome);
}
