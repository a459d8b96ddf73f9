#pragma once

#include <memory>
#include <variant>

#include "motori/ManagerMotori.h"
#include "partita/Partita.h"

// The step driver: each Passo looks at the state of the game, asks at most one engine for one
// decision through the manager, feeds it to the game and has the manager report it. It never
// waits and never draws: the waits belong to the window's loop. A decision not made yet (the
// human has not chosen) is never passed to the game: the step does nothing and the next one
// asks again. A computer's decision may be held the same way, until it is let go.
class Semaforo {
public:
    // The manager's table (not owned) is where the games are played.
    Semaforo(std::unique_ptr<ManagerMotori> manager, bool ripartenzaAutomatica);
    virtual ~Semaforo();

    Semaforo(const Semaforo&) = delete;
    Semaforo& operator=(const Semaforo&) = delete;

    // One step; -1 when a stop was requested, else 0 (a stop asked for between two steps
    // takes no further step). An exception from the game or an engine leaves the step to the
    // caller. Never called from inside a step.
    int Passo();
    // Replaces the game with a new one, ready to deal; a held decision goes with the old one.
    // Between two steps only: the host defers a request that arrives during one.
    void NuovaPartita();
    bool InCorso() const;
    // The loop ends after the current step.
    void Ferma();
    // Clears the series' totals and statistics; nothing without a game.
    void AzzeraStoria();

    // Asked for while an engine is deciding (by whoever watches it think): the decision it
    // returns is held, not given to the game, and the steps do nothing until it is let go;
    // the step after RilasciaDecisione gives it to the game.
    void TrattieniDecisione();
    void RilasciaDecisione();
    // A decision is held and not let go yet.
    bool DecisioneTrattenuta() const;

    void ImpostaManoAlBuio(bool alBuio) { manoAlBuio = alBuio; }
    void ImpostaPuntiMonte(int punti) { puntiMonte = punti; }
    bool ManoAlBuio() const { return manoAlBuio; }
    int PuntiMonte() const { return puntiMonte; }
    bool Fermato() const { return fermato; }
    bool RipartenzaAutomatica() const { return ripartenzaAutomatica; }
    int GiocatoreCorrente() const { return giocatoreCorrente; }

    ManagerMotori& Manager() const { return *manager; }
    // The game in progress; null before the first new game.
    const Partita* PartitaCorrente() const { return partita.get(); }

private:
    std::unique_ptr<Partita> partita;
    std::unique_ptr<ManagerMotori> manager;
    int giocatoreCorrente = -1;
    bool fermato = false;
    bool manoAlBuio = true;
    int puntiMonte = 0;
    bool ripartenzaAutomatica = false;
    enum class Trattenimento { Nessuno, Chiesto, Trattenuta, Rilasciata };
    Trattenimento trattenimento = Trattenimento::Nessuno;
    std::variant<std::monostate, Chiamata, Briscola, Carta> decisioneTrattenuta;

    void EseguiPasso();
    // The decision of the seat on turn, unless one is held (none while held, the held one once
    // let go); a decision to be held is kept and none returned. decisa tells a decision from
    // none.
    template <typename Decisione, typename Chiedi, typename Decisa>
    Decisione Decidi(Chiedi chiedi, const Decisione& nessuna, Decisa decisa);
    Chiamata ChiediLicitazione();
    Briscola ChiediBriscola();
    Carta ChiediCarta();
    void CreaPartita();
};
