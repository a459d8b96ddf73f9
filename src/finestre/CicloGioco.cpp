#include "finestre/CicloGioco.h"

#include <exception>

#include "motori/Semaforo.h"

CicloGioco::CicloGioco(Semaforo& semaforo, std::function<void(const QString&)> mostraErrore,
                       QObject* padre)
    : QObject(padre), semaforo(&semaforo), mostraErrore(std::move(mostraErrore)) {
    timer.setSingleShot(true);
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, this, &CicloGioco::Esegui);
}

void CicloGioco::Sveglia() {
    if (terminato) {
        return;
    }
    if (inPasso) {
        svegliatoNelPasso = true;
        return;
    }
    if (!timer.isActive()) {
        timer.start();
    }
}

bool CicloGioco::Inattivo() const {
    if (semaforo->Fermato()) {
        return false;
    }
    const bool senzaPartita = semaforo->PartitaCorrente() == nullptr;
    const bool finita = !semaforo->InCorso() && !semaforo->RipartenzaAutomatica();
    return attesaUmano || senzaPartita || finita;
}

void CicloGioco::Esegui() {
    if (inPasso || bloccato || terminato) {
        return;
    }
    inPasso = true;
    attesaUmano = false;
    svegliatoNelPasso = false;
    int esito = 0;
    try {
        esito = semaforo->Passo();
    } catch (const std::exception& e) {
        inPasso = false;
        bloccato = true;
        mostraErrore(QString::fromUtf8(e.what()));
        return;
    }
    inPasso = false;
    if (esito == -1) {
        terminato = true;
        emit Fermato();
        return;
    }
    emit PassoConcluso();
    if (svegliatoNelPasso || !Inattivo()) {
        timer.start();
    }
}
