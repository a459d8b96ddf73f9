#include <gtest/gtest.h>

#include "AmbienteMotori.h"
#include "SequenzaAttesa.h"
#include "comune/Errore.h"
#include "ia/GiocaCartaEsperto.h"
#include "ia/GiocaCartaProbabilita.h"
#include "ia/LicitazioneEsperto.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/MM_1Giocatore.h"
#include "motori/MM_SoloComputer1.h"
#include "motori/MM_SoloComputer2.h"
#include "motori/MM_SoloComputer3.h"
#include "motori/MotoreOK.h"
#include "motori/MotoreProbabilita.h"
#include "motori/Semaforo1Giocatore.h"
#include "motori/SemaforoSoloComputer.h"
#include "motori/VerificaPartita.h"

namespace {

const std::string kRegole = "Migliore regole.OK.txt ";
const std::string kProbabilita = "Probabilità IP 1.0000 PP 0.3400 CH 0.0900 IR 2.1500 "
                                 "PS 0.6750 MN 0.5000 CC 1.2000 ";

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    for (std::size_t fine; (fine = testo.find("\r\n", inizio)) != std::string::npos;
         inizio = fine + 2) {
        righe.push_back(testo.substr(inizio, fine - inizio));
    }
    righe.push_back(testo.substr(inizio));
    return righe;
}

} // namespace

// The standard players read the shipped rules file from the source tree.
class Tavoli : public AmbienteMotori {
protected:
    void SetUp() override {
        AmbienteMotori::SetUp();
        ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
    }
};

TEST_F(Tavoli, DescrizioniDiOgniDisposizione) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    EXPECT_EQ(Righe(MM_1Giocatore(TavoloDelTest(), &finestra).DescrizioniMotori()),
              (std::vector<std::string>{kRegole, kRegole, kRegole, kRegole, "GIOCATORE UMANO"}));
    EXPECT_EQ(Righe(MM_SoloComputer1(TavoloDelTest(), &finestra).DescrizioniMotori()),
              (std::vector<std::string>{kRegole, kProbabilita, kRegole, kProbabilita, kRegole}));
    EXPECT_EQ(Righe(MM_SoloComputer2(TavoloDelTest(), &finestra).DescrizioniMotori()),
              std::vector<std::string>(5, kProbabilita));
    EXPECT_EQ(Righe(MM_SoloComputer3(TavoloDelTest(), &finestra).DescrizioniMotori()),
              (std::vector<std::string>{kRegole, kRegole, kRegole, kRegole, kProbabilita}));
}

TEST_F(Tavoli, SoloIlPrimoTavoloHaUnUmanoAlPosto4) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    EXPECT_EQ(MM_1Giocatore(TavoloDelTest(), &finestra).GiocatoreUmano(), 4);
    EXPECT_EQ(MM_SoloComputer1(TavoloDelTest(), &finestra).GiocatoreUmano(), -1);
    EXPECT_EQ(MM_SoloComputer2(TavoloDelTest(), &finestra).GiocatoreUmano(), -1);
    EXPECT_EQ(MM_SoloComputer3(TavoloDelTest(), &finestra).GiocatoreUmano(), -1);
}

TEST_F(Tavoli, OgniGiocatoreStandardHaLeSueRegole) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    MM_1Giocatore tavolo(TavoloDelTest(), &finestra);
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_NE(tavolo.MotoreDi(a).StrategiaCarta(), tavolo.MotoreDi(b).StrategiaCarta());
        }
        EXPECT_EQ(tavolo.MotoreDi(a).StrategiaCarta()->Giocatore(), a);
        EXPECT_EQ(tavolo.MotoreDi(a).StrategiaLicitazione()->Giocatore, a);
    }
}

TEST_F(Tavoli, IlPostoSiControllaPrimaDiLeggereLeRegole) {
    EXPECT_THROW(MotoreOK(0, "regole-che-mancano.txt"), Errore);
    for (int giocatore : {-1, 5}) {
        try {
            MotoreOK motore(giocatore, "regole-che-mancano.txt");
            motore.Siedi(TavoloDelTest());
            FAIL();
        } catch (const Errore& e) {
            EXPECT_STREQ(e.what(), "Identificativo del giocatore non valido");
        }
        EXPECT_THROW(MotoreProbabilita{giocatore}, Errore);
    }
    EXPECT_EQ(MotoreOK(3).DettaglioStrategia(), "");
    EXPECT_EQ(MotoreProbabilita(2).Descrizione(), kProbabilita);
}

