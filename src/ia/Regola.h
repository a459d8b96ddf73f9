#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "ia/Predicato.h"

// A rule of the engine: antecedents joined left to right by AND (product) and OR
// (probabilistic sum), each possibly negated.
class Regola {
public:
    virtual ~Regola() = default;

    virtual Regola& E(Predicato& predicato) = 0;
    virtual Regola& ENon(Predicato& predicato) = 0;
    virtual Regola& O(Predicato& predicato) = 0;
    virtual Regola& ONon(Predicato& predicato) = 0;
    virtual double Valuta() = 0;
};

// The one concrete rule: it either adds its weighted truth to the score or writes its truth
// into a target predicate. Antecedents grow without limit.
class _Regola final : public Regola {
    friend class IntelligenzaArtificiale;
    friend class RegoleCompatte;

public:
    _Regola(double peso, std::string nome) : peso(peso), nome(std::move(nome)) {}
    _Regola(Predicato& bersaglio, std::string nome)
        : bersaglio(&bersaglio), nome(std::move(nome)) {}

    _Regola& E(Predicato& predicato) override { return Aggiungi(predicato, false, true); }
    _Regola& ENon(Predicato& predicato) override { return Aggiungi(predicato, true, true); }
    _Regola& O(Predicato& predicato) override { return Aggiungi(predicato, false, false); }
    _Regola& ONon(Predicato& predicato) override { return Aggiungi(predicato, true, false); }

    double Verita() const {
        double acc = 1.0;
        const std::size_t numero = antecedenti.size();
        for (std::size_t i = 0; i < numero; ++i) {
            const Legame& a = antecedenti[i];
            const double p = a.predicato->Probabilita();
            const double x = a.negato ? 1.0 - p : p;
            if (a.congiunzione) {
                acc *= x;
                // Only AND follows: a product that reached zero stays zero.
                if (acc == 0.0 && i >= ultimoO) {
                    return 0.0;
                }
            } else {
                acc = acc + x - x * acc;
            }
        }
        return acc;
    }

    double Valuta() override {
        const double verita = Verita();
        if (bersaglio != nullptr) {
            bersaglio->ImpostaProbabilita(verita);
            return 0.0;
        }
        return verita * peso;
    }

    const std::string& Nome() const { return nome; }
    double Peso() const { return peso; }
    // The target predicate; none for a weighted rule.
    const Predicato* Bersaglio() const { return bersaglio; }
    int Numero() const { return static_cast<int>(antecedenti.size()); }
    const Predicato& Antecedente(int i) const { return *Elemento(i).predicato; }
    bool Negato(int i) const { return Elemento(i).negato; }
    bool Congiunzione(int i) const { return Elemento(i).congiunzione; }

private:
    struct Legame {
        Predicato* predicato;
        bool negato;
        bool congiunzione;
    };

    Predicato* bersaglio = nullptr;
    std::vector<Legame> antecedenti;
    // Raised when an antecedent is added, so that the owning engine rebuilds its fast form.
    bool* modificata = nullptr;
    // Index of the last OR antecedent (0 when there is none): every later one is an AND.
    std::size_t ultimoO = 0;
    double peso = 0.0;
    std::string nome;

    const Legame& Elemento(int i) const { return antecedenti.at(static_cast<std::size_t>(i)); }

    _Regola& Aggiungi(Predicato& predicato, bool negato, bool congiunzione) {
        antecedenti.push_back({&predicato, negato, congiunzione});
        if (modificata != nullptr) {
            *modificata = true;
        }
        if (!congiunzione) {
            ultimoO = antecedenti.size() - 1;
        }
        return *this;
    }
};
