#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "aiuto/AiutoPartita.h"
#include "comune/Casuale.h"
#include "comune/Percorsi.h"
#include "motori/FinestraGioco.h"
#include "motori/ManagerMotoriOutputGrafico.h"
#include "motori/MotoreACaso.h"
#include "motori/MotoreFinestra.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

// Every test of the table starts from a fresh record and history, the human setting and a
// fixed seed, and leaves them so.
class AmbienteMotori : public ::testing::Test {
protected:
    void SetUp() override { Azzera(); }
    void TearDown() override { Azzera(); }

    static void Azzera() { AzzeraStatoGlobale(12345); }
};

// A table that needs no rules file: random-card players with the real bidding at seats 0..3,
// and at seat 4 the human through the window or a fifth random player.
inline std::unique_ptr<ManagerMotoriOutputGrafico>
TavoloACaso(FinestraGioco* finestra, bool conUmano, const std::string& logTest = {}) {
    MotoriTavolo motori;
    for (int s = 0; s < 4; ++s) {
        motori[static_cast<std::size_t>(s)] = std::make_unique<MotoreACaso>(s);
    }
    if (conUmano) {
        motori[4] = std::make_unique<MotoreFinestra>(4, finestra);
    } else {
        motori[4] = std::make_unique<MotoreACaso>(4);
    }
    return std::make_unique<ManagerMotoriOutputGrafico>(TavoloDelTest(), finestra,
                                                        std::move(motori), logTest);
}
