#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

class Semaforo;

// Drives the game under Qt's event loop, one step of the driver at a time, never nesting one
// loop in another. Between two steps the loop is in one phase: ready (a zero-length timer
// runs the next step), paused (a timer of the pause's length, then what the pause was asked
// to do after it, then the next step), holding a decision until "Continua", idle until a
// click or a new game wakes it (no timer: waiting costs nothing), stopped by an error, or
// ended. A step is never entered twice, and while a modal box is open no step is taken and
// no pause ends: the box suspends the game.
class CicloGioco final : public QObject {
    Q_OBJECT

public:
    enum class Fase { Inattivo, Pronto, InPasso, InPausa, Trattenuto, Bloccato, Terminato };

    // mostraErrore shows the message of an exception that left a step.
    CicloGioco(Semaforo& semaforo, std::function<void(const QString&)> mostraErrore,
               QObject* padre = nullptr);

    // Starts stepping after an idle spell; a pause or a held decision runs on.
    void Sveglia();
    // A request found the human's mailbox empty: the loop idles after this step.
    void AttendiUmano();
    // Asked for by a step's notification: once the step has returned, wait millisecondi,
    // then do poi and go on.
    void Pausa(int millisecondi, std::function<void()> poi);
    // Asked for while a computer player decides: the driver holds its decision and the loop
    // waits, after the step, for Continua.
    void TrattieniDecisione();
    // Lets a held decision go: the next step gives it to the game.
    void Continua();
    // A new game or table, or a close: ends a pause (doing now what was to follow it) or a held
    // decision, does azione, lifts an error's stop and wakes the loop. From a handler that
    // runs inside a step, all this waits until the step has returned.
    void Riprendi(std::function<void()> azione = {});

    Fase FaseCorrente() const { return fase; }
    bool InPasso() const { return fase == Fase::InPasso; }
    bool InPausa() const { return fase == Fase::InPausa; }
    // The length of the pause under way, in milliseconds.
    int DurataPausa() const { return durataPausa; }
    bool Trattenuto() const { return fase == Fase::Trattenuto; }
    bool Bloccato() const { return fase == Fase::Bloccato; }
    bool Terminato() const { return fase == Fase::Terminato; }
    // A step or the end of a pause is due.
    bool Attivo() const { return timer.isActive(); }
    // Another driver for the next steps (a new table); never during a step.
    void ImpostaSemaforo(Semaforo& nuovo) { semaforo = &nuovo; }
    // Steps of another kind in place of the driver's (a table played elsewhere): passo takes
    // one (-1 ends the loop), senzaPassi tells the loop to idle until woken. Empty functions
    // give the driver back. Never during a step.
    void ImpostaPassoEsterno(std::function<int()> passo, std::function<bool()> senzaPassi) {
        passoEsterno = std::move(passo);
        senzaPassiEsterno = std::move(senzaPassi);
    }

signals:
    // The driver returned -1: a stop was asked for and the last step is over.
    void Fermato();
    // A step has returned: the moment to look at what it changed.
    void PassoConcluso();

private:
    Semaforo* semaforo;
    std::function<void(const QString&)> mostraErrore;
    QTimer timer;
    Fase fase = Fase::Inattivo;
    // Where the step under way leaves the loop, unless it asked for a pause.
    Fase dopoPasso = Fase::Pronto;
    int durataPausa = 0;
    std::function<void()> dopoPausa;
    std::vector<std::function<void()>> rinviate;
    std::function<int()> passoEsterno;
    std::function<bool()> senzaPassiEsterno;

    void Scatta();
    void EseguiPasso();
    void Prosegui(Fase prossima);
    void FinisciPausa();
    bool SenzaPassi() const;
};
