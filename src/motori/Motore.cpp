#include "motori/Motore.h"

#include "comune/Errore.h"

namespace {

// An engine without the strategy asked for could only crash: say which seat it is.
[[noreturn]] void MancaStrategia(int giocatore) {
    throw Errore("Il giocatore " + std::to_string(giocatore) +
                 " non ha una strategia per questa decisione");
}

} // namespace

Motore::Motore(int giocatore) {
    if (giocatore < 0 || giocatore > 4) {
        throw Errore("Identificativo del giocatore non valido");
    }
    this->giocatore = giocatore;
}

Motore::~Motore() = default;

void Motore::Siedi(StatoTavolo& tavolo) {
    if (licitazione) {
        licitazione->Siedi(tavolo);
    }
    if (giocaCarta) {
        giocaCarta->Siedi(tavolo);
    }
}

Carta Motore::ScegliCarta() {
    if (!giocaCarta) {
        MancaStrategia(giocatore);
    }
    return giocaCarta->ScegliCarta();
}

Chiamata Motore::Licita() {
    if (!licitazione) {
        MancaStrategia(giocatore);
    }
    return licitazione->Licita();
}

Briscola Motore::ScegliBriscola() {
    if (!licitazione) {
        MancaStrategia(giocatore);
    }
    return licitazione->ScegliBriscola();
}

std::string Motore::Descrizione() const {
    if (!giocaCarta) {
        return {};
    }
    return giocaCarta->Nome() + " " + giocaCarta->Dettaglio();
}

std::string Motore::DettaglioStrategia() const {
    if (!giocaCarta) {
        return {};
    }
    return giocaCarta->Dettaglio();
}
