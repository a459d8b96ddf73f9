#pragma once

#include <string>

// A named fact with a degree of truth between 0 and 1, read by the rules of the engine.
class Predicato {
public:
    explicit Predicato(std::string nome) : nome(std::move(nome)) {}

    // Raises "Probabilità Illegale per il Predicato <nome>" outside 0..1 (a NaN included) and
    // keeps the old value then.
    void ImpostaProbabilita(double p) {
        if (!(p >= 0.0 && p <= 1.0)) {
            ProbabilitaIllegale();
        }
        probabilita = p;
    }
    // Fully true or fully false: always legal.
    void ImpostaVero(bool vero) { probabilita = vero ? 1.0 : 0.0; }
    double Probabilita() const { return probabilita; }
    const std::string& Nome() const { return nome; }

private:
    friend class IntelligenzaArtificiale;

    double probabilita = 0.0;
    std::string nome;

    [[noreturn]] void ProbabilitaIllegale() const;
};
