#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "partita/Chiamata.h"

class RegistroPartita;
class SimulatorePartita;

// The three kinds of decision a seat makes in a game.
enum class TipoDecisione { Licitazione, Briscola, Carta };

// One choice open to the seat, with what the expert's games make of it: the seat's average
// score and the card points its side takes, on average, in the same games.
struct Alternativa {
    Chiamata chiamata;
    Briscola briscola;
    Carta carta;
    double media = 0.0;
    double puntiSquadra = 0.0;
};

// What the expert advises a seat in one position, from what that seat sees and nothing else.
struct Suggerimento {
    TipoDecisione tipo = TipoDecisione::Carta;
    int giocatore = -1;
    std::vector<Alternativa> alternative;
    // The expert's choice among alternative.
    int preferita = 0;

    const Alternativa& Preferita() const {
        return alternative[static_cast<std::size_t>(preferita)];
    }
    // The index of the alternative a decision took, or -1.
    int Indice(const Chiamata& chiamata) const;
    int Indice(const Briscola& briscola) const;
    int Indice(const Carta& carta) const;
};

// The expert as an adviser: for the seat that must act in a record, it weighs every choice by
// the expert's own games (the deals the seat cannot tell apart, drawn and weighed as the
// expert draws them, each played to its end) and names the expert's choice. The choices are
// played on the machine's cores, each on a model of its own; the result depends only on the
// seed, the budget and what the seat sees.
class Consigliere {
public:
    // Four times the table's expert: a hint may take longer than a move at the table.
    static int BudgetPredefinito();

    // tattici: the seats played as tactical players in the games (the others as standard).
    Consigliere(const std::string& fileRegole, int budget, std::uint32_t seme,
                const std::array<bool, 5>& tattici = {});
    ~Consigliere();
    Consigliere(const Consigliere&) = delete;
    Consigliere& operator=(const Consigliere&) = delete;

    // The advice for the seat that acts in registro (a bid, the trump or a card). fatta, when
    // it is a bid not among the expert's own candidates, is weighed as well. Raises when the
    // game asks no decision.
    Suggerimento Suggerisci(const RegistroPartita& registro, const Chiamata* fatta = nullptr) const;

    int Budget() const { return budget; }
    std::uint32_t Seme() const { return seme; }

private:
    int budget;
    std::uint32_t seme;
    std::string fileRegole;
    std::array<bool, 5> tattici;
    // One model per core: a model remembers what it has scored and is not shared.
    std::vector<std::unique_ptr<SimulatorePartita>> modelli;

    Suggerimento Carte(const RegistroPartita& registro, int giocatore) const;
    Suggerimento Licitazioni(const RegistroPartita& registro, int giocatore,
                             const Chiamata* fatta) const;
    Suggerimento Briscole(const RegistroPartita& registro, int giocatore) const;
};
