#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "AmbienteMotori.h"
#include "comune/Errore.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/Tavolo.h"
#include "motori/VerificaPartita.h"

namespace {

// A table with the silent window: at seating 0 it answers for the person at seat 4, drawing
// from the table's generator as the series do.
struct TavoloSilenzioso {
    FinestraSilenziosa finestra;
    Tavolo tavolo;

    TavoloSilenzioso(int tipo, std::uint32_t seme) : tavolo(tipo, seme, &finestra) {
        finestra.ImpostaGeneratore(&tavolo.Stato().generatore);
    }
    int Partite() const { return tavolo.Stato().storia.numeroPartite; }
    // One step; a new game first when there is none under way and none starts by itself.
    void Avanza() {
        Semaforo& semaforo = tavolo.Driver();
        if (semaforo.PartitaCorrente() == nullptr ||
            (!semaforo.InCorso() && !semaforo.RipartenzaAutomatica())) {
            semaforo.NuovaPartita();
        }
        semaforo.Passo();
    }
};

// A person who plays the first card left in the seat's hand, bids the lowest rung when no bid
// stands and passes otherwise, and names Cuori: it answers every request at once.
class PersonaDiProva final : public CasellaPersona {
public:
    PersonaDiProva(const StatoTavolo& tavolo, int giocatore)
        : tavolo(tavolo), giocatore(giocatore) {}

    Carta RichiediCarta() override {
        ++richieste;
        for (int k = 0; k < 8; ++k) {
            const Carta carta = tavolo.registro.CartaInMano(giocatore, k);
            if (carta.Definita()) {
                return carta;
            }
        }
        return CartaIndefinita;
    }
    Chiamata RichiediChiamata() override {
        ++richieste;
        return tavolo.registro.chiamata == ChiamataNulla ? Chiamata(9) : ChiamataPasso;
    }
    Briscola RichiediBriscola() override {
        ++richieste;
        return Briscola(kCuori);
    }

    int richieste = 0;

private:
    const StatoTavolo& tavolo;
    int giocatore;
};

} // namespace

class Tavolo_ : public AmbienteMotori {
protected:
    void SetUp() override {
        AmbienteMotori::SetUp();
        ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
    }
};

// Nothing of one table is shared with another: two tables stepped in turn on one thread play
// exactly the games each plays alone, in every seating.
TEST_F(Tavolo_, DueTavoliAlternatiSuUnFiloGiocanoLePartiteDiCiascunoDaSolo) {
    constexpr int kPartite = 6;
    for (int tipo = 0; tipo <= 3; ++tipo) {
        SCOPED_TRACE(tipo);
        TavoloSilenzioso soloA(tipo, 11);
        TavoloSilenzioso soloB(tipo, 22);
        while (soloA.Partite() < kPartite) {
            soloA.Avanza();
        }
        while (soloB.Partite() < kPartite) {
            soloB.Avanza();
        }
        TavoloSilenzioso a(tipo, 11);
        TavoloSilenzioso b(tipo, 22);
        while (a.Partite() < kPartite || b.Partite() < kPartite) {
            if (a.Partite() < kPartite) {
                a.Avanza();
            }
            if (b.Partite() < kPartite) {
                b.Avanza();
            }
        }
        EXPECT_TRUE(a.tavolo.Stato().storia == soloA.tavolo.Stato().storia);
        EXPECT_TRUE(b.tavolo.Stato().storia == soloB.tavolo.Stato().storia);
        EXPECT_TRUE(a.tavolo.Stato().registro == soloA.tavolo.Stato().registro);
        EXPECT_TRUE(b.tavolo.Stato().registro == soloB.tavolo.Stato().registro);
        EXPECT_FALSE(a.tavolo.Stato().storia == b.tavolo.Stato().storia);
    }
}

// A computer's seat passes to a person in the middle of the bidding and back in the middle of
// the play: the passing itself changes nothing of the game and draws nothing, the person is
// asked only while the seat is theirs, and the game goes on to a valid end.
TEST_F(Tavolo_, UnPostoPassaDalComputerAUnaPersonaEIndietroAPartitaInCorso) {
    constexpr int kPosto = 2;
    TavoloSilenzioso t(1, 5);
    PersonaDiProva persona(t.tavolo.Stato(), kPosto);
    const auto PassaIlPosto = [&](bool allaPersona) {
        const RegistroPartita registro = t.tavolo.Stato().registro;
        const GeneratoreCasuale generatore = t.tavolo.Stato().generatore;
        if (allaPersona) {
            t.tavolo.AffidaAPersona(kPosto, persona);
        } else {
            t.tavolo.AffidaAlComputer(kPosto, TipoMotore::OK);
        }
        EXPECT_TRUE(t.tavolo.Stato().registro == registro);
        EXPECT_TRUE(t.tavolo.Stato().generatore == generatore);
        EXPECT_EQ(t.tavolo.Manager().MotoreDi(kPosto).Umano(), allaPersona);
    };

    t.Avanza();
    t.Avanza();
    ASSERT_EQ(t.tavolo.Driver().PartitaCorrente()->Stato(), StatoPartita::Licitazione)
        << "in the bidding";
    PassaIlPosto(true);
    while (t.tavolo.Stato().registro.NumeroCarteGiocate() < 17) {
        t.Avanza();
    }
    const int richiestePrima = persona.richieste;
    EXPECT_GE(richiestePrima, 3) << "a bid and the cards of three tricks at least";
    PassaIlPosto(false);
    while (t.Partite() < 1) {
        t.Avanza();
    }
    EXPECT_EQ(persona.richieste, richiestePrima);
    EXPECT_EQ(t.tavolo.Stato().registro.NumeroCarteGiocate(), 40);
    EXPECT_TRUE(VerificaPartita(t.tavolo.Stato().registro, t.tavolo.Stato().storia, 0).empty());
}

TEST_F(Tavolo_, UnPostoFuoriDalTavoloNonPassaANessuno) {
    TavoloSilenzioso t(1, 5);
    PersonaDiProva persona(t.tavolo.Stato(), 0);
    EXPECT_THROW(t.tavolo.AffidaAPersona(5, persona), Errore);
    EXPECT_THROW(t.tavolo.AffidaAlComputer(-1, TipoMotore::OK), Errore);
    EXPECT_THROW(t.tavolo.AffidaAlComputer(1, TipoMotore::Finestra), Errore);
    EXPECT_FALSE(t.tavolo.Manager().MotoreDi(0).Umano());
}
