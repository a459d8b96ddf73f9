#pragma once

#include <string>

#include "carte/NomiCarte.h"
#include "partita/Ruoli.h"

// Whoever watches the tactical player think (the AI step window). Each decision arrives in
// this order: the pattern, the deciding seat, the roles it sees, the candidate lines, then the
// card chosen, which ends it. The strategy never waits: whoever wants the game held until
// the user lets it go on asks the step driver to hold the decision.
class OsservatoreTattica {
public:
    virtual ~OsservatoreTattica() = default;

    virtual void Schema(const std::string& etichetta) = 0;
    virtual void Giocatore(int giocatore) = 0;
    // The role of seats 0..4 as words: "Chiamante ", "Avversario ", "Socio ", "Neutro ".
    virtual void Analisi(const std::string& ruoli) = 0;
    // One line per card: the three scores with two decimals and the card's long name.
    virtual void CarteMigliori(const std::string& righe) = 0;
    virtual void CartaGiocata(const std::string& nomeLungo) = 0;

    // The names in which the observer shows cards (its card set's); the built-in ones unless
    // it has its own.
    virtual const NomiCarte& Nomi() const { return NomiCarte::Predefiniti(); }
};

// The roles of seats 0..4 as the words Analisi shows.
std::string TestoRuoli(const Ruoli& ruoli);
