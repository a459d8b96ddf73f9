#pragma once

#include "motori/FinestraGioco.h"
#include "motori/Motore.h"

// The human's engine: every request goes to the window, which answers from its mailboxes.
class MotoreFinestra final : public Motore {
public:
    // The window is not owned and must outlive the engine.
    MotoreFinestra(int giocatore, FinestraGioco* finestra);

    Carta ScegliCarta() override { return finestra->RichiediCarta(); }
    Chiamata Licita() override { return finestra->RichiediChiamata(); }
    Briscola ScegliBriscola() override { return finestra->RichiediBriscola(); }
    std::string Descrizione() const override { return "GIOCATORE UMANO"; }
    std::string DettaglioStrategia() const override { return {}; }

private:
    FinestraGioco* finestra;
};
