// How fast the expert advises: the wall-clock time of a card hint (each card decision of a
// seat, first trick and on average), of a bid's hint, and of the analysis of a whole game's
// decisions for one seat, at the hint's budget, on all the machine's cores.
// Usage: VelocitaSuggerimento [partite]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "TrovaRegole.h"
#include "analisi/AnalisiPartita.h"
#include "comune/Casuale.h"
#include "ia/SimulatorePartita.h"
#include "motori/MotoreOK.h"
#include "notazione/PartitaNotata.h"
#include "partita/AvanzaPartita.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"

namespace {

double Secondi(std::chrono::steady_clock::time_point da) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - da).count();
}

// A whole game from a deal drawn from seme, every seat bidding and playing as the standard
// player, the caller naming its best suit.
RegistroPartita Partita5(std::uint32_t seme, SimulatorePartita& modello) {
    GeneratoreCasuale g(seme);
    RegistroPartita r;
    r.DistribuisciMani(DistribuzioneCasuale(g));
    r.ImpostaTurno(static_cast<int>(seme % 5));
    struct Standard final : DecisioniPartita {
        RegistroPartita& r;
        SimulatorePartita& modello;
        GeneratoreCasuale& g;

        Chiamata Licita(int seggio) {
            LicitazioneAPunti licitazione(seggio);
            licitazione.ValutaManoDa(r);
            return licitazione.Ammessa(r, licitazione.LicitaDa(r, g));
        }
        Briscola ScegliBriscola(int seggio) {
            return Briscola(SimulatorePartita::SemeMigliore(r, seggio));
        }
        Carta ScegliCarta(int seggio) { return modello.CartaStandard(r, seggio); }
    } decisioni{{}, r, modello, g};
    Partita p(r);
    AvanzaPartita(p, p.Riprendi(), decisioni);
    return r;
}

} // namespace

int main(int argc, char** argv) {
    TrovaRegole(argv[0]);
    const int partite = argc > 1 ? std::max(1, std::atoi(argv[1])) : 4;
    SimulatorePartita modello(MotoreOK::kFileRegole);
    const Consigliere consigliere(MotoreOK::kFileRegole, Consigliere::BudgetPredefinito(), 1);
    std::printf("Suggerimenti a budget %d, %u processori\n", consigliere.Budget(),
                std::thread::hardware_concurrency());
    double carte = 0.0;
    double primaPresa = 0.0;
    double massimoCarta = 0.0;
    int numeroCarte = 0;
    double licitazioni = 0.0;
    int numeroLicitazioni = 0;
    double analisi = 0.0;
    double massimoAnalisi = 0.0;
    std::array<GiocatoreNotato, 5> giocatori;
    giocatori.fill({"standard", "Standard"});
    for (int n = 0; n < partite; ++n) {
        const RegistroPartita fine = Partita5(static_cast<std::uint32_t>(1000 + n), modello);
        const PartitaNotata partita = NotaPartita(fine, giocatori);
        const int seggio = fine.chiamante;
        for (const PosizioneDecisione& p : PosizioniDelGiocatore(partita, seggio)) {
            const auto inizio = std::chrono::steady_clock::now();
            consigliere.Suggerisci(p.posizione);
            const double t = Secondi(inizio);
            if (p.tipo == TipoDecisione::Carta) {
                carte += t;
                ++numeroCarte;
                massimoCarta = std::max(massimoCarta, t);
                if (p.posizione.ManiComplete() == 0) {
                    primaPresa += t;
                }
            } else if (p.tipo == TipoDecisione::Licitazione) {
                licitazioni += t;
                ++numeroLicitazioni;
            }
        }
        const auto inizio = std::chrono::steady_clock::now();
        AnalizzaPartita(partita, seggio, consigliere);
        const double t = Secondi(inizio);
        analisi += t;
        massimoAnalisi = std::max(massimoAnalisi, t);
    }
    std::printf("carta, prima presa:        %7.3f s\n", primaPresa / partite);
    std::printf("carta, media (massimo):    %7.3f s (%.3f s)\n", carte / std::max(1, numeroCarte),
                massimoCarta);
    std::printf("licitazione, media:        %7.3f s\n",
                licitazioni / std::max(1, numeroLicitazioni));
    std::printf("analisi di una partita, media (massimo): %7.3f s (%.3f s)\n", analisi / partite,
                massimoAnalisi);
    return 0;
}
