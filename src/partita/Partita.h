#pragma once

#include <cstdint>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "partita/Chiamata.h"

class RegistroPartita;
class StatoTavolo;

// One game as a state machine. It holds only its state; every fact of the game lives in its
// table's record, which this class alone writes. Each operation returns the seat that
// must act next. The step driver calls each operation only in its state:
//   9 idle, 0 deal (Inizio), 1 bidding (Licita), 3 bidding over (FineLicitazione),
//   4 trump to name (ImpostaBriscola), 5 a card to play (Gioca), 6 trick full (FineMano),
//   7 trick to collect (RaccogliMano), 8 game over (Punteggi).
class Partita {
public:
    // The game of a table: it writes the table's record, deals with its generator and scores
    // into its history. Draws the game's base seed from the generator.
    explicit Partita(StatoTavolo& tavolo);
    // A game on a record of its own, to play forward from wherever that record stands; it
    // touches no table (no history or generator). Its state is read
    // from the record (Riprendi); it cannot deal, and Punteggi leaves it to the caller
    // (PunteggiPartita) to score.
    explicit Partita(RegistroPartita& registro);
    virtual ~Partita() = default;

    virtual int Inizio(int puntiMonte);
    virtual int Licita(int giocatore, Chiamata& chiamata);
    virtual int Gioca(Carta& carta);
    virtual int FineMano();
    virtual int RaccogliMano();
    virtual int FineLicitazione();
    virtual int ImpostaBriscola(const Briscola& briscola);
    virtual void Punteggi();
    virtual void AzzeraPunteggi();

    // Only 0 (start a game) and 9 (stop) may be set from outside.
    void CambiaStato(int stato);

    // The state in which the record stands once the bidding is over: a trump to name, a card
    // to play, a trick to close or collect, or the game over.
    void Riprendi();

    int Stato() const { return stato; }
    int BaseSeme() const { return baseSeme; }

protected:
    std::int32_t stato = 9;
    RegistroPartita* registro;

private:
    std::int32_t baseSeme;
    // Null for a game on a record of its own.
    StatoTavolo* tavolo = nullptr;
};

// The variant whose first trick is played before the trump is named: the cards of the called
// rank played in it lie face down, and the trick is won under the trump named after it.
class PartitaPrimaManoAlBuio final : public Partita {
public:
    using Partita::Partita;

    int Inizio(int puntiMonte) override;
    int FineMano() override;
    int FineLicitazione() override;
    int ImpostaBriscola(const Briscola& briscola) override;
};
