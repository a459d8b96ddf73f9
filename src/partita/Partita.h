#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "partita/Chiamata.h"

class RegistroPartita;
class StatoTavolo;

// The states of a game, each named after what is due in it. The numbers are the ones the step
// window and the files show; 2 is none.
enum class StatoPartita : std::int32_t {
    Distribuzione = 0,   // the deal (Inizio)
    Licitazione = 1,     // a bid (Licita)
    FineLicitazione = 3, // the bidding over (FineLicitazione)
    SceltaBriscola = 4,  // the trump to name (ImpostaBriscola)
    Giocata = 5,         // a card to play (Gioca)
    FineMano = 6,        // the trick full (FineMano)
    RaccoltaMano = 7,    // the trick to collect (RaccogliMano)
    Punteggi = 8,        // the game over (Punteggi)
    Inattiva = 9,        // idle: new, scored or stopped
};

// One game as a state machine. It holds only its state; every fact of the game lives in its
// table's record, which this class alone writes. Each operation returns the seat that
// must act next; a driver calls each operation only in its state.
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

    // Only Distribuzione (start a game) and Inattiva (stop) may be set from outside.
    void CambiaStato(StatoPartita stato);

    // The state in which the record stands, so that a game on a record of its own resumes
    // wherever a driver left one: a bid, the close of a bidding not closed yet, a trump to
    // name, a card to play, a trick to collect, or the game over. Returns the seat that acts.
    int Riprendi();

    StatoPartita Stato() const { return stato; }
    int BaseSeme() const { return baseSeme; }

protected:
    StatoPartita stato = StatoPartita::Inattiva;
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

// The game of the variant asked for (a face-down first trick or not), built from argomenti as
// Partita's constructors take them.
template <typename... Argomenti>
std::unique_ptr<Partita> CreaPartita(bool manoAlBuio, Argomenti&&... argomenti) {
    if (manoAlBuio) {
        return std::make_unique<PartitaPrimaManoAlBuio>(std::forward<Argomenti>(argomenti)...);
    }
    return std::make_unique<Partita>(std::forward<Argomenti>(argomenti)...);
}
