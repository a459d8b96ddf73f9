#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "motori/FinestraSilenziosa.h"
#include "motori/OpzioniTavolo.h"
#include "motori/StatisticaSerie.h"
#include "motori/Tavolo.h"
#include "notazione/PartitaNotata.h"

// How a series without a window is played.
struct OpzioniSerie {
    // 0: a simulated human at seat 4 against four standard players; 1, 2, 3: the three
    // computer-only seatings.
    int tipo = 1;
    long long partite = 1000;
    // The seed of the generator (the caller turns 0 into one from the clock).
    std::uint32_t seme = 1;
    bool manoAlBuio = true;
    OpzioniTavolo tavolo;
    // Checks every game against the rules; the series stops at the first violation.
    bool verifica = false;
    // Series played side by side, each on a share of the games in a thread of its own.
    int fili = 1;
};

// Seats that play the same way, to be compared with the others.
struct GruppoPosti {
    std::array<bool, 5> posti{};
    std::string nome;
};

// What a series played.
struct EsitoSerie {
    long long giocate = 0;
    double secondi = 0.0;
    StatisticaSerie statistica;
    // A game that broke the rules (with verifica): its number and the violations.
    int partitaViolata = -1;
    std::vector<std::string> violazioni;
    // An error that stopped the series: its message and the game in progress.
    std::string errore;
    int partitaErrore = -1;
    // Lines of the third seating's test log that could not be written.
    long long righeLogPerse = 0;
    // The games' notation could not all be written (see Serie::Registra).
    bool registrazioneFallita = false;
};

// Plays a series through the same table, driver, managers, engines and game objects as the
// window; its history goes on from the one it is given: a loaded series continues. With one thread
// the games are exactly those of a single series. With N, the games are cut into N shares of whole
// blocks of five, each played on a thread of its own under the numbers a single series would give
// them. A computer-only series deals by seed and game number, so its shares play the very games of
// a single series; with the human seat the deals follow the generator, and share k > 0 is seeded
// from the seed and k. Results depend on the seed and N only. A share keeps its totals, statistics
// and last games, not a list of them, so memory does not grow with the games; the history then goes
// on as if it had taken every game in order of number. The third seating's test log gets the
// shares' lines as they come.
class Serie {
public:
    // Builds the table, its generator seeded, its history storia: the errors of the rules
    // files leave here. Raises Errore for bad options, or when the history cannot count the
    // games asked for (it is full, or holds too many games already).
    explicit Serie(const OpzioniSerie& opzioni,
                   const TipoStoriaPartite& storia = TipoStoriaPartite());
    ~Serie();

    Serie(const Serie&) = delete;
    Serie& operator=(const Serie&) = delete;

    // Each seat's player: the card strategy's name and detail.
    const std::array<std::string, 5>& Descrizioni() const { return descrizioni; }
    // The seats grouped by how they play; one group when all play alike.
    const std::vector<GruppoPosti>& Gruppi() const { return gruppi; }
    // The groups worth comparing with the other seats: none when all play alike; of two
    // groups, the one that says it all (the smaller; between equals, the one with seat 4).
    std::vector<GruppoPosti> Confronti() const;
    // The seat of the simulated human; -1 when a computer player sits at every seat (in the
    // computer-only seatings, or where the options seat one at seat 4 of seating 0).
    int PostoUmano() const { return postoUmano; }
    // The number of shares actually played (never more than the games).
    int Fili() const { return fili; }
    // Where the third seating logs its games.
    const std::string& LogTest() const;
    // The series' history: the one given, and every game played since.
    const TipoStoriaPartite& Storia() const { return tavolo->Stato().storia; }

    // Every game played from now on is written to uscita (not owned, outliving Gioca) in the
    // game notation, in the order of the games' numbers whatever the threads; null: none.
    void Registra(std::ostream* uscita) { registrazione = uscita; }
    // Who sits at each seat, as the notation names them.
    const std::array<GiocatoreNotato, 5>& Giocatori() const { return giocatori; }

    // Plays the games. progresso, when given, hears the count of games played now and then,
    // on the calling thread. Errors of the game are reported in the result, not raised.
    EsitoSerie Gioca(const std::function<void(long long giocate)>& progresso = {});

    // The seed of share k of a series with the human seat.
    static std::uint32_t SemeQuota(std::uint32_t seme, int quota);

private:
    OpzioniSerie opzioni;
    int fili = 1;
    int postoUmano = -1;
    std::array<std::string, 5> descrizioni;
    std::array<GiocatoreNotato, 5> giocatori;
    std::ostream* registrazione = nullptr;
    std::vector<GruppoPosti> gruppi;
    FinestraSilenziosa finestra;
    std::unique_ptr<Tavolo> tavolo;

    EsitoSerie GiocaInUnFilo(const std::function<void(long long)>& progresso);
    EsitoSerie GiocaInParallelo(const std::function<void(long long)>& progresso);
};
