#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "SupportoPartita.h"
#include "carte/InsiemeCarte.h"
#include "ia/GiocaCartaProbabilita.h"
#include "ia/TatticaNuova.h"
#include "partita/AnalizzatorePartitaSemplice.h"
#include "partita/AvanzaPartita.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"

namespace {

// A second, deliberately literal rendering of the tactical scoring, step by step over the
// full tables, the card sets and the record's own queries. The fast engine must give the
// very same numbers, bit for bit, in every position of real games.
struct Riferimento {
    const RegistroPartita& registro;
    Coefficienti k;
    int io;
    int chiamante;
    int socio = -1;
    InsiemeCarte mano, ignote;
    Briscola briscola;

    Riferimento(const RegistroPartita& r, int giocatore, const Coefficienti& coeff)
        : registro(r), k(coeff), io(giocatore), chiamante(r.chiamante), briscola(r.briscola) {
        AnalizzatorePartitaSemplice analizzatore;
        const Ruoli ruoli = analizzatore.RuoliVisti(io, registro);
        for (int j = 0; j < 5; ++j) {
            if (ruoli[j] == kRuoloVistoSocio) {
                socio = j;
            }
        }
        InsiemeCarte giocate;
        for (int n = 0; n < registro.NumeroCarteGiocate(); ++n) {
            giocate += registro.CartaGiocata(n);
        }
        for (int c = 0; c < 8; ++c) {
            mano += registro.CartaInMano(io, c);
        }
        ignote.Complemento();
        ignote -= giocate;
        ignote -= mano;
    }

    bool Batte(const Carta& x, const Carta& y) const {
        return RegistroPartita::Confronta(y, x, briscola) > 0;
    }
    bool DiBriscola(const Carta& x) const { return x.Seme == briscola.SemeGrezzo(); }
    int Riga(const Carta& x) const { return DiBriscola(x) ? 10 + x.Valore() : x.Valore(); }
    static double Pow0(double x, double y) { return x == 0 && y == 0 ? 0 : std::pow(x, y); }
    static double Pow1(double x, double y) { return x == 0 && y == 0 ? 1 : std::pow(x, y); }

    double Lato(int j) const {
        const auto parteChiamante = [&](int g) { return g == chiamante || g == socio; };
        if (j == io) {
            return 1;
        }
        if (socio >= 0) {
            return parteChiamante(j) == parteChiamante(io) ? 1 : 0;
        }
        if (io == chiamante) {
            return 0.25;
        }
        return j == chiamante ? 0 : 0.75;
    }

    double Presa(const Carta& c) const {
        const int n = registro.CarteInTavola();
        double v = registro.PuntiInTavola();
        int W = registro.VincitoreMano();
        Carta CW = registro.CartaVincente();
        if (n > 0 && !Batte(c, CW)) {
            v += c.Punti();
        } else {
            W = io;
            CW = c;
            for (int i = 0; i < ignote.Numero; ++i) {
                if (Batte(ignote.Prima(i), c)) {
                    v += c.Punti();
                    break;
                }
            }
        }
        double M[20][5] = {};
        double w[20] = {};
        for (int x = 0; x < 40; ++x) {
            const Carta cx = Carta::DaIndice(x);
            const int V = cx.Valore();
            if (ignote.Contiene(cx) && Batte(cx, CW)) {
                if (DiBriscola(cx)) {
                    double h = 1;
                    if (io != chiamante) {
                        M[10 + V][chiamante] = V * k.CH;
                        h = 1 - V * k.CH;
                    }
                    for (int j = 0; j < 5; ++j) {
                        if (j != io) {
                            M[10 + V][j] += 0.25 * h;
                        }
                    }
                } else {
                    for (int j = 0; j < 5; ++j) {
                        M[V][j] = 0.2;
                    }
                }
            }
            if (mano.Contiene(cx) && Batte(cx, CW)) {
                M[Riga(cx)][io] = 1;
            }
        }
        M[Riga(CW)][W] = 1;
        const int k0 = Riga(CW);
        double f = 1;
        for (int r = 19; r >= k0; --r) {
            if (M[r][0] + M[r][1] + M[r][2] + M[r][3] + M[r][4] != 0) {
                w[r] = f;
                f = f / k.IR;
            }
        }
        double p[5];
        for (int j = 0; j < 5; ++j) {
            double prodotto = 1;
            for (int r = 0; r < 20; ++r) {
                prodotto *= 1 - M[r][j] * w[r];
            }
            p[j] = 1 - prodotto;
        }
        for (int t = 1; t <= n; ++t) {
            const int j = ((io - t) % 5 + 5) % 5;
            if (j != W) {
                p[j] = 0;
            }
        }
        if (W != io) {
            p[io] = 0;
        }
        for (double& pj : p) {
            pj = Pow0(1 + pj, v * k.PP) - 1;
        }
        for (int t = 0; t <= 3 - n; ++t) {
            p[(io + 1 + t) % 5] *= Pow1(k.PS, t);
        }
        if (io != chiamante) {
            p[chiamante] *= Pow1(k.MN, 7 - registro.ManiComplete());
        }
        const double S = p[0] + p[1] + p[2] + p[3] + p[4];
        double q[5] = {};
        if (S == 0) {
            q[W] = 1;
        } else {
            for (int j = 0; j < 5; ++j) {
                q[j] = p[j] / S;
            }
        }
        double somma = 0;
        for (int j = 0; j < 5; ++j) {
            somma += (2 * Lato(j) - 1) * q[j];
        }
        return v * somma;
    }

