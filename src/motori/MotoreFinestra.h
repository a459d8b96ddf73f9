#pragma once

#include "motori/CasellaPersona.h"
#include "motori/Motore.h"

// A person's engine: every request goes to the person's mailbox (the window's, or a network
// client's), which answers once the person has chosen.
class MotoreFinestra final : public Motore {
public:
    // The mailbox is not owned and must outlive the engine.
    MotoreFinestra(int giocatore, CasellaPersona* casella);

    Carta ScegliCarta() override { return casella->RichiediCarta(); }
    Chiamata Licita() override { return casella->RichiediChiamata(); }
    Briscola ScegliBriscola() override { return casella->RichiediBriscola(); }
    std::string Descrizione() const override { return "GIOCATORE UMANO"; }
    std::string DettaglioStrategia() const override { return {}; }

private:
    CasellaPersona* casella;
};
