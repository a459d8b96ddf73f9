#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "comune/Casuale.h"
#include "ia/GiocaCarta.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

// Whole games played at random through the state machine: bids from the computer's strategy
// and random ones, a trump, random cards from the hand on turn. Every step is checked against
// the game's state transitions and the record's invariants, and every trick and score against the
// test's own arbiter.

namespace {

constexpr int kPartitePerVariante = 2000;
constexpr int kPartitePerSerie = 40;

// The state as the number the step window and the files show: the sequences below are the
// numbers, so that they check the names' values too.
int Numero(const Partita& p) {
    return static_cast<int>(p.Stato());
}

// Position of a bid on the ladder: Asso 0 .. Due 9, then Due with 61..120 points 10..69.
int Gradino(const Chiamata& c) {
    return c.Punti > 60 ? 9 + c.Punti - 60 : 9 - c.Valore;
}

Chiamata DalGradino(int g) {
    return g <= 9 ? Chiamata(9 - g) : Chiamata(60 + g - 9);
}

// The standing bid's rung; -1 when no bid stands.
int GradinoInPiedi() {
    return Registro().chiamata == ChiamataNulla ? -1 : Gradino(Registro().chiamata);
}

// Whether seat s is still in the bidding, read on a copy (the record tells it for its turn).
bool InLicitazione(int s) {
    RegistroPartita copia = Registro();
    copia.ImpostaTurno(s);
    return copia.InLicitazione();
}

void ControllaRegistro() {
    const RegistroPartita& r = Registro();
    int fuoriMano = 0;
    int inTavola = 0;
    std::array<int, 5> giocate{};
    std::array<int, 5> inMano{};
    for (int c = 0; c < 40; ++c) {
        ASSERT_FALSE(r.InMano(c) && r.InTavola(c)) << c;
        const int s = r.Distribuzione(c);
        ASSERT_GE(s, 0);
        ASSERT_LE(s, 4);
        if (r.InMano(c)) {
            ++inMano[static_cast<std::size_t>(s)];
        } else {
            ++fuoriMano;
            ++giocate[static_cast<std::size_t>(s)];
            ASSERT_EQ(r.ChiHaGiocato(Carta::DaIndice(c)), s);
        }
        if (r.InTavola(c)) {
            ++inTavola;
        }
        if (r.InMano(c) || r.InTavola(c)) {
            ASSERT_EQ(r.Possessore(c), s);
        }
    }
    ASSERT_EQ(r.NumeroCarteGiocate(), fuoriMano);
    ASSERT_EQ(r.CarteInTavola(), inTavola);
    ASSERT_LE(inTavola, 5);
    ASSERT_EQ((fuoriMano - inTavola) % 5, 0);
    ASSERT_EQ(r.ManiComplete(), (fuoriMano - inTavola) / 5);
    for (int s = 0; s < 5; ++s) {
        ASSERT_EQ(inMano[static_cast<std::size_t>(s)] + giocate[static_cast<std::size_t>(s)], 8);
    }
    // The cards played, in order, are those out of the hands.
    std::array<bool, 40> viste{};
    for (int n = 0; n < r.NumeroCarteGiocate(); ++n) {
        const Carta c = r.CartaGiocata(n);
        ASSERT_NE(c, CartaIndefinita);
        ASSERT_FALSE(r.InMano(c.Indice()));
        ASSERT_FALSE(viste[static_cast<std::size_t>(c.Indice())]);
        viste[static_cast<std::size_t>(c.Indice())] = true;
    }
    ASSERT_EQ(r.CartaGiocata(r.NumeroCarteGiocate()), CartaIndefinita);
}

class PartiteCasuali : public ConStatoPulito {
protected:
    std::mt19937 gen;
    std::vector<int> stati;
    int offerte = 0;

    int Caso(int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); }

    void Dopo(const Partita& p) { stati.push_back(Numero(p)); }