    double Controllo(const Carta& c) const {
        InsiemeCarte resto = mano;
        resto -= c;
        double pts = 0;
        double T[10][5] = {};
        for (int i = 0; i < ignote.Numero; ++i) {
            const Carta u = ignote.Prima(i);
            pts += u.Punti();
            if (DiBriscola(u)) {
                const int kk = u.Valore();
                double h = 1;
                if (io != chiamante) {
                    T[kk][chiamante] = kk * k.CH;
                    h = 1 - kk * k.CH;
                }
                for (int j = 0; j < 5; ++j) {
                    if (j != io) {
                        T[kk][j] += 0.25 * h;
                    }
                }
            }
        }
        int left = 8 - registro.ManiComplete();
        for (int kk = 9; kk >= 0; --kk) {
            if (T[kk][0] + T[kk][1] + T[kk][2] + T[kk][3] + T[kk][4] == 0 || left == 0) {
                for (double& x : T[kk]) {
                    x = 0;
                }
            } else {
                --left;
            }
        }
        for (int i = 0; i < resto.Numero; ++i) {
            const Carta u = resto.Prima(i);
            if (DiBriscola(u)) {
                T[u.Valore()][io] = 1;
            }
            pts += u.Punti();
        }
        for (auto& riga : T) {
            for (int j = 0; j < 5; ++j) {
                const bool latoChiamante = j == chiamante || j == socio;
                const bool ioLatoChiamante = io == chiamante || io == socio;
                if (latoChiamante == ioLatoChiamante) {
                    riga[j] = -riga[j];
                }
            }
        }
        double f = 1, den = 0, tot = 0;
        for (auto& riga : T) {
            tot += f * (riga[0] + riga[1] + riga[2] + riga[3] + riga[4]);
            if (riga[0] != 0 || riga[1] != 0 || riga[2] != 0 || riga[3] != 0 || riga[4] != 0) {
                den += f;
                f = f * k.IR;
            }
        }
        double risultato = den == 0 ? 0 : pts * tot / den;
        if (c == registro.CartaChiamata()) {
            risultato += pts * k.CC;
        }
        return -risultato;
    }
};

struct Tavolo {
    std::vector<LicitazioneAPunti> licitazioni;
    std::vector<GiocaCartaProbabilita> strategie;
    explicit Tavolo(const std::vector<Coefficienti>& coefficienti = {}) {
        for (int g = 0; g < 5; ++g) {
            licitazioni.emplace_back(g);
            strategie.emplace_back(
                g, coefficienti.empty()
                       ? Coefficienti{}
                       : coefficienti[static_cast<std::size_t>(g) % coefficienti.size()]);
        }
        for (auto& l : licitazioni) {
            l.Siedi(TavoloDelTest());
        }
        for (auto& s : strategie) {
            s.Siedi(TavoloDelTest());
        }
    }
};

struct Conteggi {
    long decisioni = 0;
    long confrontate = 0;
};

// Checks one card choice, and compares it with the literal rendering when asked.
void ControllaCarta(Tavolo& tavolo, int giocatore, const Carta& carta, bool confronta,
                    Conteggi& conteggi) {
    const auto g = static_cast<std::size_t>(giocatore);
    ASSERT_EQ(giocatore, Registro().turno);
    ++conteggi.decisioni;
    ASSERT_TRUE(carta.Definita());
    ASSERT_TRUE(Registro().InMano(carta.Indice()));
    ASSERT_EQ(Registro().Distribuzione(carta.Indice()), giocatore);
    if (!confronta) {
        return;
    }
    const Riferimento rif(Registro(), giocatore, tavolo.strategie[g].CoefficientiAttuali());
    TatticaNuova tattica(tavolo.strategie[g].CoefficientiAttuali());
    ASSERT_EQ(tattica.Scegli(Registro(), giocatore), carta);
    ASSERT_EQ(tattica.NumeroCandidate(), rif.mano.Numero);
    double migliore = -10000000.0;
    Carta attesa;
    for (int i = 0; i < rif.mano.Numero; ++i) {
        const Candidata& k = tattica.CandidataN(i);
        const Carta c = rif.mano.Prima(i);
        ASSERT_EQ(k.carta, c);
        ASSERT_EQ(k.valorePresa, rif.Presa(c));
        ASSERT_EQ(k.valoreControllo, rif.Controllo(c));
        ASSERT_EQ(k.valoreTotale, k.valorePresa * rif.k.IP + k.valoreControllo);
        if (k.valoreTotale > migliore) {
            migliore = k.valoreTotale;
            attesa = c;
        }
    }
    ASSERT_EQ(carta, attesa);
    ++conteggi.confrontate;
}

// One whole game fed straight into the state machine; every card choice is checked, and
// compared with the literal rendering when asked. A failed check stops the game.
void GiocaPartita(Partita& partita, Tavolo& tavolo, bool confronta, Conteggi& conteggi) {
    struct Decisioni final : DecisioniPartita {
        Tavolo& tavolo;
        bool confronta;
        Conteggi& conteggi;

        Chiamata Licita(int giocatore) {
            return tavolo.licitazioni[static_cast<std::size_t>(giocatore)].Licita();
        }
        Briscola ScegliBriscola(int giocatore) {
            return tavolo.licitazioni[static_cast<std::size_t>(giocatore)].ScegliBriscola();
        }
        Carta ScegliCarta(int giocatore) {
            const Carta carta = tavolo.strategie[static_cast<std::size_t>(giocatore)].ScegliCarta();
            ControllaCarta(tavolo, giocatore, carta, confronta, conteggi);
            return carta;
        }
        bool Continua(const Partita& /*partita*/) const {
            return !::testing::Test::HasFatalFailure();
        }
    } decisioni{{}, tavolo, confronta, conteggi};
    partita.CambiaStato(StatoPartita::Distribuzione);
    const int primo = partita.Inizio(0);
    for (int g = 0; g < 5; ++g) {
        tavolo.licitazioni[static_cast<std::size_t>(g)].ValutaMano();
        tavolo.strategie[static_cast<std::size_t>(g)].AzzeraBriscola();
        tavolo.strategie[static_cast<std::size_t>(g)].ImpostaBriscola(
            tavolo.licitazioni[static_cast<std::size_t>(g)].ScegliBriscola());
    }
    AvanzaPartita(partita, primo, decisioni);
}

class PartiteTattiche : public ::testing::Test {
protected:
    void SetUp() override { AzzeraStatoGlobale(); }
    void TearDown() override { AzzeraStatoGlobale(); }
};

constexpr int kPartite = 1200;

// Seeded games with five tactical players, half of them with the first trick face down,
// the second half in the third series (coefficients redrawn every 40 decisions): every card
// is one of the hand on turn, nothing raises, every game ends with 40 cards and 120 points,
// and every fourth game is replayed decision by decision against the literal rendering.
TEST_F(PartiteTattiche, OgniSceltaEUnaCartaDellaManoDiTurno) {
    Tavolo tavolo;
    Conteggi conteggi;
    for (int i = 0; i < kPartite; ++i) {
        if (i == kPartite / 2) {
            ImpostaTipoGiocatori(3);
        }
        ImpostaSemeCasuale(static_cast<std::uint32_t>(1000 + i));
        const std::unique_ptr<Partita> partita = CreaPartita(i % 2 == 1, TavoloDelTest());
        ASSERT_NO_FATAL_FAILURE(GiocaPartita(*partita, tavolo, i % 4 == 0, conteggi))
            << "partita " << i;
        ASSERT_EQ(Registro().NumeroCarteGiocate(), 40);
        int punti = 0;
        for (int g = 0; g < 5; ++g) {
            punti += Registro().PuntiGiocatore(g);
        }
        ASSERT_EQ(punti, 120);
    }
    EXPECT_EQ(conteggi.decisioni, 40L * kPartite);
    EXPECT_EQ(StoriaPartite().numeroPartite, kPartite);
    EXPECT_GT(conteggi.confrontate, 0);
}

// Coefficients at the edges of their ranges or far beyond any sensible value (IR = 0 weighs
// the lower rows infinitely and yields no number at all; huge IP and CC push every total
// below the starting bar): the player must still play a card of its hand every time.
TEST_F(PartiteTattiche, CoefficientiEstremiGiocanoSempreUnaCartaDellaMano) {
    std::vector<Coefficienti> estremi = {
        {1.0, 0.34, 0.09, 0.0, 0.675, 0.5, 1.2}, {1e12, 0.34, 0.09, 2.15, 0.675, 0.5, 1e12},
        {0.0, 0.0, 0.0, 0.5, 0.0, 0.0, -1e9},    {1.0, 50.0, 0.11, 1.0, 1.0, 1.0, 0.0},
        {3.0, 0.34, 0.11, 0.0, 1.0, 0.0, 1e300},
    };
    Conteggi conteggi;
    for (int rotazione = 0; rotazione < 5; ++rotazione) {
        std::rotate(estremi.begin(), estremi.begin() + 1, estremi.end());
        Tavolo tavolo(estremi);
        for (int i = 0; i < 20; ++i) {
            ImpostaSemeCasuale(static_cast<std::uint32_t>(7000 + 20 * rotazione + i));
            Partita partita(TavoloDelTest());
            ASSERT_NO_FATAL_FAILURE(GiocaPartita(partita, tavolo, false, conteggi));
            ASSERT_EQ(Registro().NumeroCarteGiocate(), 40);
        }
    }
    EXPECT_EQ(conteggi.decisioni, 40L * 100);
}

} // namespace
