#pragma once

#include <memory>

#include "motori/ManagerMotori.h"
#include "partita/Partita.h"

// The step driver: each Passo looks at the state of the game, asks at most one engine for one
// decision through the manager, feeds it to the game and has the manager report it. It never
// waits and never draws: the waits belong to the window's notifications. A decision not made
// yet (the human has not chosen) is never passed to the game: the step does nothing and the
// next one asks again.
class Semaforo {
public:
    // The manager's table (not owned) is where the games are played.
    Semaforo(std::unique_ptr<ManagerMotori> manager, bool ripartenzaAutomatica);
    virtual ~Semaforo();

    Semaforo(const Semaforo&) = delete;
    Semaforo& operator=(const Semaforo&) = delete;

    // One step; -1 when a stop was requested, else 0. An exception from the game or an
    // engine leaves the step to the caller.
    int Passo();
    // Replaces the game with a new one, ready to deal. Asked for during a step (from a
    // notification), it takes effect when the step has returned.
    void NuovaPartita();
    bool InCorso() const;
    // The loop ends after the current step.
    void Ferma();
    // Clears the series' totals and statistics; nothing without a game.
    void AzzeraStoria();

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
    bool inPasso = false;
    bool nuovaPartitaRinviata = false;

    void EseguiPasso();
    void CreaPartita();
};
