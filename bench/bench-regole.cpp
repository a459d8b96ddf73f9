// Speed of the rule-based player: whole games with five rule-based seats, and single card
// decisions. Prints figures; the headless series needs about 2 microseconds per decision.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "../tests/ia/PartitaDiProva.h"
#include "TrovaRegole.h"
#include "comune/Casuale.h"
#include "ia/GiocaCartaRegoleNuovo.h"
#include "partita/TipoStoriaPartite.h"

namespace {

using Orologio = std::chrono::steady_clock;

double Secondi(Orologio::time_point da) {
    return std::chrono::duration<double>(Orologio::now() - da).count();
}

double SecondiCPU(std::clock_t da) {
    return static_cast<double>(std::clock() - da) / CLOCKS_PER_SEC;
}

// A moment of a game at which a seat had to play, kept to replay the decision alone.
struct Momento {
    RegistroPartita registro;
    int giocatore;
    Briscola briscola;
};

// Counts the decisions of the strategy it wraps.
class Contatore final : public GiocaCarta {
public:
    explicit Contatore(GiocaCarta& g) : GiocaCarta(g.Giocatore()), g(g) {}
    void Siedi(StatoTavolo& tavolo) override {
        GiocaCarta::Siedi(tavolo);
        g.Siedi(tavolo);
    }
    Carta ScegliCarta() override {
        g.ImpostaBriscola(briscola);
        if (decisioni % 7 == 0 && momenti.size() < 20000) {
            momenti.push_back({Tavolo().registro, giocatore, briscola});
        }
        ++decisioni;
        const auto inizio = Orologio::now();
        const Carta carta = g.ScegliCarta();
        tempo += Secondi(inizio);
        return carta;
    }
    std::string Nome() const override { return g.Nome(); }

    long decisioni = 0;
    double tempo = 0;
    std::vector<Momento> momenti;

private:
    GiocaCarta& g;
};

} // namespace

int main(int argc, char** argv) {
    const int partite = argc > 1 ? std::atoi(argv[1]) : 20000;
    const std::string regole = argc > 2 ? argv[2] : "regole.OK.txt";
    TrovaRegole(argv[0]);
    StatoTavolo tavolo(1, 1);

    std::array<std::unique_ptr<GiocaCartaRegoleNuovo>, 5> strategie;
    std::array<std::unique_ptr<Contatore>, 5> contatori;
    std::array<GiocaCarta*, 5> giocatori{};
    for (std::size_t s = 0; s < 5; ++s) {
        strategie[s] = std::make_unique<GiocaCartaRegoleNuovo>(static_cast<int>(s), regole, 0.0);
        contatori[s] = std::make_unique<Contatore>(*strategie[s]);
        giocatori[s] = contatori[s].get();
    }
    Partita partita(tavolo);
    const auto inizio = Orologio::now();
    const std::clock_t inizioCPU = std::clock();
    for (int n = 0; n < partite; ++n) {
        GiocaPartitaDiProva(tavolo, partita, giocatori);
    }
    const double totale = Secondi(inizio);
    const double totaleCPU = SecondiCPU(inizioCPU);
    long decisioni = 0;
    double tempo = 0;
    for (const auto& c : contatori) {
        decisioni += c->decisioni;
        tempo += c->tempo;
    }
    std::printf("%d partite con cinque giocatori a regole in %.3f s (%.3f s di CPU): %.0f "
                "partite al secondo (%.0f per secondo di CPU)\n",
                partite, totale, totaleCPU, partite / totale, partite / totaleCPU);
    std::printf("%ld decisioni: %.3f microsecondi per decisione (orologio compreso)\n", decisioni,
                tempo / static_cast<double>(decisioni) * 1e6);

    // The same decisions again, alone, timed by the processor clock (steady on a busy machine).
    std::vector<Momento> momenti;
    for (const auto& c : contatori) {
        momenti.insert(momenti.end(), c->momenti.begin(), c->momenti.end());
    }
    const int ripetizioni = 20;
    const std::clock_t inizioDecisioni = std::clock();
    int controllo = 0;
    for (int r = 0; r < ripetizioni; ++r) {
        for (const Momento& m : momenti) {
            tavolo.registro = m.registro;
            GiocaCartaRegoleNuovo& g = *strategie[static_cast<std::size_t>(m.giocatore)];
            g.ImpostaBriscola(m.briscola);
            controllo += g.ScegliCarta().Indice();
        }
    }
    const double cpu = SecondiCPU(inizioDecisioni);
    std::printf("%zu decisioni ripetute %d volte: %.3f microsecondi di CPU per decisione "
                "(controllo %d)\n",
                momenti.size(), ripetizioni,
                cpu / static_cast<double>(momenti.size() * ripetizioni) * 1e6, controllo);
    return 0;
}
