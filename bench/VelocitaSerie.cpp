// How fast each seating plays: games per second through the step driver with a silent window
// and no waits, and the time of a card step (the engine's decision, the game's move and the
// notifications). Single-threaded. Usage: VelocitaSerie [partite] [tipo ...]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "TrovaRegole.h"
#include "comune/Casuale.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/Tavolo.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

using Orologio = std::chrono::steady_clock;

struct Misura {
    double partiteAlSecondo = 0.0;
    // By processor time: on a shared machine the wall clock also counts the other programs.
    double partiteAlSecondoCpu = 0.0;
    double microsecondiPerCarta = 0.0;
};

std::unique_ptr<Tavolo> NuovaSerie(int tipo, FinestraSilenziosa& finestra) {
    OpzioniTavolo opzioni;
    opzioni.logTest = "/dev/null";
    auto tavolo = std::make_unique<Tavolo>(tipo, 20261207, &finestra, opzioni);
    finestra.ImpostaGeneratore(&tavolo->Stato().generatore);
    tavolo->Driver().NuovaPartita();
    return tavolo;
}

// One step, and a new game when a game with a human has ended.
void Avanza(Semaforo& semaforo) {
    semaforo.Passo();
    if (!semaforo.InCorso() && !semaforo.RipartenzaAutomatica()) {
        semaforo.NuovaPartita();
    }
}

Misura MisuraSerie(int tipo, int partite) {
    Misura misura;
    {
        FinestraSilenziosa finestra(false, 0);
        auto tavolo = NuovaSerie(tipo, finestra);
        const auto inizio = Orologio::now();
        const std::clock_t inizioCpu = std::clock();
        while (tavolo->Stato().storia.numeroPartite < partite) {
            Avanza(tavolo->Driver());
        }
        const double secondiCpu = static_cast<double>(std::clock() - inizioCpu) / CLOCKS_PER_SEC;
        const double secondi = std::chrono::duration<double>(Orologio::now() - inizio).count();
        misura.partiteAlSecondo = partite / secondi;
        misura.partiteAlSecondoCpu = secondiCpu > 0.0 ? partite / secondiCpu : 0.0;
    }
    // Second pass, with the clock read around every card step: their share of the wall time
    // applied to the processor time of the pass.
    FinestraSilenziosa finestra(false, 0);
    auto tavolo = NuovaSerie(tipo, finestra);
    Semaforo* semaforo = &tavolo->Driver();
    Orologio::duration inCarte{};
    long long carte = 0;
    const auto inizio = Orologio::now();
    const std::clock_t inizioCpu = std::clock();
    while (tavolo->Stato().storia.numeroPartite < partite) {
        if (semaforo->PartitaCorrente()->Stato() == StatoPartita::Giocata) {
            const auto prima = Orologio::now();
            semaforo->Passo();
            inCarte += Orologio::now() - prima;
            ++carte;
        } else {
            Avanza(*semaforo);
        }
    }
    const double secondiCpu = static_cast<double>(std::clock() - inizioCpu) / CLOCKS_PER_SEC;
    const double quota = std::chrono::duration<double>(inCarte).count() /
                         std::chrono::duration<double>(Orologio::now() - inizio).count();
    misura.microsecondiPerCarta = 1e6 * secondiCpu * quota / static_cast<double>(carte);
    return misura;
}

} // namespace

int main(int argc, char** argv) {
    TrovaRegole(argv[0]);
    int partite = 20000;
    std::vector<int> tipi;
    if (argc > 1) {
        partite = std::max(1, std::atoi(argv[1]));
    }
    for (int i = 2; i < argc; ++i) {
        tipi.push_back(std::atoi(argv[i]));
    }
    if (tipi.empty()) {
        tipi = {0, 1, 2, 3};
    }
    std::printf("%-6s %10s %12s %16s %17s\n", "tipo", "partite", "partite/s", "partite/s cpu",
                "us cpu per carta");
    for (int tipo : tipi) {
        try {
            const Misura m = MisuraSerie(tipo, partite);
            std::printf("%-6d %10d %12.0f %16.0f %17.3f\n", tipo, partite, m.partiteAlSecondo,
                        m.partiteAlSecondoCpu, m.microsecondiPerCarta);
        } catch (const std::exception& e) {
            std::printf("%-6d errore: %s\n", tipo, e.what());
        }
        std::fflush(stdout);
    }
    return 0;
}