TEST_F(Tavoli, OpzioniDelTavolo) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    OpzioniTavolo opzioni;
    opzioni.fileSfidante = std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt";
    opzioni.casuale[1] = true;
    const auto righe =
        Righe(MM_SoloComputer2(TavoloDelTest(), &finestra, opzioni).DescrizioniMotori());
    EXPECT_EQ(righe,
              (std::vector<std::string>{kProbabilita, "Gioca a Caso ", kProbabilita, kProbabilita,
                                        "Migliore " + opzioni.fileSfidante + " "}));
    // A random seat takes precedence over the challenger; a human can be replaced too.
    opzioni.casuale[4] = true;
    EXPECT_EQ(Righe(MM_1Giocatore(TavoloDelTest(), &finestra, opzioni).DescrizioniMotori())[4],
              "Gioca a Caso ");
    EXPECT_EQ(MM_1Giocatore(TavoloDelTest(), &finestra, opzioni).GiocatoreUmano(), -1);

    OpzioniTavolo senzaRegole;
    senzaRegole.fileRegole = "regole-che-mancano.txt";
    EXPECT_THROW(MM_SoloComputer1(TavoloDelTest(), &finestra, senzaRegole), Errore);
    EXPECT_NO_THROW(MM_SoloComputer2(TavoloDelTest(), &finestra, senzaRegole));
}

TEST_F(Tavoli, LEspertoGiocaOgniAltroPostoComeIlGiocatoreCheViSiede) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    struct Caso {
        int tavolo;
        std::array<bool, 5> esperto;
        std::array<bool, 5> casuale;
        bool sfidante;
    };
    const std::vector<Caso> casi = {
        {1, {true, false, false, false, false}, {}, false},
        {1, {false, false, true, false, false}, {false, true, false, false, false}, false},
        {1, {true, true, false, false, false}, {false, true, false, false, false}, false},
        {2, {false, false, false, true, false}, {}, false},
        {2, {true, false, true, false, false}, {false, false, false, true, false}, true},
        {3, {false, true, false, false, false}, {}, false},
        {3, {false, true, false, false, false}, {}, true},
    };
    for (const Caso& caso : casi) {
        OpzioniTavolo opzioni;
        opzioni.esperto = caso.esperto;
        opzioni.casuale = caso.casuale;
        opzioni.budgetEsperto = 4;
        if (caso.sfidante) {
            opzioni.fileSfidante = std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt";
        }
        std::unique_ptr<ManagerMotori> tavolo;
        if (caso.tavolo == 1) {
            tavolo = std::make_unique<MM_SoloComputer1>(TavoloDelTest(), &finestra, opzioni);
        } else if (caso.tavolo == 2) {
            tavolo = std::make_unique<MM_SoloComputer2>(TavoloDelTest(), &finestra, opzioni);
        } else {
            tavolo = std::make_unique<MM_SoloComputer3>(TavoloDelTest(), &finestra, opzioni);
        }
        // The seats whose strategy really is the tactical player's, as seated.
        std::array<bool, 5> tattici{};
        for (int s = 0; s < 5; ++s) {
            tattici[static_cast<std::size_t>(s)] =
                dynamic_cast<GiocaCartaProbabilita*>(tavolo->MotoreDi(s).StrategiaCarta()) !=
                nullptr;
        }
        for (int s = 0; s < 5; ++s) {
            // A seat asked for both is a random player.
            if (!caso.esperto[static_cast<std::size_t>(s)] ||
                caso.casuale[static_cast<std::size_t>(s)]) {
                continue;
            }
            const auto* esperto =
                dynamic_cast<const GiocaCartaEsperto*>(tavolo->MotoreDi(s).StrategiaCarta());
            ASSERT_NE(esperto, nullptr) << "tavolo " << caso.tavolo << " posto " << s;
            EXPECT_EQ(esperto->Tattici(), tattici) << "tavolo " << caso.tavolo << " posto " << s;
            // It knows which seats' bidders really are the expert's.
            std::array<bool, 5> esperti{};
            for (int t = 0; t < 5; ++t) {
                esperti[static_cast<std::size_t>(t)] =
                    dynamic_cast<const LicitazioneEsperto*>(
                        tavolo->MotoreDi(t).StrategiaLicitazione()) != nullptr;
            }
            const auto* licitazione =
                dynamic_cast<const LicitazioneEsperto*>(tavolo->MotoreDi(s).StrategiaLicitazione());
            ASSERT_NE(licitazione, nullptr);
            EXPECT_EQ(licitazione->Esperti(), esperti)
                << "tavolo " << caso.tavolo << " posto " << s;
        }
    }
}

