#include "ia/IntelligenzaArtificialeDEBUG.h"

double IntelligenzaArtificialeDEBUG::Valuta() {
    return IntelligenzaArtificiale::Valuta();
}
