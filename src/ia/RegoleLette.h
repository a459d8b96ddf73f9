#pragma once

#include <string>
#include <vector>

class IntelligenzaArtificiale;

// A rules file read once for the rule-based player: its rules over the player's 45 predicates,
// in order. An engine filled from it holds exactly what reading the file would give it, without
// the file, so many players (the tables of a server) read it once and share it, read only.
class RegoleLette {
public:
    // Reads the file as a player does (found beside the program or in the installed data);
    // raises ErroreFileRegole when it cannot be read and ErroreRegole for an error in it.
    static RegoleLette DaFile(const std::string& nomeFile);

    // The name the file was asked by, which the player shows.
    const std::string& NomeFile() const { return nomeFile; }
    int NumeroRegole() const { return static_cast<int>(regole.size()); }

    // Adds the rules to an engine whose first predicates are the player's vocabulary, in its
    // order (VocabolarioPredicati::RegistraVocabolario).
    void Carica(IntelligenzaArtificiale& ia) const;

private:
    struct Antecedente {
        // By the engine's registration order.
        int predicato;
        bool negato;
        bool congiunzione;
    };
    struct Regola {
        std::string nome;
        double peso;
        // The predicate the rule writes; -1 for a weighted rule.
        int bersaglio;
        std::vector<Antecedente> antecedenti;
    };

    std::string nomeFile;
    std::vector<Regola> regole;
};