TEST_F(Tavoli, SemaforiPerOgniTipoDiGiocatori) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    EXPECT_FALSE(Semaforo1Giocatore(TavoloDelTest(), &finestra).RipartenzaAutomatica());
    for (int tipo = 1; tipo <= 3; ++tipo) {
        SemaforoSoloComputer semaforo(TavoloDelTest(), &finestra, tipo);
        EXPECT_TRUE(semaforo.RipartenzaAutomatica());
        EXPECT_TRUE(semaforo.ManoAlBuio());
        EXPECT_EQ(semaforo.PuntiMonte(), 0);
    }
    for (int tipo : {0, 4}) {
        try {
            SemaforoSoloComputer semaforo(TavoloDelTest(), &finestra, tipo);
            FAIL();
        } catch (const Errore& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Tipo di giocatori non valido: " + std::to_string(tipo));
        }
    }
}

TEST_F(Tavoli, PartitaConLUmanoSilenzioso) {
    for (bool alBuio : {false, true}) {
        AmbienteMotori::Azzera();
        ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
        FinestraSilenziosa finestra(true);
        finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
        Semaforo1Giocatore semaforo(TavoloDelTest(), &finestra);
        semaforo.ImpostaManoAlBuio(alBuio);
        semaforo.NuovaPartita();
        for (int passi = 0; semaforo.InCorso(); ++passi) {
            ASSERT_LT(passi, 100000);
            ASSERT_EQ(semaforo.Passo(), 0);
        }
        const RegistroPartita& r = Registro();
        ASSERT_EQ(StoriaPartite().numeroPartite, 1);
        const auto chiamate = VerificaLicitazione(finestra.Eventi(), r, 0);
        ConfrontaSequenze(finestra.Eventi(), SequenzaAttesa(r, chiamate, 4, alBuio));
        EXPECT_TRUE(VerificaPartita(r, StoriaPartite(), 0).empty());
        EXPECT_GT(finestra.Richieste(), 16);
    }
}

TEST_F(Tavoli, SerieDiSoliComputer) {
    for (int tipo = 1; tipo <= 3; ++tipo) {
        AmbienteMotori::Azzera();
        ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
        ImpostaTipoGiocatori(tipo);
        FinestraSilenziosa finestra(true);
        finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
        OpzioniTavolo opzioni;
        opzioni.logTest = "/dev/null";
        SemaforoSoloComputer semaforo(TavoloDelTest(), &finestra, tipo, opzioni);
        semaforo.NuovaPartita();
        for (int g = 0; g < 10; ++g) {
            finestra.AzzeraEventi();
            for (int passi = 0; StoriaPartite().numeroPartite == g; ++passi) {
                ASSERT_LT(passi, 100000);
                ASSERT_EQ(semaforo.Passo(), 0);
            }
            const RegistroPartita& r = Registro();
            const auto chiamate = VerificaLicitazione(finestra.Eventi(), r, g % 5);
            ConfrontaSequenze(finestra.Eventi(), SequenzaAttesa(r, chiamate, -1, true));
            EXPECT_TRUE(VerificaPartita(r, StoriaPartite(), g).empty());
        }
        EXPECT_EQ(finestra.Richieste(), 0);
    }
}
