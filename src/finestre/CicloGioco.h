#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class Semaforo;

// Drives the game under Qt's event loop: a zero-length timer runs one step of the driver at a
// time while the game advances; when a step finds the human's choice missing, or no game to
// play, the loop idles, with no timer running, until a click or a new game wakes it. A step is
// never entered twice: a wake-up that arrives during a step (from a pause or a dialog inside
// it) is taken once the step has returned.
class CicloGioco final : public QObject {
    Q_OBJECT

public:
    // mostraErrore shows the message of an exception that left a step.
    CicloGioco(Semaforo& semaforo, std::function<void(const QString&)> mostraErrore,
               QObject* padre = nullptr);

    // Starts stepping (or takes the next step after an idle spell).
    void Sveglia();
    // A request found the human's mailbox empty: the loop idles after this step.
    void AttendiUmano() { attesaUmano = true; }
    // After an error the game no longer advances; a new game lifts that.
    void Sblocca() { bloccato = false; }

    bool InPasso() const { return inPasso; }
    bool Bloccato() const { return bloccato; }
    bool Attivo() const { return timer.isActive(); }
    bool Terminato() const { return terminato; }
    // Another driver for the next steps (a new table); never during a step.
    void ImpostaSemaforo(Semaforo& nuovo) { semaforo = &nuovo; }

signals:
    // The driver returned -1: a stop was asked for and the last step is over.
    void Fermato();
    // A step has returned: the moment to change what a step may be using.
    void PassoConcluso();

private:
    Semaforo* semaforo;
    std::function<void(const QString&)> mostraErrore;
    QTimer timer;
    bool inPasso = false;
    bool attesaUmano = false;
    bool svegliatoNelPasso = false;
    bool bloccato = false;
    bool terminato = false;

    void Esegui();
    bool Inattivo() const;
};
