#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "ia/Predicato.h"
#include "ia/Regola.h"

// The rules of an engine laid out flat, for a fast score. The result is exactly that of
// adding up _Regola::Valuta rule by rule. When every predicate is fully true or fully false
// (as the card player sets them) and there are at most 64, the rules are read as bit masks.
class RegoleCompatte {
public:
    void Ricostruisci(const std::vector<std::unique_ptr<Predicato>>& predicati,
                      const std::vector<std::unique_ptr<_Regola>>& regole);

    // The sum of the weighted rules; the rules with a target write it, in order.
    double Somma();
    // The same when the truths are known to be exactly those bits (predicates in registration
    // order); the targets written are also set in the bits.
    double SommaBinaria(std::uint64_t& veri);

private:
    struct Passo {
        const double* valore;
        std::uint64_t bit;
        bool negato;
        bool congiunzione;
    };
    struct RegolaCompatta {
        std::uint32_t inizio;
        std::uint32_t fine;
        // From here on only AND follows.
        std::uint32_t soloE;
        // True when the rule has no OR: its truth is a test of two masks.
        bool tuttiE;
        std::uint64_t veri;
        std::uint64_t falsi;
        double peso;
        // The weight as an integer, used when pesiInteri holds.
        std::int64_t pesoIntero;
        Predicato* bersaglio;
        std::uint64_t bitBersaglio;
    };

    // A weighted rule of ANDs alone, with an integer weight.
    struct RegolaCoda {
        std::uint64_t veri;
        std::uint64_t falsi;
        std::int64_t peso;
    };

    std::vector<Passo> passi;
    std::vector<RegolaCompatta> compatte;
    // The value of each predicate, by registration order; empty beyond 64 predicates.
    std::vector<const double*> valori;
    // True when every weight is an integer and their magnitudes add up to at most 2^53: then
    // every partial sum of doubles is exact, and adding integers gives the very same double.
    bool pesiInteri = false;

    // The rules from inizioCoda on are weighted rules of ANDs alone, which write nothing:
    // with integer weights they are summed from a compact copy, coda.
    std::size_t inizioCoda = 0;
    std::vector<RegolaCoda> coda;

    // A binary score depends on the truths alone, and the cards of one hand often give the
    // same truths: the last few results are remembered, each with the truths its targets
    // leave. Only when every target has a bit, so that those truths say all it wrote.
    struct Ricordo {
        std::uint64_t prima = 0;
        std::uint64_t dopo = 0;
        double somma = 0.0;
    };
    std::array<Ricordo, 8> ricordi{};
    std::size_t ricordiValidi = 0;
    std::size_t prossimoRicordo = 0;
    bool conRicordi = false;
    std::vector<std::pair<Predicato*, std::uint64_t>> bersagli;

    void PreparaRicordi();
    const Ricordo* Ricorda(std::uint64_t veri) const;
    double SommaBinariaCalcolata(std::uint64_t& veri);
    void PreparaCoda();
    std::int64_t SommaCoda(std::uint64_t veri) const;
    double SommaGenerale();
    // Whether a rule with OR holds, read step by step from the left.
    bool VeraPassoPasso(const RegolaCompatta& regola, std::uint64_t veri) const;
    template <typename Somma>
    Somma SommaBinariaIn(std::uint64_t& veri);
};
