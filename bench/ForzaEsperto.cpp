// How much the expert wins: one or more expert seats against the standard (or the tactical)
// players over a computer-only series, whose deals are rotated so that every seat plays every
// hand. Prints the margin (the expert seats' average score a game minus the others') with a
// 95% confidence interval over blocks of five games, which share one shuffle.
// Usage: ForzaEsperto partite budget avversari(ok|probabilita) manoAlBuio(0|1) posti [seme]
//   posti: the expert seats, e.g. 0 or 0,2,4

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "TrovaRegole.h"
#include "comune/Casuale.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/Tavolo.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "Uso: ForzaEsperto partite budget ok|probabilita 0|1 posti [seme]\n");
        return 2;
    }
    const int partite = std::atoi(argv[1]);
    const int budget = std::atoi(argv[2]);
    const bool tattici = std::string(argv[3]) == "probabilita";
    const bool alBuio = std::atoi(argv[4]) == 1;
    const std::string posti = argv[5];
    const auto seme = static_cast<std::uint32_t>(argc > 6 ? std::atol(argv[6]) : 20261207);
    TrovaRegole(argv[0]);

    OpzioniTavolo opzioni;
    opzioni.logTest = "/dev/null";
    opzioni.budgetEsperto = budget;
    std::array<bool, 5> esperti{};
    for (const char c : posti) {
        if (c >= '0' && c <= '4') {
            esperti[static_cast<std::size_t>(c - '0')] = true;
        }
    }
    opzioni.esperto = esperti;
    // Seating 2 is five tactical players; seating 3 with a challenger at seat 4 reading the
    // standard rules is five standard players.
    const int tipo = tattici ? 2 : 3;
    if (!tattici) {
        opzioni.fileSfidante = opzioni.fileRegole;
    }
    FinestraSilenziosa finestra;
    Tavolo tavolo(tipo, seme, &finestra, opzioni);
    Semaforo& semaforo = tavolo.Driver();
    semaforo.ImpostaManoAlBuio(alBuio);
    semaforo.NuovaPartita();

    const TipoStoriaPartite& storia = tavolo.Stato().storia;
    std::vector<double> blocchi;
    double blocco = 0.0;
    int contate = 0;
    const int numeroEsperti = static_cast<int>(std::count(esperti.begin(), esperti.end(), true));
    while (contate < partite) {
        semaforo.Passo();
        if (storia.numeroPartite == contate) {
            continue;
        }
        double esperto = 0.0;
        double altri = 0.0;
        for (int s = 0; s < 5; ++s) {
            const int p = storia.Punteggio(contate, s);
            (esperti[static_cast<std::size_t>(s)] ? esperto : altri) += p;
        }
        blocco += esperto / numeroEsperti - altri / (5 - numeroEsperti);
        ++contate;
        if (contate % 5 == 0) {
            blocchi.push_back(blocco / 5.0);
            blocco = 0.0;
        }
    }
    double media = 0.0;
    for (const double b : blocchi) {
        media += b;
    }
    media /= static_cast<double>(blocchi.size());
    double varianza = 0.0;
    for (const double b : blocchi) {
        varianza += (b - media) * (b - media);
    }
    varianza /= static_cast<double>(blocchi.size() > 1 ? blocchi.size() - 1 : 1);
    const double errore = 1.96 * std::sqrt(varianza / static_cast<double>(blocchi.size()));
    std::printf("esperti %s, budget %d, contro %s, mano al buio %d, %d partite: margine %+.3f "
                "(95%%: %+.3f .. %+.3f)\n",
                posti.c_str(), budget, tattici ? "tattici" : "standard", alBuio ? 1 : 0, contate,
                media, media - errore, media + errore);
    return 0;
}
