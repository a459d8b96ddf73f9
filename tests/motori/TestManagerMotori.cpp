#include <gtest/gtest.h>

#include "AmbienteMotori.h"
#include "comune/Errore.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/ManagerMotori.h"

namespace {

MotoriTavolo MotoriACaso(const std::array<int, 5>& giocatori) {
    MotoriTavolo motori;
    for (std::size_t k = 0; k < 5; ++k) {
        motori[k] = std::make_unique<MotoreACaso>(giocatori[k]);
    }
    return motori;
}

std::string ErroreCostruzione(const std::array<int, 5>& giocatori) {
    try {
        ManagerMotori manager(TavoloDelTest(), MotoriACaso(giocatori));
    } catch (const Errore& e) {
        return e.what();
    }
    return "nessun errore";
}

} // namespace

using ManagerMotori_ = AmbienteMotori;

TEST_F(ManagerMotori_, OgniPostoControllatoConIlSuoMessaggio) {
    EXPECT_EQ(ErroreCostruzione({1, 1, 2, 3, 4}), "Giocatore 0/4 - Identificativo errato");
    EXPECT_EQ(ErroreCostruzione({0, 2, 2, 3, 4}), "Giocatore 1/4 - Identificativo errato");
    EXPECT_EQ(ErroreCostruzione({0, 1, 3, 3, 4}), "Giocatore 2/4 - Identificativo errato");
    EXPECT_EQ(ErroreCostruzione({0, 1, 2, 4, 4}), "Giocatore 3/4 - Identificativo errato");
    EXPECT_EQ(ErroreCostruzione({0, 1, 2, 3, 0}), "Giocatore 4/4 - Identificativo errato");
    // The check goes in seat order: the first wrong seat is the one reported.
    EXPECT_EQ(ErroreCostruzione({4, 3, 2, 1, 0}), "Giocatore 0/4 - Identificativo errato");
    EXPECT_EQ(ErroreCostruzione({0, 1, 2, 3, 4}), "nessun errore");

    MotoriTavolo manca = MotoriACaso({0, 1, 2, 3, 4});
    manca[3].reset();
    EXPECT_THROW((ManagerMotori{TavoloDelTest(), std::move(manca)}), Errore);
}

TEST_F(ManagerMotori_, SenzaFinestraNonSiGioca) {
    EXPECT_THROW(ManagerMotoriOutputGrafico(TavoloDelTest(), nullptr, MotoriACaso({0, 1, 2, 3, 4})),
                 Errore);
}

TEST_F(ManagerMotori_, ElencoDeiTipiUnoARigaSenzaAcapoFinale) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    const auto manager = TavoloACaso(&finestra, true);
    EXPECT_EQ(manager->DescrizioneMotore(0), "Gioca a Caso ");
    EXPECT_EQ(manager->DescrizioneMotore(4), "GIOCATORE UMANO");
    EXPECT_EQ(manager->DescrizioniMotori(), "Gioca a Caso \r\nGioca a Caso \r\nGioca a Caso \r\n"
                                            "Gioca a Caso \r\nGIOCATORE UMANO");
    EXPECT_EQ(manager->GiocatoreUmano(), 4);
    EXPECT_EQ(TavoloACaso(&finestra, false)->GiocatoreUmano(), -1);
    EXPECT_THROW(manager->DescrizioneMotore(5), Errore);
    EXPECT_THROW(manager->ChiediCarta(-1), Errore);
}

TEST_F(ManagerMotori_, DopoLaDistribuzioneOgniComputerGiocaConLaBriscolaCheChiamerebbe) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    const auto manager = TavoloACaso(&finestra, true);
    for (int partita = 0; partita < 20; ++partita) {
        Registro().Distribuisci(TavoloDelTest().generatore);
        manager->CarteDistribuite();
        for (int s = 0; s < 4; ++s) {
            const Motore& motore = manager->MotoreDi(s);
            // The suit the hand values most, found here from the hand itself.
            std::array<int, 4> somma{};
            constexpr std::array<int, 10> kValore = {6, 7, 8, 9, 10, 13, 18, 35, 70, 100};
            for (int k = 0; k < 8; ++k) {
                const Carta c = Registro().CartaInMano(s, k);
                somma[static_cast<std::size_t>(c.Seme)] +=
                    kValore[static_cast<std::size_t>(c.Valore())];
            }
            int migliore = 0;
            for (int seme = 1; seme < 4; ++seme) {
                if (somma[static_cast<std::size_t>(seme)] >
                    somma[static_cast<std::size_t>(migliore)]) {
                    migliore = seme;
                }
            }
            EXPECT_EQ(motore.StrategiaCarta()->BriscolaPrevista(), Briscola(migliore))
                << "giocatore " << s;
            EXPECT_EQ(motore.StrategiaLicitazione()->ScegliBriscola(), Briscola(migliore));
        }
    }
}

TEST_F(ManagerMotori_, IlManagerDiBaseDaLeDecisioniDeiMotori) {
    ManagerMotori manager(TavoloDelTest(), MotoriACaso({0, 1, 2, 3, 4}));
    Registro().Distribuisci(TavoloDelTest().generatore);
    manager.CarteDistribuite();
    manager.LicitazioneFatta(Chiamata(kAsso), 0);
    manager.LicitazioneFinita();
    manager.BriscolaScelta(Briscola(1));
    EXPECT_TRUE(manager.ChiediCarta(2).Definita());
    EXPECT_NE(manager.ChiediLicitazione(0).Valore, kNessunaChiamata);
    EXPECT_TRUE(manager.ChiediBriscola(0).Nominata());
}
