#include <QtGlobal>

#include "rete/TavoloRete.h"

// How a table moves: its games stepped until a person is to decide, the turn time, the wait
// for the confirmations at a game's end and the closing of an empty table.

void TavoloRete::NuovaPartita() {
    generatoreAllaPartita = tavolo->Stato().generatore;
    tavolo->Driver().NuovaPartita();
    partitaAttiva = true;
    fineAttesa = false;
    confermati.clear();
    timerFine.stop();
}

void TavoloRete::Avanza() {
    // Nobody plays to an empty room: a table whose people are all away waits for one of them.
    if (inPasso || postoAtteso >= 0 || PersoneConnesse() == 0 || !partitaAttiva) {
        return;
    }
    inPasso = true;
    // A game is some two hundred steps: the bound only stops a fault from looping.
    for (int passi = 0; passi < 100000; ++passi) {
        if (!tavolo->Driver().InCorso()) {
            partitaAttiva = false;
            IniziaAttesaFine();
            break;
        }
        for (CasellaRete& casella : caselle) {
            casella.AzzeraAttesa();
        }
        try {
            tavolo->Passo();
        } catch (const std::exception& e) {
            // A fault of the game itself: the table stops here and says why.
            qWarning("Tavolo %s: %s", qPrintable(codice), e.what());
            partitaAttiva = false;
            ATutti(MessaggioErrore("interno", e.what()));
            break;
        }
        for (int posto = 0; posto < 5; ++posto) {
            const CasellaRete::Attesa attesa = caselle[static_cast<std::size_t>(posto)].Richiesta();
            if (attesa != CasellaRete::Attesa::Nessuna) {
                postoAtteso = posto;
                cosaAttesa = attesa;
            }
        }
        if (postoAtteso >= 0) {
            orologioTurno.start();
            if (impostazioni.tempoTurno > 0) {
                timerTurno.start(impostazioni.tempoTurno * 1000);
            }
            ATutti(MessaggioTurno());
            break;
        }
    }
    inPasso = false;
}

void TavoloRete::TurnoScaduto() {
    if (postoAtteso < 0 || inPasso) {
        return;
    }
    const int posto = postoAtteso;
    postoAtteso = -1;
    // That one decision is the computer's; the seat is the person's again at once.
    AlComputer(posto);
    inPasso = true;
    try {
        tavolo->Passo();
    } catch (const std::exception& e) {
        qWarning("Tavolo %s: %s", qPrintable(codice), e.what());
    }
    inPasso = false;
    if (posti[static_cast<std::size_t>(posto)].connessione != 0) {
        tavolo->AffidaAPersona(posto, caselle[static_cast<std::size_t>(posto)]);
    }
    Avanza();
}

void TavoloRete::IniziaAttesaFine() {
    fineAttesa = true;
    confermati.clear();
    orologioFine.start();
    timerFine.start(opzioni.attesaFinePartitaMs);
    ATutti(MessaggioAttesa());
}

void TavoloRete::ControllaFine() {
    if (!fineAttesa || inPasso || PersoneConnesse() == 0) {
        return;
    }
    for (int posto = 0; posto < 5; ++posto) {
        if (posti[static_cast<std::size_t>(posto)].connessione != 0 &&
            !confermati.contains(posto)) {
            return;
        }
    }
    NuovaPartita();
    Avanza();
}

void TavoloRete::AggiornaChiusura() {
    if (!connessioni.empty()) {
        timerChiusura.stop();
    } else if (!timerChiusura.isActive()) {
        timerChiusura.start(opzioni.chiusuraSenzaPersoneMs);
    }
}
