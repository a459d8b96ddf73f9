#include <gtest/gtest.h>

#include <functional>

#include "AmbienteMotori.h"
#include "SequenzaAttesa.h"
#include "comune/Errore.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/Semaforo.h"
#include "motori/VerificaPartita.h"

namespace {

// A silent window that lets a test act from inside a notification, as a click handler does
// during a wait.
class FinestraConAzione : public FinestraSilenziosa {
public:
    using FinestraSilenziosa::FinestraSilenziosa;

    std::function<void()> dopoManoRaccolta;
    std::function<void()> dopoCarta;
    ManiDistribuite mani{};

    void NotificaManoRaccolta(int vincitore) override {
        FinestraSilenziosa::NotificaManoRaccolta(vincitore);
        if (dopoManoRaccolta) {
            dopoManoRaccolta();
        }
    }
    void NotificaCartaGiocata(const Carta& carta, int giocatore) override {
        FinestraSilenziosa::NotificaCartaGiocata(carta, giocatore);
        if (dopoCarta) {
            dopoCarta();
        }
    }
    void NotificaDistribuzione(const ManiDistribuite* m, int umano) override {
        FinestraSilenziosa::NotificaDistribuzione(m, umano);
        ASSERT_NE(m, nullptr);
        mani = *m;
    }
};

// Plays steps until the history holds one more game; fails after too many.
int GiocaFinoAllaFine(Semaforo& semaforo, int limite = 100000) {
    const int prima = StoriaPartite().numeroPartite;
    int passi = 0;
    while (StoriaPartite().numeroPartite == prima && passi < limite) {
        EXPECT_EQ(semaforo.Passo(), 0);
        ++passi;
    }
    EXPECT_LT(passi, limite);
    return passi;
}

} // namespace

class Semaforo_ : public AmbienteMotori {};

TEST_F(Semaforo_, SenzaNuovaPartitaNonSuccedeNulla) {
    FinestraSilenziosa finestra(true);
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    Semaforo semaforo(TavoloACaso(&finestra, true), true);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(semaforo.Passo(), 0);
    }
    EXPECT_TRUE(finestra.Eventi().empty());
    EXPECT_FALSE(semaforo.InCorso());
    EXPECT_EQ(semaforo.PartitaCorrente(), nullptr);
    semaforo.AzzeraStoria();
    semaforo.Ferma();
    EXPECT_EQ(semaforo.Passo(), -1);
    EXPECT_THROW(Semaforo(nullptr, false), Errore);
}

TEST_F(Semaforo_, SequenzaDelleNotificheDiUnaPartitaIntera) {
    for (bool alBuio : {false, true}) {
        for (bool umano : {false, true}) {
            SCOPED_TRACE(std::string(alBuio ? "al buio" : "normale") + (umano ? ", umano" : ""));
            AmbienteMotori::Azzera();
            FinestraConAzione finestra(true);
            finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
            Semaforo semaforo(TavoloACaso(&finestra, umano), false);
            semaforo.ImpostaManoAlBuio(alBuio);
            semaforo.NuovaPartita();
            EXPECT_TRUE(semaforo.InCorso());
            GiocaFinoAllaFine(semaforo);
            EXPECT_FALSE(semaforo.InCorso());

            const RegistroPartita& r = Registro();
            const auto chiamate = VerificaLicitazione(finestra.Eventi(), r, 0);
            ConfrontaSequenze(finestra.Eventi(),
                              SequenzaAttesa(r, chiamate, umano ? 4 : -1, alBuio));
            EXPECT_TRUE(VerificaPartita(r, StoriaPartite(), 0).empty());
            for (int s = 0; s < 5; ++s) {
                for (int k = 0; k < 8; ++k) {
                    EXPECT_EQ(finestra.mani[std::size_t(s)][std::size_t(k)],
                              r.CartaDistribuita(s, k));
                }
            }
            // The window keeps its own copy of the finished game.
            EXPECT_EQ(finestra.UltimoRegistro().NumeroCarteGiocate(), 40);
            EXPECT_EQ(finestra.UltimoRegistro().chiamante, r.chiamante);
        }
    }
}

