#pragma once

#include <array>
#include <cstdint>

// How sure the average of a series is. In a computer-only series five games in a row replay
// one shuffle with every seat holding every hand once, so the games of a block of five are not
// independent of each other: the blocks are (games numbered 5k .. 5k + 4). The standard error
// is therefore taken over blocks (a cluster estimate), and the 95% interval uses Student's t
// with one degree of freedom less than the blocks.
struct Stima {
    long long partite = 0;
    long long blocchi = 0;
    double media = 0.0;
    // NaN with fewer than two blocks: there is no spread to measure yet.
    double erroreStandard = 0.0;
    double minimo = 0.0;
    double massimo = 0.0;
};

// The scores of a series game by game, kept as sums (exact integers): any number of games
// in constant memory.
class StatisticaSerie {
public:
    // Adds a game by its number in the series; games come in order of number.
    void Aggiungi(int numeroPartita, const std::array<int, 5>& punteggio);
    // Adds the games of seguito, which come after these (its first block may be the one
    // these leave open), as if they were added one by one.
    void Accoda(const StatisticaSerie& seguito);

    long long Partite() const { return partite; }
    // A seat's score per game.
    Stima Posto(int posto) const;
    // Per game, the average score of the seats of the group minus that of the other seats:
    // above 0 when the group does better. The group must hold some seats, not all.
    Stima Differenza(const std::array<bool, 5>& gruppo) const;

    // The two-sided 95% quantile of Student's t with gradi degrees of freedom.
    static double QuantileT95(long long gradi);

    friend bool operator==(const StatisticaSerie&, const StatisticaSerie&) = default;

private:
    long long partite = 0;
    long long blocchi = 0;
    // Sums over the closed blocks: games per block m, m squared, seat sums S, S times m, and
    // the products of two seats' sums.
    long long sommaM2 = 0;
    std::array<long long, 5> sommaS{};
    std::array<long long, 5> sommaSM{};
    std::array<std::array<long long, 5>, 5> sommaSS{};
    // The block being filled.
    long long bloccoAperto = -1;
    int partiteAperte = 0;
    std::array<long long, 5> aperto{};
    // The first block, as far as it goes: a series played on from these games may end in it.
    long long primoBlocco = -1;
    int partitePrime = 0;
    std::array<long long, 5> primo{};

    Stima Combinazione(const std::array<double, 5>& pesi) const;
};
