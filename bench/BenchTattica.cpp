// Plays headless games among five tactical players and prints how fast they go: games per
// second for whole games (deal, bidding, play, scoring) and the time of one card decision.
// Both by the wall clock and by the processor time of this process, since the machine is
// shared and the wall clock also counts the time other work takes the processor away.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "comune/Casuale.h"
#include "ia/GiocaCartaProbabilita.h"
#include "ia/TatticaNuova.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoGiocatori.h"
#include "partita/TipoStoriaPartite.h"

namespace {

using Orologio = std::chrono::steady_clock;

struct Tavolo {
    std::array<LicitazioneAPunti, 5> licitazioni{LicitazioneAPunti(0), LicitazioneAPunti(1),
                                                 LicitazioneAPunti(2), LicitazioneAPunti(3),
                                                 LicitazioneAPunti(4)};
    std::array<GiocaCartaProbabilita, 5> strategie{
        GiocaCartaProbabilita(0), GiocaCartaProbabilita(1), GiocaCartaProbabilita(2),
        GiocaCartaProbabilita(3), GiocaCartaProbabilita(4)};
};

void GiocaPartita(Partita& partita, Tavolo& tavolo) {
    partita.CambiaStato(0);
    int giocatore = partita.Inizio(0);
    for (int s = 0; s < 5; ++s) {
        auto& licitazione = tavolo.licitazioni[static_cast<std::size_t>(s)];
        auto& strategia = tavolo.strategie[static_cast<std::size_t>(s)];
        licitazione.ValutaMano();
        strategia.AzzeraBriscola();
        strategia.ImpostaBriscola(licitazione.ScegliBriscola());
    }
    while (partita.Stato() != 9) {
        const auto g = static_cast<std::size_t>(giocatore);
        switch (partita.Stato()) {
        case 1: {
            Chiamata chiamata = tavolo.licitazioni[g].Licita();
            giocatore = partita.Licita(giocatore, chiamata);
            break;
        }
        case 3:
            giocatore = partita.FineLicitazione();
            break;
        case 4:
            giocatore = partita.ImpostaBriscola(tavolo.licitazioni[g].ScegliBriscola());
            break;
        case 5: {
            Carta carta = tavolo.strategie[g].ScegliCarta();
            giocatore = partita.Gioca(carta);
            break;
        }
        case 6:
            giocatore = partita.FineMano();
            break;
        case 7:
            giocatore = partita.RaccogliMano();
            break;
        default:
            partita.Punteggi();
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const int partite = argc > 1 ? std::atoi(argv[1]) : 20000;
    ImpostaTipoGiocatori(3);
    ImpostaSemeCasuale(1);
    StoriaPartite().Azzera();

    Tavolo tavolo;
    Partita partita;
    const auto inizio = Orologio::now();
    const std::clock_t inizioCpu = std::clock();
    for (int i = 0; i < partite; ++i) {
        GiocaPartita(partita, tavolo);
    }
    const double secondi = std::chrono::duration<double>(Orologio::now() - inizio).count();
    const double secondiCpu = static_cast<double>(std::clock() - inizioCpu) / CLOCKS_PER_SEC;
    std::printf("%d partite in %.3f s: %.0f partite/s, %.2f us a partita\n", partite, secondi,
                partite / secondi, 1e6 * secondi / partite);
    std::printf("  tempo di processore %.3f s: %.0f partite/s, %.2f us a partita\n", secondiCpu,
                partite / secondiCpu, 1e6 * secondiCpu / partite);

    // One decision alone, repeated on mid-game positions.
    ImpostaTipoGiocatori(0);
    ImpostaSemeCasuale(2);
    const int ripetizioni = 200;
    long decisioni = 0;
    double tempoDecisioni = 0.0;
    double tempoDecisioniCpu = 0.0;
    for (int i = 0; i < partite / 20; ++i) {
        Registro().Distribuisci();
        Registro().chiamante = static_cast<std::int8_t>(i % 5);
        Registro().chiamata = Chiamata(kRe);
        Registro().briscola = Briscola(i % 4);
        for (int n = 0; n < 13; ++n) {
            const int g = (n + 1) % 5;
            Registro().RegistraGiocata(tavolo.strategie[static_cast<std::size_t>(g)].ScegliCarta());
            if (Registro().CarteInTavola() == 5) {
                Registro().RaccogliPresa();
            }
        }
        const int seat = (13 + 1) % 5;
        const RegistroPartita copia = Registro();
        const auto t0 = Orologio::now();
        const std::clock_t t0Cpu = std::clock();
        for (int r = 0; r < ripetizioni; ++r) {
            TatticaNuova tattica{Coefficienti{}};
            const Carta carta = tattica.Scegli(copia, seat);
            decisioni += carta.Seme;
        }
        tempoDecisioni += std::chrono::duration<double>(Orologio::now() - t0).count();
        tempoDecisioniCpu += static_cast<double>(std::clock() - t0Cpu) / CLOCKS_PER_SEC;
    }
    const long numero = static_cast<long>(partite / 20) * ripetizioni;
    std::printf("%ld decisioni: %.3f us a decisione, %.3f us di processore (controllo %ld)\n",
                numero, 1e6 * tempoDecisioni / static_cast<double>(numero),
                1e6 * tempoDecisioniCpu / static_cast<double>(numero), decisioni);
    return 0;
}
