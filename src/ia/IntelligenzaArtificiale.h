#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ia/Predicato.h"
#include "ia/Regola.h"
#include "ia/RegoleCompatte.h"

class GeneratoreCasuale;

// A small probabilistic rule engine: named predicates and rules over them that add weighted
// truths to a score. It knows nothing of cards. Predicates and rules grow without a fixed
// limit and keep their addresses, so callers may hold references to them.
class IntelligenzaArtificiale {
public:
    IntelligenzaArtificiale();
    virtual ~IntelligenzaArtificiale();
    IntelligenzaArtificiale(const IntelligenzaArtificiale&) = delete;
    IntelligenzaArtificiale& operator=(const IntelligenzaArtificiale&) = delete;

    Predicato& NuovoPredicato(const std::string& nome);
    _Regola& NuovaRegola(double peso, const std::string& nome);
    _Regola& NuovaRegola(Predicato& bersaglio, const std::string& nome);

    // The first predicate registered under exactly this name; raises
    // "Predicato <nome> Inesistente" when there is none.
    Predicato& CercaPredicato(std::string_view nome) const;

    void ImpostaProbabilita(Predicato& predicato, double p) { predicato.ImpostaProbabilita(p); }
    void AzzeraPredicati();
    // Predicate i (in registration order, up to the 64th) fully true when bit i is set, fully
    // false otherwise; the predicates past the 64th false. The fast way to set them all.
    void ImpostaMaschera(std::uint64_t veri);
    // Noise amplitude as a fraction; kept in ten-thousandths.
    void ImpostaRumore(double ampiezza);
    int Rumore() const { return rumore; }
    // Where the noise is drawn from (not owned): the table's generator of the player that
    // owns this engine. Valuta raises if it must draw and has none.
    void ImpostaGeneratore(GeneratoreCasuale* nuovo) { generatore = nuovo; }

    // The score of the current predicate values: the sum of the rules, in order.
    virtual double Valuta();

    int NumeroPredicati() const { return static_cast<int>(predicati.size()); }
    const Predicato& PredicatoN(int i) const { return *predicati.at(static_cast<std::size_t>(i)); }
    Predicato& PredicatoN(int i) { return *predicati.at(static_cast<std::size_t>(i)); }
    int NumeroRegole() const { return static_cast<int>(regole.size()); }
    const _Regola& RegolaN(int i) const { return *regole.at(static_cast<std::size_t>(i)); }

private:
    // Declared before the rules, so that the rules are destroyed first.
    std::vector<std::unique_ptr<Predicato>> predicati;
    std::int32_t rumore = 0;
    GeneratoreCasuale* generatore = nullptr;
    std::vector<std::unique_ptr<_Regola>> regole;
    RegoleCompatte compatte;
    // Raised by every new rule or antecedent: the flat form is then rebuilt.
    bool modificata = false;
    // While valid, the truths of all predicates are exactly the bits of maschera.
    std::uint64_t maschera = 0;
    bool mascheraValida = true;

    _Regola& Aggiungi(std::unique_ptr<_Regola> regola);
};
