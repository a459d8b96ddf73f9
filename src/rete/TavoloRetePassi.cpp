#include <QThreadPool>
#include <QtGlobal>

#include "motori/Motore.h"
#include "partita/Partita.h"
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
    if (inPasso || calcolando || fermo || postoAtteso >= 0 || PersoneConnesse() == 0 ||
        !partitaAttiva) {
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
        if (fili != nullptr && PassoLungo()) {
            AvviaPassoRemoto();
            break;
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
        if (DopoPasso()) {
            break;
        }
    }
    inPasso = false;
}

bool TavoloRete::DopoPasso() {
    for (int posto = 0; posto < 5; ++posto) {
        const CasellaRete::Attesa attesa = caselle[static_cast<std::size_t>(posto)].Richiesta();
        if (attesa != CasellaRete::Attesa::Nessuna) {
            postoAtteso = posto;
            cosaAttesa = attesa;
        }
    }
    if (postoAtteso < 0) {
        return false;
    }
    orologioTurno.start();
    if (impostazioni.tempoTurno > 0) {
        timerTurno.start(impostazioni.tempoTurno * 1000);
    }
    ATutti(MessaggioTurno());
    return true;
}

bool TavoloRete::PassoLungo() const {
    const Partita* partita = tavolo->Driver().PartitaCorrente();
    if (impostazioni.computer != TipoComputer::Esperto || partita == nullptr) {
        return false;
    }
    switch (partita->Stato()) {
    case StatoPartita::Distribuzione:
        return true;
    case StatoPartita::Licitazione:
    case StatoPartita::SceltaBriscola:
    case StatoPartita::Giocata: {
        const int giocatore = tavolo->Driver().GiocatoreCorrente();
        return giocatore >= 0 && giocatore < 5 && !tavolo->Manager().MotoreDi(giocatore).Umano();
    }
    default:
        return false;
    }
}

void TavoloRete::AvviaPassoRemoto() {
    calcolando = true;
    erroreRemoto.clear();
    Tavolo* gioco = tavolo.get();
    fili->start([this, gioco] {
        // Only this step touches the table until it is back: what it draws, it draws from
        // the table's own generator in the table's own order.
        std::string errore;
        try {
            gioco->Passo();
        } catch (const std::exception& e) {
            errore = e.what();
            if (errore.empty()) {
                errore = "Errore senza messaggio";
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, errore] {
                erroreRemoto = errore;
                AlRiparo([this] { FinePassoRemoto(); });
            },
            Qt::QueuedConnection);
    });
}

void TavoloRete::FinePassoRemoto() {
    if (!calcolando) {
        return;
    }
    calcolando = false;
    const auto messaggi = std::move(trattenuti);
    trattenuti.clear();
    for (const auto& [posto, messaggio] : messaggi) {
        Consegna(posto, messaggio);
    }
    bool guasto = false;
    if (!erroreRemoto.empty()) {
        qWarning("Tavolo %s: %s", qPrintable(codice), erroreRemoto.c_str());
        partitaAttiva = false;
        guasto = true;
        ATutti(MessaggioErrore("interno", erroreRemoto));
    }
    const bool attende = !guasto && DopoPasso();
    // What arrived meanwhile, in its order (a newer step defers the rest again).
    const auto lavori = std::move(differiti);
    differiti.clear();
    for (const auto& lavoro : lavori) {
        AlRiparo(lavoro);
    }
    if (!attende) {
        Avanza();
    }
}

void TavoloRete::Ferma() {
    fermo = true;
    AlRiparo([this] { FinePassoRemoto(); });
}

void TavoloRete::TurnoScaduto() {
    if (postoAtteso < 0 || inPasso || calcolando || fermo) {
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
