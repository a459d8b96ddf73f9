// How fast the expert decides: milliseconds per card decision at each budget, by trick and on
// average over a game, the time of a bid (the first of a deal) at each budget, and the playouts
// (games played to their end) per second. Processor time, one thread. With "tattici" every
// other seat is taken for a tactical player, whom the playouts play as such (a slower model).
// Usage: VelocitaEsperto [posizioni] [tattici]

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "TrovaRegole.h"
#include "comune/Casuale.h"
#include "ia/GiocaCartaEsperto.h"
#include "ia/LicitazioneEsperto.h"
#include "ia/SimulatorePartita.h"
#include "partita/AvanzaPartita.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"

namespace {

double Secondi() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// A dealt game, its bidding over (seat 0 calls the Tre), ready for the first card.
RegistroPartita Distribuita(GeneratoreCasuale& g, bool alBuio, SimulatorePartita& sim) {
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneCasuale(g));
    r.primaManoCoperta = alBuio ? 1 : 0;
    Partita p(r);
    for (int s = 0; r.GiocatoriInLicitazione() > 1 || r.chiamante < 0; s = r.turno) {
        Chiamata c(s == 0 ? kTre : kPasso);
        p.Licita(s, c);
    }
    if (!alBuio) {
        r.briscola = Briscola(SimulatorePartita::SemeMigliore(r, 0));
    } else {
        r.briscola = BriscolaAssente;
    }
    (void)sim;
    return r;
}

} // namespace

int main(int argc, char** argv) {
    const int posizioni = argc > 1 ? std::atoi(argv[1]) : 40;
    const bool tattici = argc > 2 && std::string(argv[2]) == "tattici";
    const std::array<bool, 5> modelli{tattici, tattici, tattici, tattici, tattici};
    TrovaRegole(argv[0]);
    SimulatorePartita sim("regole.OK.txt");
    sim.ImpostaTattici(modelli);
    std::printf("Modello degli altri posti: %s\n", tattici ? "tattico" : "standard");

    // Playouts from the first card.
    {
        GeneratoreCasuale g(1);
        const int partite = tattici ? 2000 : 20000;
        std::vector<RegistroPartita> inizi;
        for (int i = 0; i < partite; ++i) {
            inizi.push_back(Distribuita(g, i % 2 == 0, sim));
        }
        const double t0 = Secondi();
        long long somma = 0;
        for (RegistroPartita& r : inizi) {
            somma += sim.GiocaFinoAllaFine(r)[0];
        }
        const double t = Secondi() - t0;
        std::printf("Partite simulate al secondo: %.0f (%.1f microsecondi l'una; controllo %lld)\n",
                    partite / t, 1e6 * t / partite, somma);
    }

    for (const int budget :
         {GiocaCartaEsperto::kBudgetPredefinito / 10, GiocaCartaEsperto::kBudgetPredefinito,
          GiocaCartaEsperto::kBudgetPredefinito * 4}) {
        std::array<double, 8> tempo{};
        std::array<int, 8> volte{};
        GeneratoreCasuale g(2);
        for (int i = 0; i < posizioni; ++i) {
            RegistroPartita r = Distribuita(g, i % 2 == 0, sim);
            const std::unique_ptr<Partita> p = CreaPartita(r.primaManoCoperta == 1, r);
            // Every seat an expert, so that every position of every trick is timed.
            struct Esperti final : DecisioniPartita {
                const RegistroPartita& r;
                std::array<double, 8>& tempo;
                std::array<int, 8>& volte;
                std::array<std::unique_ptr<GiocaCartaEsperto>, 5> esperti;

                Briscola ScegliBriscola(int /*chiamante*/) {
                    return Briscola(SimulatorePartita::SemeMigliore(r, 0));
                }
                Carta ScegliCarta(int giocatore) {
                    const auto mano = static_cast<std::size_t>(r.ManiComplete());
                    const double t0 = Secondi();
                    const Carta carta =
                        esperti[static_cast<std::size_t>(giocatore)]->ScegliCartaDa(r);
                    tempo[mano] += Secondi() - t0;
                    ++volte[mano];
                    return carta;
                }
            } decisioni{{}, r, tempo, volte, {}};
            for (int s = 0; s < 5; ++s) {
                decisioni.esperti[static_cast<std::size_t>(s)] =
                    std::make_unique<GiocaCartaEsperto>(s, "regole.OK.txt", budget,
                                                        static_cast<std::uint32_t>(i));
                decisioni.esperti[static_cast<std::size_t>(s)]->ImpostaTattici(modelli);
            }
            AvanzaPartita(*p, p->Riprendi(), decisioni);
        }
        double totale = 0.0;
        int decisioni = 0;
        std::printf("Budget %d, millisecondi per carta, mano per mano:", budget);
        for (std::size_t m = 0; m < 8; ++m) {
            std::printf(" %.1f", 1000.0 * tempo[m] / volte[m]);
            totale += tempo[m];
            decisioni += volte[m];
        }
        std::printf("; media %.1f\n", 1000.0 * totale / decisioni);
    }

    // The bid is chosen by simulation too (the first of a deal is timed); the trump is the
    // hand's best suit, a pass over the hand.
    auto modello = std::make_shared<SimulatorePartita>("regole.OK.txt");
    modello->ImpostaTattici(modelli);
    for (const int budget :
         {GiocaCartaEsperto::kBudgetPredefinito / 10, GiocaCartaEsperto::kBudgetPredefinito,
          GiocaCartaEsperto::kBudgetPredefinito * 4}) {
        GeneratoreCasuale g(3);
        double tempo = 0.0;
        int controllo = 0;
        for (int i = 0; i < posizioni; ++i) {
            LicitazioneEsperto l(0, budget, static_cast<std::uint32_t>(i), modello, g);
            RegistroPartita asta;
            asta.DistribuisciMani(DistribuzioneCasuale(g));
            asta.primaManoCoperta = i % 2 == 0 ? 1 : 0;
            const double t0 = Secondi();
            controllo += l.LicitaDa(asta).Punti;
            tempo += Secondi() - t0;
        }
        std::printf("Budget %d, millisecondi per offerta: %.1f (controllo %d)\n", budget,
                    1000.0 * tempo / posizioni, controllo);
    }
    return 0;
}
