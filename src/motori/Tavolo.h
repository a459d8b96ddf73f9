#pragma once

#include <cstdint>
#include <memory>

#include "motori/CreaMotori.h"
#include "motori/OpzioniTavolo.h"
#include "motori/Semaforo.h"
#include "partita/StatoTavolo.h"

class CasellaPersona;
class FinestraGioco;

// One table and everything it needs: its state (record, history, generator, seating,
// observer), its players and their manager, its test log and the step driver. Whoever hosts
// it steps it: the window, the series runner, a test, a server with many tables on one thread.
// Nothing of it is shared with another table.
class Tavolo {
public:
    // tipoGiocatori: 0, people and computers (the person at seat 4 through the window), or
    // one of the three computer-only seatings; seme seeds the generator. The window (not
    // owned, outliving the table) hears every event. Raises for a bad seating, or when the
    // players cannot be built (a rules file).
    Tavolo(int tipoGiocatori, std::uint32_t seme, FinestraGioco* finestra,
           const OpzioniTavolo& opzioni = {});
    ~Tavolo();

    Tavolo(const Tavolo&) = delete;
    Tavolo& operator=(const Tavolo&) = delete;

    StatoTavolo& Stato() const { return *stato; }
    Semaforo& Driver() const { return *semaforo; }
    ManagerMotori& Manager() const { return semaforo->Manager(); }
    int Passo() { return semaforo->Passo(); }

    // New players for the seating, with these options: the game in progress ends, the
    // history, the generator and the driver's settings stay. Never during a step. Raises when
    // the players cannot be built, and the old ones stay.
    void CambiaGiocatori(const OpzioniTavolo& opzioni);
    // The generator as it stood when the players now seated were made (an expert draws its
    // seed then): set back to it, the same options make the same players.
    const GeneratoreCasuale& GeneratoreAiGiocatori() const { return generatoreAiGiocatori; }

    // The seat passes to a person, whose decisions arrive in casella (not owned, outliving
    // the table or the seat's next change), or to a computer of the given kind: between two
    // decisions, mid-game too, without changing anything else of the game. A computer that
    // takes a seat moves nothing of the table's generator as it sits down.
    void AffidaAPersona(int giocatore, CasellaPersona& casella);
    void AffidaAlComputer(int giocatore, TipoMotore tipo, const OpzioniTavolo& opzioni = {});

private:
    std::unique_ptr<StatoTavolo> stato;
    FinestraGioco* finestra;
    std::unique_ptr<Semaforo> semaforo;
    GeneratoreCasuale generatoreAiGiocatori;

    std::unique_ptr<Semaforo> CreaSemaforo(const OpzioniTavolo& opzioni);
};