TEST_F(Semaforo_, CarteCoperteSoloNellaPrimaManoAlBuio) {
    // Over many games, a card of the called rank played in the first trick is shown face
    // down exactly in the face-down variant; no other card ever is.
    for (bool alBuio : {false, true}) {
        AmbienteMotori::Azzera();
        ImpostaTipoGiocatori(1);
        FinestraSilenziosa finestra(true);
        finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
        Semaforo semaforo(TavoloACaso(&finestra, false), true);
        semaforo.ImpostaManoAlBuio(alBuio);
        semaforo.NuovaPartita();
        int coperte = 0;
        for (int partita = 0; partita < 60; ++partita) {
            finestra.AzzeraEventi();
            GiocaFinoAllaFine(semaforo);
            int carte = 0;
            for (const EventoFinestra& e : finestra.Eventi()) {
                if (e.tipo != EventoFinestra::kCartaGiocata) {
                    continue;
                }
                const bool attesa =
                    alBuio && carte < 5 && e.carta.ValoreGrezzo() == Registro().chiamata.Valore;
                EXPECT_EQ(e.carta.Coperta != 0, attesa);
                coperte += e.carta.Coperta;
                ++carte;
            }
            EXPECT_EQ(carte, 40);
        }
        if (alBuio) {
            EXPECT_GT(coperte, 0);
        }
    }
}

TEST_F(Semaforo_, ChiamataRifiutataNotificataComePassoConIlSuoAutore) {
    // Seat 0 opens (game 0) and computers never pass while no bid stands, so an Asso from the
    // human at seat 4 never beats the standing bid.
    class FinestraAsso : public FinestraSilenziosa {
    public:
        using FinestraSilenziosa::FinestraSilenziosa;
        int chieste = 0;
        Chiamata RichiediChiamata() override {
            ++chieste;
            return Chiamata(kAsso);
        }
    };
    FinestraAsso finestra(true);
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    Semaforo semaforo(TavoloACaso(&finestra, true), false);
    semaforo.NuovaPartita();
    GiocaFinoAllaFine(semaforo);
    int dellUmano = 0;
    for (const EventoFinestra& e : finestra.Eventi()) {
        if (e.tipo == EventoFinestra::kChiamata && e.giocatore == 4) {
            EXPECT_EQ(e.chiamata.Valore, kPasso);
            ++dellUmano;
        }
    }
    // A refused bid is a pass: the human is never asked again in this game.
    EXPECT_EQ(dellUmano, 1);
    EXPECT_EQ(finestra.chieste, 1);
    EXPECT_NE(Registro().chiamante, 4);
}

TEST_F(Semaforo_, UnUmanoCheNonDecideRitardaLaPartitaSenzaCambiarla) {
    std::vector<EventoFinestra> rapida;
    int richiesteRapide = 0;
    for (int rinvii : {0, 1, 25}) {
        AmbienteMotori::Azzera();
        FinestraSilenziosa finestra(true, rinvii);
        finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
        Semaforo semaforo(TavoloACaso(&finestra, true), false);
        semaforo.NuovaPartita();
        const int passi = GiocaFinoAllaFine(semaforo);
        if (rinvii == 0) {
            rapida = finestra.Eventi();
            richiesteRapide = finestra.Richieste();
            continue;
        }
        ConfrontaSequenze(finestra.Eventi(), rapida);
        // Every decision of the human was first answered "not yet" rinvii times.
        EXPECT_EQ(finestra.Richieste(), richiesteRapide * (rinvii + 1));
        EXPECT_GT(passi, richiesteRapide * rinvii);
    }
}

TEST_F(Semaforo_, UnUmanoCheNonDecideMaiFermaLaPartitaSenzaErrori) {
    FinestraSilenziosa finestra(true, 1 << 30);
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    ImpostaSemeCasuale(7);
    Semaforo semaforo(TavoloACaso(&finestra, true), false);
    semaforo.NuovaPartita();
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(semaforo.Passo(), 0);
    }
    EXPECT_TRUE(semaforo.InCorso());
    EXPECT_EQ(semaforo.GiocatoreCorrente(), 4);
    EXPECT_EQ(StoriaPartite().numeroPartite, 0);
    const std::size_t eventi = finestra.Eventi().size();
    semaforo.Passo();
    EXPECT_EQ(finestra.Eventi().size(), eventi);
}

