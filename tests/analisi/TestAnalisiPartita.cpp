#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "analisi/AnalisiPartita.h"
#include "analisi/Suggerimento.h"
#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "ia/GiocaCartaEsperto.h"
#include "ia/LicitazioneEsperto.h"
#include "ia/SimulatorePartita.h"
#include "notazione/PartitaNotata.h"
#include "partita/AvanzaPartita.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

const std::string kRegole = std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt";
// Small, so that whole games are judged in a test's time; the hint's budget is a parameter.
constexpr int kBudget = 24;
constexpr std::uint32_t kSeme = 77;

SimulatorePartita& Standard() {
    static SimulatorePartita simulatore(kRegole);
    return simulatore;
}

// What a seat does at a decision; nullopt-like: the standard player's choice.
using Scelta = std::function<bool(const RegistroPartita&, int, Chiamata&, Briscola&, Carta&)>;

// A whole game from a deal drawn from seme: every seat bids as the standard bidder, names its
// best suit and plays as the standard player, unless scelta decides for it.
RegistroPartita GiocaPartita(std::uint32_t seme, bool alBuio, const Scelta& scelta) {
    GeneratoreCasuale g(seme);
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneCasuale(g));
    r.primaManoCoperta = alBuio ? 1 : 0;
    r.ImpostaTurno(static_cast<int>(seme % 5));
    struct Decisioni final : DecisioniPartita {
        RegistroPartita& r;
        const Scelta& scelta;
        GeneratoreCasuale& g;
        Chiamata c;
        Briscola b;
        Carta carta;

        Chiamata Licita(int seggio) {
            if (scelta(r, seggio, c, b, carta)) {
                return c;
            }
            LicitazioneAPunti licitazione(seggio);
            licitazione.Siedi(TavoloDelTest());
            licitazione.ValutaManoDa(r);
            return licitazione.Ammessa(r, licitazione.LicitaDa(r, g));
        }
        Briscola ScegliBriscola(int seggio) {
            if (scelta(r, seggio, c, b, carta)) {
                return b;
            }
            return Briscola(SimulatorePartita::SemeMigliore(r, seggio));
        }
        Carta ScegliCarta(int seggio) {
            if (scelta(r, seggio, c, b, carta)) {
                return carta;
            }
            return Standard().CartaStandard(r, seggio);
        }
    } decisioni{{}, r, scelta, g, {}, {}, {}};
    const std::unique_ptr<Partita> p = CreaPartita(alBuio, r);
    AvanzaPartita(*p, p->Riprendi(), decisioni);
    return r;
}

std::array<GiocatoreNotato, 5> Giocatori() {
    std::array<GiocatoreNotato, 5> giocatori;
    for (std::size_t s = 0; s < 5; ++s) {
        giocatori[s] = {"standard", "Giocatore " + std::to_string(s)};
    }
    return giocatori;
}

// r with two cards of two seats other than giocatore, both still in hand, changing hands.
RegistroPartita ScambiaDueNascoste(const RegistroPartita& r, int giocatore) {
    std::vector<int> altri;
    for (int c = 0; c < 40; ++c) {
        if (r.InMano(c) && r.Distribuzione(c) != giocatore) {
            altri.push_back(c);
        }
    }
    const auto b = std::find_if(altri.begin(), altri.end(), [&](int c) {
        return r.Distribuzione(c) != r.Distribuzione(altri.at(0));
    });
    if (b == altri.end()) {
        throw Errore("Nessuna carta da scambiare");
    }
    RegistroPartita scambiato = r;
    scambiato.ScambiaCarte(altri.at(0), *b);
    return scambiato;
}

void ControllaUguali(const Suggerimento& a, const Suggerimento& b) {
    ASSERT_EQ(a.alternative.size(), b.alternative.size());
    EXPECT_EQ(a.preferita, b.preferita);
    for (std::size_t k = 0; k < a.alternative.size(); ++k) {
        EXPECT_EQ(a.alternative[k].carta, b.alternative[k].carta);
        EXPECT_EQ(a.alternative[k].media, b.alternative[k].media);
        EXPECT_EQ(a.alternative[k].puntiSquadra, b.alternative[k].puntiSquadra);
    }
}

} // namespace

TEST(AnalisiPartita, ChiGiocaComeLEspertoNonPerdeNulla) {
    // In both variants, the seat follows the adviser at every decision: its bids are the
    // expert's bids, its cards the expert's cards, and the analysis of the game finds the
    // same positions, the same advice and no cost.
    for (const bool alBuio : {false, true}) {
        const int seggio = alBuio ? 3 : 1;
        const Consigliere consigliere(kRegole, kBudget, kSeme);
        int decisioni = 0;
        const Scelta esperto = [&](const RegistroPartita& r, int s, Chiamata& c, Briscola& b,
                                   Carta& carta) {
            if (s != seggio) {
                return false;
            }
            ++decisioni;
            const Suggerimento consiglio = consigliere.Suggerisci(r);
            c = consiglio.Preferita().chiamata;
            b = consiglio.Preferita().briscola;
            carta = consiglio.Preferita().carta;
            if (consiglio.tipo == TipoDecisione::Carta) {
                GiocaCartaEsperto giocatore(s, kRegole, kBudget, kSeme);
                giocatore.ImpostaBriscola(Briscola(SimulatorePartita::SemeMigliore(r, s)));
                EXPECT_EQ(giocatore.ScegliCartaDa(r), carta);
            } else if (consiglio.tipo == TipoDecisione::Licitazione) {
                GeneratoreCasuale g(1);
                LicitazioneEsperto licitazione(s, kBudget, kSeme,
                                               std::make_shared<SimulatorePartita>(kRegole), g);
                EXPECT_EQ(licitazione.LicitaDa(r), c);
            }
            return true;
        };
        const RegistroPartita fine = GiocaPartita(alBuio ? 41 : 42, alBuio, esperto);
        ASSERT_TRUE(fine.PartitaFinita());
        const PartitaNotata partita = NotaPartita(fine, Giocatori());
        const AnalisiGiocatore analisi = AnalizzaPartita(partita, seggio, consigliere);
        EXPECT_EQ(static_cast<int>(analisi.decisioni.size()), decisioni);
        EXPECT_GE(decisioni, 9);
        for (const DecisioneAnalizzata& d : analisi.decisioni) {
            EXPECT_EQ(d.fatta, d.suggerimento.preferita);
            EXPECT_EQ(d.costo, 0.0);
        }
        EXPECT_EQ(analisi.totale, 0.0);
    }
}