    // The states a game with this many bids passes through, in order.
    static std::vector<int> SequenzaAttesa(bool buio, int offerte) {
        std::vector<int> s = {0, 1};
        s.insert(s.end(), static_cast<std::size_t>(offerte - 1), 1);
        s.push_back(3);
        s.push_back(buio ? 5 : 4);
        if (!buio) {
            s.push_back(5);
        }
        for (int mano = 0; mano < 8; ++mano) {
            s.insert(s.end(), 4, 5);
            s.push_back(6);
            if (buio && mano == 0) {
                s.push_back(4);
            }
            s.push_back(7);
            s.push_back(mano < 7 ? 5 : 8);
        }
        s.push_back(9);
        return s;
    }

    Chiamata ScegliOfferta(LicitazioneAPunti& strategia) {
        const int inPiedi = GradinoInPiedi();
        const bool ultimoSenzaChiamata = inPiedi < 0 && Registro().GiocatoriInLicitazione() == 1;
        switch (Caso(10)) {
        case 6:
            if (inPiedi < 69) {
                return DalGradino(inPiedi + 1 + Caso(std::min(69 - inPiedi, 12)));
            }
            break;
        case 7:
            if (!ultimoSenzaChiamata) {
                return ChiamataPasso;
            }
            break;
        case 8:
            if (inPiedi >= 0) {
                // Equal or lower: the state machine counts it as a pass.
                return DalGradino(Caso(inPiedi + 1));
            }
            break;
        case 9:
            return DalGradino(Caso(70));
        default:
            break;
        }
        return strategia.Licita();
    }

    void Licitazione(Partita& p, std::array<std::unique_ptr<LicitazioneAPunti>, 5>& strategie,
                     int numero) {
        while (Numero(p) == 1) {
            ASSERT_LT(offerte, 200);
            RegistroPartita& r = Registro();
            const int seggio = r.turno;
            ASSERT_TRUE(r.InLicitazione());
            const int inPiedi = GradinoInPiedi();
            const int chiamantePrima = r.chiamante;
            Chiamata offerta = ScegliOfferta(*strategie[static_cast<std::size_t>(seggio)]);
            const bool accettata = offerta != ChiamataPasso && Gradino(offerta) > inPiedi;
            const Chiamata data = offerta;
            const int prossimo = p.Licita(seggio, offerta);
            ++offerte;
            Dopo(p);
            if (accettata) {
                ASSERT_EQ(offerta, data);
                ASSERT_EQ(r.chiamata, data);
                ASSERT_EQ(r.chiamante, seggio);
            } else {
                ASSERT_EQ(offerta, ChiamataPasso);
                ASSERT_EQ(offerta.Valore, 999);
                ASSERT_EQ(r.chiamante, chiamantePrima);
                ASSERT_EQ(GradinoInPiedi(), inPiedi);
                ASSERT_FALSE(InLicitazione(seggio));
            }
            if (r.GiocatoriInLicitazione() == 1 && r.chiamata != ChiamataNulla) {
                ASSERT_EQ(Numero(p), 3);
                ASSERT_EQ(prossimo, r.chiamante);
                ASSERT_EQ(r.turno, numero % 5);
                // The caller is the last seat in the bidding.
                ASSERT_TRUE(InLicitazione(r.chiamante));
            } else {
                ASSERT_EQ(Numero(p), 1);
                ASSERT_EQ(prossimo, r.turno);
                // The next seat still in the bidding after the bidder.
                int atteso = (seggio + 1) % 5;
                while (!InLicitazione(atteso)) {
                    atteso = (atteso + 1) % 5;
                }
                ASSERT_EQ(prossimo, atteso);
            }
        }
    }

    Carta ScegliCarta(int seggio) {
        if (Caso(4) == 0) {
            GiocaCartaACaso aCaso(seggio);
            aCaso.Siedi(TavoloDelTest());
            return aCaso.ScegliCarta();
        }
        std::vector<Carta> mano;
        for (int k = 0; k < 8; ++k) {
            const Carta c = Registro().CartaInMano(seggio, k);
            if (c != CartaIndefinita) {
                mano.push_back(c);
            }
        }
        return mano[static_cast<std::size_t>(Caso(static_cast<int>(mano.size())))];
    }