TEST_F(Semaforo_, RipartenzaAutomaticaSoloSeRichiesta) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    ImpostaTipoGiocatori(1);
    Semaforo serie(TavoloACaso(&finestra, false), true);
    serie.NuovaPartita();
    const Partita* partita = serie.PartitaCorrente();
    for (int g = 1; g <= 7; ++g) {
        GiocaFinoAllaFine(serie);
        EXPECT_EQ(StoriaPartite().numeroPartite, g);
    }
    // The same game object plays the whole series.
    EXPECT_EQ(serie.PartitaCorrente(), partita);

    AmbienteMotori::Azzera();
    Semaforo singola(TavoloACaso(&finestra, true), false);
    singola.NuovaPartita();
    GiocaFinoAllaFine(singola);
    for (int i = 0; i < 500; ++i) {
        ASSERT_EQ(singola.Passo(), 0);
    }
    EXPECT_FALSE(singola.InCorso());
    EXPECT_EQ(StoriaPartite().numeroPartite, 1);
}

TEST_F(Semaforo_, FermaChiudeDopoIlPassoInCorso) {
    FinestraConAzione finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    Semaforo semaforo(TavoloACaso(&finestra, false), true);
    finestra.dopoManoRaccolta = [&] { semaforo.Ferma(); };
    semaforo.NuovaPartita();
    int passi = 0;
    while (semaforo.Passo() == 0) {
        ASSERT_LT(++passi, 10000);
    }
    // The step that was collecting the first trick finished it, then the game stopped.
    EXPECT_EQ(Registro().ManiComplete(), 1);
    EXPECT_EQ(semaforo.PartitaCorrente()->Stato(), StatoPartita::Inattiva);
    EXPECT_FALSE(semaforo.InCorso());
    EXPECT_EQ(semaforo.Passo(), -1);
    EXPECT_EQ(Registro().ManiComplete(), 1);
}

// The human's seat asks the driver to hold each of its decisions while taking it, as the step
// window does for a computer's: each is held, nothing reaches the game or the engine while it
// is, and the step after the release gives exactly that decision. The game is the one played
// without holds. A new game drops a held decision; a stop never gives it.
TEST_F(Semaforo_, UnaDecisioneTrattenutaVaAllaPartitaSoloDopoIlRilascio) {
    class FinestraCheTrattiene : public FinestraSilenziosa {
    public:
        using FinestraSilenziosa::FinestraSilenziosa;
        Semaforo* semaforo = nullptr;
        Carta RichiediCarta() override {
            Trattieni();
            return FinestraSilenziosa::RichiediCarta();
        }
        Chiamata RichiediChiamata() override {
            Trattieni();
            return FinestraSilenziosa::RichiediChiamata();
        }
        Briscola RichiediBriscola() override {
            Trattieni();
            return FinestraSilenziosa::RichiediBriscola();
        }

    private:
        void Trattieni() {
            if (semaforo != nullptr) {
                semaforo->TrattieniDecisione();
            }
        }
    };

    std::vector<EventoFinestra> senzaAttese;
    {
        FinestraSilenziosa finestra(true, 0);
        finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
        Semaforo semaforo(TavoloACaso(&finestra, true), false);
        semaforo.NuovaPartita();
        GiocaFinoAllaFine(semaforo);
        senzaAttese = finestra.Eventi();
    }
    AmbienteMotori::Azzera();
    FinestraCheTrattiene finestra(true, 0);
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    Semaforo semaforo(TavoloACaso(&finestra, true), false);
    finestra.semaforo = &semaforo;
    semaforo.NuovaPartita();
    std::array<int, 3> trattenute{}; // bids, trumps, cards
    while (semaforo.InCorso()) {
        const std::size_t eventi = finestra.Eventi().size();
        ASSERT_EQ(semaforo.Passo(), 0);
        if (!semaforo.DecisioneTrattenuta()) {
            continue;
        }
        ASSERT_EQ(finestra.Eventi().size(), eventi) << "held, yet given to the game";
        const int richieste = finestra.Richieste();
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(semaforo.Passo(), 0);
        }
        EXPECT_EQ(finestra.Eventi().size(), eventi);
        EXPECT_EQ(finestra.Richieste(), richieste) << "the engine was asked again";
        EXPECT_TRUE(semaforo.DecisioneTrattenuta());
        semaforo.RilasciaDecisione();
        EXPECT_FALSE(semaforo.DecisioneTrattenuta());
        ASSERT_EQ(semaforo.Passo(), 0);
        ASSERT_GT(finestra.Eventi().size(), eventi);
        const EventoFinestra& data = finestra.Eventi()[eventi];
        switch (data.tipo) {
        case EventoFinestra::kChiamata:
            EXPECT_EQ(data.giocatore, 4);
            ++trattenute[0];
            break;
        case EventoFinestra::kBriscola:
            ++trattenute[1];
            break;
        case EventoFinestra::kCartaGiocata:
            EXPECT_EQ(data.giocatore, 4);
            ++trattenute[2];
            break;
        default:
            ADD_FAILURE() << "a held decision gave event " << int{data.tipo};
        }
    }
    ConfrontaSequenze(finestra.Eventi(), senzaAttese);
    EXPECT_GE(trattenute[0], 1);
    EXPECT_EQ(trattenute[1], Registro().chiamante == 4 ? 1 : 0);
    EXPECT_EQ(trattenute[2], 8);

    // A new game drops the decision held in the old one and plays on without it.
    semaforo.NuovaPartita();
    while (!semaforo.DecisioneTrattenuta()) {
        ASSERT_EQ(semaforo.Passo(), 0);
    }
    semaforo.NuovaPartita();
    EXPECT_FALSE(semaforo.DecisioneTrattenuta());
    finestra.semaforo = nullptr;
    GiocaFinoAllaFine(semaforo);
    EXPECT_TRUE(VerificaPartita(Registro(), StoriaPartite(), 1).empty());

    // Stopped while a decision is held: the next step ends the game without giving it.
    finestra.semaforo = &semaforo;
    semaforo.NuovaPartita();
    while (!semaforo.DecisioneTrattenuta()) {
        ASSERT_EQ(semaforo.Passo(), 0);
    }
    const std::size_t eventi = finestra.Eventi().size();
    semaforo.RilasciaDecisione();
    semaforo.Ferma();
    EXPECT_EQ(semaforo.Passo(), -1);
    EXPECT_EQ(finestra.Eventi().size(), eventi);
    EXPECT_EQ(semaforo.PartitaCorrente()->Stato(), StatoPartita::Inattiva);
}

