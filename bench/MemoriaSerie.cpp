// The peak resident memory of a series played on two threads, for 10^4, 10^5 and 10^6 games
// (or the counts given): each series runs in a process of its own, so that each peak is its
// own. It should not grow with the games, nor when every game is written out in notation (as
// pentaludo-serie --registra does). Usage: MemoriaSerie [tipo] [partite ...]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "TrovaRegole.h"
#include "motori/Serie.h"
#include "partita/TipoStoriaPartite.h"

namespace {

// Plays the series in a child process; its peak resident memory in KB, or -1.
long PiccoSerie(const OpzioniSerie& opzioni, bool registra, double& secondi) {
    const auto inizio = std::chrono::steady_clock::now();
    const pid_t figlio = ::fork();
    if (figlio < 0) {
        return -1;
    }
    if (figlio == 0) {
        try {
            Serie serie(opzioni);
            std::ofstream nulla("/dev/null", std::ios::binary);
            if (registra) {
                serie.Registra(&nulla);
            }
            const EsitoSerie esito = serie.Gioca();
            ::_exit(esito.errore.empty() && esito.giocate == opzioni.partite ? 0 : 1);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            ::_exit(1);
        }
    }
    int stato = 0;
    rusage uso{};
    if (::wait4(figlio, &stato, 0, &uso) != figlio || !WIFEXITED(stato) ||
        WEXITSTATUS(stato) != 0) {
        return -1;
    }
    secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    return uso.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    TrovaRegole(argv[0]);
    const int tipo = argc > 1 ? std::atoi(argv[1]) : 1;
    std::vector<long long> conti;
    for (int i = 2; i < argc; ++i) {
        conti.push_back(std::atoll(argv[i]));
    }
    if (conti.empty()) {
        conti = {10000, 100000, 1000000};
    }
    std::printf("Serie di tipo %d su 2 fili: picco di memoria residente\n", tipo);
    std::printf("%10s %12s %10s %12s %10s\n", "partite", "picco (MB)", "secondi", "registrando",
                "secondi");
    for (const long long partite : conti) {
        OpzioniSerie opzioni;
        opzioni.tipo = tipo;
        opzioni.partite = partite;
        opzioni.seme = 20261208;
        opzioni.fili = 2;
        opzioni.tavolo.logTest = "/dev/null";
        std::printf("%10lld", partite);
        for (const bool registra : {false, true}) {
            double secondi = 0.0;
            const long picco = PiccoSerie(opzioni, registra, secondi);
            if (picco < 0) {
                std::printf(" %12s %10s", "errore", "");
            } else {
                std::printf(" %12.1f %10.1f", static_cast<double>(picco) / 1024.0, secondi);
            }
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}
