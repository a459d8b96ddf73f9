#include "motori/FinestraGioco.h"

Carta FinestraGioco::RichiediCarta() {
    const Carta scelta = cartaScelta;
    cartaScelta = CartaIndefinita;
    return scelta;
}

Chiamata FinestraGioco::RichiediChiamata() {
    const Chiamata scelta = chiamataScelta;
    chiamataScelta = ChiamataNulla;
    return scelta;
}

Briscola FinestraGioco::RichiediBriscola() {
    const Briscola scelta = briscolaScelta;
    briscolaScelta = BriscolaIndefinita;
    return scelta;
}

void FinestraGioco::ImpostaCartaScelta(const Carta& carta) {
    // Assignment keeps the target's face-down flag: a chosen card is always face up.
    cartaScelta = carta;
    cartaScelta.Coperta = 0;
}