TEST(AnalisiPartita, UnAssoRegalatoAgliAvversariCostaPiuDiUnPunto) {
    // A seat last to play in the seventh trick, which the other side has taken with a trump it
    // cannot beat, holding an Asso or a Tre and a card of no points, where the points decide
    // the game: it throws the high card. The analysis finds that decision and charges it.
    const Consigliere consigliere(kRegole, 4 * kBudget, kSeme);
    int trovate = 0;
    for (std::uint32_t seme = 1; seme < 1500 && trovate < 2; ++seme) {
        int seggio = -1;
        Carta alta;
        Carta liscia;
        const Scelta regala = [&](const RegistroPartita& r, int s, Chiamata&, Briscola&,
                                  Carta& carta) {
            if (r.ManiComplete() != 6 || r.CarteInTavola() != 4 || r.SocioPalese() < 0) {
                return false;
            }
            std::vector<Carta> mano;
            for (int c = 0; c < 40; ++c) {
                if (r.InMano(c) && r.Distribuzione(c) == s) {
                    mano.push_back(Carta::DaIndice(c));
                }
            }
            const auto Squadra = [&](int x) { return x == r.chiamante || x == r.SocioPalese(); };
            const int briscola = r.briscola.SemeGrezzo();
            if (mano.size() != 2 || Squadra(r.VincitoreMano()) == Squadra(s) ||
                r.CartaVincente().Seme != briscola || mano[0].Seme == briscola ||
                mano[1].Seme == briscola) {
                return false;
            }
            std::sort(mano.begin(), mano.end(),
                      [](const Carta& a, const Carta& b) { return a.Punti() > b.Punti(); });
            if (mano[0].Punti() < 10 || mano[1].Punti() != 0) {
                return false;
            }
            seggio = s;
            alta = mano[0];
            liscia = mano[1];
            carta = alta;
            return true;
        };
        const RegistroPartita regalata = GiocaPartita(seme, false, regala);
        if (seggio < 0) {
            continue;
        }
        const int chi = seggio;
        const Scelta tiene = [&](const RegistroPartita& r, int s, Chiamata&, Briscola&,
                                 Carta& carta) {
            if (s != chi || r.ManiComplete() != 6) {
                return false;
            }
            carta = liscia;
            return true;
        };
        const RegistroPartita tenuta = GiocaPartita(seme, false, tiene);
        // Only where the points thrown away turn the game.
        if (PunteggiPartita(tenuta)[chi] - PunteggiPartita(regalata)[chi] < 2) {
            continue;
        }
        ++trovate;
        const AnalisiGiocatore analisi =
            AnalizzaPartita(NotaPartita(regalata, Giocatori()), chi, consigliere);
        const auto d =
            std::find_if(analisi.decisioni.begin(), analisi.decisioni.end(), [](const auto& d) {
                return d.suggerimento.tipo == TipoDecisione::Carta &&
                       d.posizione.ManiComplete() == 6;
            });
        ASSERT_NE(d, analisi.decisioni.end());
        EXPECT_EQ(d->Fatta().carta, alta) << "seme " << seme;
        EXPECT_EQ(d->suggerimento.Preferita().carta, liscia) << "seme " << seme;
        EXPECT_GT(d->costo, 1.0) << "seme " << seme;
        EXPECT_GE(analisi.totale, d->costo);
    }
    EXPECT_EQ(trovate, 2);
}

TEST(AnalisiPartita, LeCarteCheIlGiocatoreNonVedeNonCambianoConsiglioNeAnalisi) {
    // Every decision of a seat in a played game, in both variants: swapping two cards of two
    // other seats that the seat cannot see leaves the advice, and so the analysis, unchanged.
    for (const bool alBuio : {false, true}) {
        const int seggio = alBuio ? 0 : 2;
        const Consigliere consigliere(kRegole, kBudget, kSeme, {false, true, false, false, true});
        const RegistroPartita fine = GiocaPartita(
            alBuio ? 7 : 8, alBuio,
            [](const RegistroPartita&, int, Chiamata&, Briscola&, Carta&) { return false; });
        const std::vector<PosizioneDecisione> posizioni =
            PosizioniDelGiocatore(NotaPartita(fine, Giocatori()), seggio);
        ASSERT_GE(posizioni.size(), 8u);
        for (const PosizioneDecisione& p : posizioni) {
            if (p.tipo == TipoDecisione::Carta && p.posizione.ManiComplete() == 7) {
                continue;
            }
            const Chiamata* fatta = p.tipo == TipoDecisione::Licitazione ? &p.chiamata : nullptr;
            SCOPED_TRACE("carte giocate " + std::to_string(p.posizione.NumeroCarteGiocate()));
            ControllaUguali(consigliere.Suggerisci(p.posizione, fatta),
                            consigliere.Suggerisci(ScambiaDueNascoste(p.posizione, seggio), fatta));
        }
    }
}