    void GiocaPartita(Partita& p, bool buio) {
        stati.clear();
        offerte = 0;
        RegistroPartita& r = Registro();
        const int numero = StoriaPartite().numeroPartite;
        const TipoStoriaPartite storiaPrima = StoriaPartite();

        p.CambiaStato(StatoPartita::Distribuzione);
        Dopo(p);
        const int primo = p.Inizio(Caso(121));
        Dopo(p);
        ASSERT_EQ(primo, numero % 5);
        ASSERT_EQ(r.turno, primo);
        ASSERT_EQ(r.primaManoCoperta, buio ? 1 : 0);
        ASSERT_EQ(r.chiamata, ChiamataNulla);
        ASSERT_EQ(r.chiamante, -1);
        ASSERT_EQ(r.briscola, BriscolaIndefinita);
        ASSERT_NO_FATAL_FAILURE(ControllaRegistro());

        std::array<std::unique_ptr<LicitazioneAPunti>, 5> strategie;
        for (int s = 0; s < 5; ++s) {
            strategie[static_cast<std::size_t>(s)] = std::make_unique<LicitazioneAPunti>(s);
            strategie[static_cast<std::size_t>(s)]->Siedi(TavoloDelTest());
            strategie[static_cast<std::size_t>(s)]->ValutaMano();
        }
        ASSERT_NO_FATAL_FAILURE(Licitazione(p, strategie, numero));
        const int chiamante = r.chiamante;
        ASSERT_GE(chiamante, 0);

        const int dopoLicitazione = p.FineLicitazione();
        Dopo(p);
        const Briscola briscola =
            Caso(5) == 0 ? Briscola(Caso(4))
                         : strategie[static_cast<std::size_t>(chiamante)]->ScegliBriscola();
        if (buio) {
            ASSERT_EQ(dopoLicitazione, primo);
            ASSERT_EQ(r.briscola, BriscolaAssente);
        } else {
            ASSERT_EQ(dopoLicitazione, chiamante);
            ASSERT_EQ(p.ImpostaBriscola(briscola), primo);
            Dopo(p);
            ASSERT_EQ(r.briscola, briscola);
        }

        std::array<int, 5> punti{};
        for (int mano = 0; mano < 8; ++mano) {
            const int apre = r.turno;
            ASSERT_EQ(Numero(p), 5);
            std::vector<int> presa;
            for (int i = 0; i < 5; ++i) {
                const int seggio = r.turno;
                ASSERT_EQ(seggio, (apre + i) % 5);
                Carta carta = ScegliCarta(seggio);
                ASSERT_EQ(r.Distribuzione(carta.Indice()), seggio);
                ASSERT_TRUE(r.InMano(carta.Indice()));
                ASSERT_EQ(carta.Coperta, 0);
                const int valore = carta.Valore();
                ASSERT_EQ(p.Gioca(carta), (seggio + 1) % 5);
                Dopo(p);
                const bool coperta = buio && mano == 0 && valore == r.chiamata.Valore;
                ASSERT_EQ(carta.Coperta, coperta ? 1 : 0);
                presa.push_back(carta.Indice());
                ASSERT_NO_FATAL_FAILURE(ControllaRegistro());
            }
            ASSERT_EQ(r.CarteInTavola(), 5);
            const int dopoMano = p.FineMano();
            Dopo(p);
            if (buio && mano == 0) {
                ASSERT_EQ(dopoMano, chiamante);
                ASSERT_EQ(p.ImpostaBriscola(briscola), apre);
                Dopo(p);
                ASSERT_EQ(r.briscola, briscola);
            } else {
                ASSERT_EQ(dopoMano, apre);
            }
            const int vincitore =
                (apre + arbitro::PosizioneVincente(presa, briscola.SemeGrezzo())) % 5;
            ASSERT_EQ(r.VincitoreMano(), vincitore);
            ASSERT_EQ(p.RaccogliMano(), vincitore);
            Dopo(p);
            ASSERT_EQ(r.turno, vincitore);
            for (const int c : presa) {
                ASSERT_EQ(r.Possessore(c), vincitore);
                ASSERT_FALSE(r.InTavola(c));
                punti[static_cast<std::size_t>(vincitore)] += arbitro::Punti(c);
            }
            ASSERT_EQ(r.ManiComplete(), mano + 1);
            ASSERT_NO_FATAL_FAILURE(ControllaRegistro());
        }

        ASSERT_EQ(Numero(p), 8);
        ASSERT_TRUE(r.PartitaFinita());
        ASSERT_EQ(r.NumeroCarteGiocate(), 40);
        ASSERT_EQ(r.ManiComplete(), 8);
        int totalePunti = 0;
        for (int s = 0; s < 5; ++s) {
            ASSERT_EQ(r.PuntiGiocatore(s), punti[static_cast<std::size_t>(s)]);
            totalePunti += r.PuntiGiocatore(s);
            int giocate = 0;
            for (int c = 0; c < 40; ++c) {
                giocate += r.Distribuzione(c) == s && !r.InMano(c) ? 1 : 0;
            }
            ASSERT_EQ(giocate, 8);
        }
        ASSERT_EQ(totalePunti, 120);

        p.Punteggi();
        Dopo(p);
        const TipoStoriaPartite& storia = StoriaPartite();
        ASSERT_EQ(storia.numeroPartite, numero + 1);
        const int socio = r.Socio();
        const int lato = punti[static_cast<std::size_t>(chiamante)] +
                         (socio != chiamante ? punti[static_cast<std::size_t>(socio)] : 0);
        const auto attesi = arbitro::Punteggi(chiamante, socio, r.chiamata.Punti, lato);
        int somma = 0;
        int sommaTotali = 0;
        for (int s = 0; s < 5; ++s) {
            ASSERT_EQ(storia.Punteggio(numero, s), attesi[static_cast<std::size_t>(s)]);
            somma += storia.Punteggio(numero, s);
            ASSERT_EQ(storia.Totale(s),
                      storiaPrima.Totale(s) + attesi[static_cast<std::size_t>(s)]);
            sommaTotali += storia.Totale(s);
            ASSERT_EQ(storia.Partita(numero).punti[static_cast<std::size_t>(s)],
                      punti[static_cast<std::size_t>(s)]);
        }
        ASSERT_EQ(somma, 0);
        ASSERT_EQ(sommaTotali, 0);
        ASSERT_EQ(storia.Chiamante(numero), chiamante);
        ASSERT_EQ(storia.Socio(numero), socio);
        ASSERT_EQ(stati, SequenzaAttesa(buio, offerte));
    }

    void GiocaSerie(bool buio) {
        int giocate = 0;
        for (int serie = 0; giocate < kPartitePerVariante; ++serie) {
            ImpostaTipoGiocatori(serie % 4);
            std::unique_ptr<Partita> p =
                buio ? std::make_unique<PartitaPrimaManoAlBuio>(TavoloDelTest())
                     : std::make_unique<Partita>(TavoloDelTest());
            ASSERT_EQ(Numero(*p), 9);
            for (int i = 0; i < kPartitePerSerie; ++i, ++giocate) {
                gen.seed(static_cast<unsigned>(giocate) * 2 + (buio ? 1 : 0));
                SCOPED_TRACE("partita " + std::to_string(giocate) + ", tipo " +
                             std::to_string(serie % 4));
                GiocaPartita(*p, buio);
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
        EXPECT_EQ(StoriaPartite().numeroPartite, kPartitePerVariante);
    }
};

} // namespace

TEST_F(PartiteCasuali, Partita) {
    GiocaSerie(false);
}

TEST_F(PartiteCasuali, PartitaPrimaManoAlBuio) {
    GiocaSerie(true);
}