TEST_F(Semaforo_, AzzeraStoriaAzzeraLaSerie) {
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    ImpostaTipoGiocatori(2);
    Semaforo semaforo(TavoloACaso(&finestra, false), true);
    semaforo.NuovaPartita();
    for (int g = 0; g < 3; ++g) {
        GiocaFinoAllaFine(semaforo);
    }
    ASSERT_EQ(StoriaPartite().numeroPartite, 3);
    int assoluto = 0;
    for (int s = 0; s < 5; ++s) {
        assoluto += std::abs(StoriaPartite().Totale(s));
    }
    ASSERT_GT(assoluto, 0);
    semaforo.AzzeraStoria();
    EXPECT_EQ(StoriaPartite().numeroPartite, 0);
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(StoriaPartite().Totale(s), 0);
        EXPECT_EQ(StoriaPartite().Statistiche(3, 2, s), 0);
    }
    GiocaFinoAllaFine(semaforo);
    EXPECT_EQ(StoriaPartite().numeroPartite, 1);
}

TEST_F(Semaforo_, UnErroreEsceDalPassoELasciaLaPartitaComEra) {
    class FinestraSbaglia : public FinestraSilenziosa {
    public:
        using FinestraSilenziosa::FinestraSilenziosa;
        Carta RichiediCarta() override { return Registro().CartaGiocata(0); }
    };
    FinestraSbaglia finestra(false, 0);
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    Semaforo semaforo(TavoloACaso(&finestra, true), false);
    semaforo.NuovaPartita();
    while (!(semaforo.PartitaCorrente()->Stato() == StatoPartita::Giocata &&
             semaforo.GiocatoreCorrente() == 4 && Registro().NumeroCarteGiocate() > 0)) {
        ASSERT_EQ(semaforo.Passo(), 0);
    }
    const int giocate = Registro().NumeroCarteGiocate();
    try {
        semaforo.Passo();
        FAIL() << "la carta già giocata è stata accettata";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Carta già giocata!");
    }
    EXPECT_EQ(Registro().NumeroCarteGiocate(), giocate);
    EXPECT_EQ(semaforo.PartitaCorrente()->Stato(), StatoPartita::Giocata);
    EXPECT_EQ(semaforo.GiocatoreCorrente(), 4);
}
