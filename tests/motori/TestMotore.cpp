#include <gtest/gtest.h>

#include "AmbienteMotori.h"
#include "comune/Errore.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/Motore.h"

namespace {} // namespace

using Motore_ = AmbienteMotori;

TEST_F(Motore_, GiocatoreFuoriDalTavoloRifiutato) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    for (int giocatore : {-1, 5}) {
        EXPECT_EQ(Messaggio([&] { Motore m(giocatore); }),
                  "Identificativo del giocatore non valido");
        EXPECT_EQ(Messaggio([&] { MotoreACaso m(giocatore); }),
                  "Identificativo del giocatore non valido");
        EXPECT_EQ(Messaggio([&] { MotoreFinestra m(giocatore, &finestra); }),
                  "Identificativo del giocatore non valido");
    }
    EXPECT_EQ(Motore(0).Giocatore(), 0);
    EXPECT_EQ(Motore(4).Giocatore(), 4);
}

TEST_F(Motore_, MotoreSenzaStrategieNonDescriveNeDecide) {
    Motore m(2);
    EXPECT_FALSE(m.Umano());
    EXPECT_EQ(m.Descrizione(), "");
    EXPECT_EQ(m.DettaglioStrategia(), "");
    EXPECT_THROW(m.ScegliCarta(), Errore);
    EXPECT_THROW(m.Licita(), Errore);
    EXPECT_THROW(m.ScegliBriscola(), Errore);
}

TEST_F(Motore_, DescrizioneNomeSpazioDettaglio) {
    MotoreACaso m(1);
    m.Siedi(TavoloDelTest());
    EXPECT_EQ(m.Descrizione(), "Gioca a Caso ");
    EXPECT_EQ(m.DettaglioStrategia(), "");
    ASSERT_NE(m.StrategiaCarta(), nullptr);
    ASSERT_NE(m.StrategiaLicitazione(), nullptr);
    EXPECT_EQ(m.StrategiaCarta()->Giocatore(), 1);
}

TEST_F(Motore_, UmanoRiportaLeScelteDellaFinestraUnaVolta) {
    FinestraGioco* nessuna = nullptr;
    EXPECT_THROW(MotoreFinestra(4, nessuna), Errore);

    FinestraSilenziosa finestra(false, 1000);
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    MotoreFinestra umano(4, &finestra);
    EXPECT_TRUE(umano.Umano());
    EXPECT_EQ(umano.Descrizione(), "GIOCATORE UMANO");
    EXPECT_EQ(umano.DettaglioStrategia(), "");
    EXPECT_EQ(umano.StrategiaCarta(), nullptr);
    EXPECT_EQ(umano.StrategiaLicitazione(), nullptr);

    // Until the user chooses, every request answers "no decision yet".
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(umano.ScegliCarta().Definita());
        EXPECT_EQ(umano.Licita().Valore, kNessunaChiamata);
        EXPECT_EQ(umano.ScegliBriscola().SemeGrezzo(), kBriscolaNonNominata);
    }
    finestra.ImpostaCartaScelta(Carta(kRe, 2));
    finestra.ImpostaChiamataScelta(Chiamata(kTre));
    finestra.ImpostaBriscolaScelta(Briscola(3));
    EXPECT_EQ(umano.ScegliCarta(), Carta(kRe, 2));
    EXPECT_EQ(umano.Licita(), Chiamata(kTre));
    EXPECT_EQ(umano.ScegliBriscola(), Briscola(3));
    EXPECT_FALSE(umano.ScegliCarta().Definita());
    EXPECT_EQ(umano.Licita().Valore, kNessunaChiamata);
    EXPECT_EQ(umano.ScegliBriscola().SemeGrezzo(), kBriscolaNonNominata);
}
