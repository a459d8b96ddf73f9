#pragma once

#include <string>
#include <utility>

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
        Cambiato();
    }
    // Fully true or fully false: always legal.
    void ImpostaVero(bool vero) {
        probabilita = static_cast<double>(vero);
        Cambiato();
    }
    double Probabilita() const { return probabilita; }
    const std::string& Nome() const { return nome; }

private:
    friend class IntelligenzaArtificiale;
    friend class RegoleCompatte;

    double probabilita = 0.0;
    std::string nome;
    // The owning engine's record of all its truths as bits, which a write from outside voids.
    bool* mascheraValida = nullptr;

    void Cambiato() {
        if (mascheraValida != nullptr) {
            *mascheraValida = false;
        }
    }

    [[noreturn]] void ProbabilitaIllegale() const;
};
