#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "aiuto/AiutoPartita.h"
#include "comune/Casuale.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/SemaforoSoloComputer.h"
#include "partita/AvanzaPartita.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

const std::string kRegole = std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt";

// Gives the bids, the trump and the cards of a game already played, each in its turn, and
// checks that each is asked of the seat that made it.
struct Copione final : DecisioniPartita {
    const RegistroPartita& giocata;
    int licitazioni = 0;
    int carte = 0;
    int briscole = 0;

    Chiamata Licita(int giocatore) {
        int chi = -1;
        const Chiamata chiamata = giocata.LicitazioneN(licitazioni++, chi);
        EXPECT_EQ(giocatore, chi) << "offerta " << licitazioni;
        return chiamata;
    }
    Briscola ScegliBriscola(int giocatore) {
        ++briscole;
        EXPECT_EQ(giocatore, giocata.chiamante);
        return giocata.briscola;
    }
    Carta ScegliCarta(int giocatore) {
        int chi = -1;
        Carta carta;
        giocata.CartaGiocata(carte++, chi, carta);
        EXPECT_EQ(giocatore, chi) << "carta " << carte;
        return carta;
    }
};

class AvanzaPartitaProva : public ConStatoPulito {};

} // namespace

// The driver plays the table's game as the step driver does: from the same seed the same deal,
// each decision asked of the seat the step driver asked, the same record and the same score.
TEST_F(AvanzaPartitaProva, GiocaComeIlSemaforoSullaStessaDistribuzione) {
    for (const bool alBuio : {false, true}) {
        for (const int tipo : {1, 2, 3}) {
            for (const std::uint32_t seme : {7u, 2026u}) {
                SCOPED_TRACE(std::to_string(seme) + " tipo " + std::to_string(tipo) +
                             (alBuio ? " al buio" : ""));
                AzzeraStatoGlobale(seme);
                ImpostaTipoGiocatori(tipo);
                OpzioniTavolo opzioni;
                opzioni.fileRegole = kRegole;
                opzioni.logTest = "/dev/null";
                FinestraSilenziosa finestra;
                finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
                SemaforoSoloComputer semaforo(TavoloDelTest(), &finestra, tipo, opzioni);
                semaforo.ImpostaManoAlBuio(alBuio);
                semaforo.NuovaPartita();
                while (StoriaPartite().numeroPartite < 1) {
                    semaforo.Passo();
                }
                const RegistroPartita giocata = Registro();
                const TipoStoriaPartite storia = StoriaPartite();
                ASSERT_EQ(giocata.NumeroCarteGiocate(), 40);

                AzzeraStatoGlobale(seme);
                ImpostaTipoGiocatori(tipo);
                const std::unique_ptr<Partita> partita = CreaPartita(alBuio, TavoloDelTest());
                partita->CambiaStato(StatoPartita::Distribuzione);
                const int primo = partita->Inizio(0);
                ASSERT_EQ(Registro().InizioDelGioco().Distribuzione(0), giocata.Distribuzione(0));
                Copione copione{{}, giocata};
                AvanzaPartita(*partita, primo, copione);

                EXPECT_EQ(partita->Stato(), StatoPartita::Inattiva);
                EXPECT_EQ(copione.licitazioni, giocata.NumeroLicitazioni());
                EXPECT_EQ(copione.briscole, 1);
                EXPECT_EQ(copione.carte, 40);
                EXPECT_TRUE(Registro() == giocata);
                EXPECT_TRUE(StoriaPartite() == storia);
            }
        }
    }
}

// Stopped and resumed anywhere, on a record of its own, the driver ends the game where one run
// ends it.
TEST_F(AvanzaPartitaProva, FermataERipresaFiniscePartitaComeSenzaFermarsi) {
    for (const bool alBuio : {false, true}) {
        AzzeraStatoGlobale(99);
        ImpostaTipoGiocatori(1);
        OpzioniTavolo opzioni;
        opzioni.fileRegole = kRegole;
        FinestraSilenziosa finestra;
        finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
        SemaforoSoloComputer semaforo(TavoloDelTest(), &finestra, 1, opzioni);
        semaforo.ImpostaManoAlBuio(alBuio);
        semaforo.NuovaPartita();
        while (StoriaPartite().numeroPartite < 1) {
            semaforo.Passo();
        }
        const RegistroPartita giocata = Registro();

        // The deal alone, the bidding to come; then the game played in stretches, each from a
        // game that reads its state from the record.
        RegistroPartita r;
        r.DistribuisciMani([&] {
            std::array<int, 40> seggi{};
            for (int c = 0; c < 40; ++c) {
                seggi[static_cast<std::size_t>(c)] = giocata.Distribuzione(c);
            }
            return seggi;
        }());
        r.primaManoCoperta = alBuio ? 1 : 0;
        struct AFermate final : DecisioniPartita {
            Copione& copione;
            int passi = 0;
            int fermata = 0;
            Chiamata Licita(int g) { return copione.Licita(g); }
            Briscola ScegliBriscola(int g) { return copione.ScegliBriscola(g); }
            Carta ScegliCarta(int g) { return copione.ScegliCarta(g); }
            bool Continua(const Partita& /*partita*/) { return ++passi % fermata != 0; }
        };
        for (const int fermata : {2, 3, 7, 11}) {
            SCOPED_TRACE(std::to_string(fermata) + (alBuio ? " al buio" : ""));
            RegistroPartita ripresa = r;
            Copione copione{{}, giocata};
            AFermate decisioni{{}, copione, 0, fermata};
            for (int tratti = 0; tratti < 200; ++tratti) {
                const std::unique_ptr<Partita> partita = CreaPartita(alBuio, ripresa);
                AvanzaPartita(*partita, partita->Riprendi(), decisioni);
                if (partita->Stato() == StatoPartita::Inattiva) {
                    break;
                }
            }
            EXPECT_EQ(copione.carte, 40);
            EXPECT_EQ(ripresa.NumeroCarteGiocate(), 40);
            EXPECT_EQ(PunteggiPartita(ripresa), PunteggiPartita(giocata));
            for (int n = 0; n < 40; ++n) {
                EXPECT_EQ(ripresa.CartaGiocata(n), giocata.CartaGiocata(n)) << n;
            }
        }
    }
}
