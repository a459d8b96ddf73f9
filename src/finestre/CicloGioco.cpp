#include "finestre/CicloGioco.h"

#include <QApplication>

#include <algorithm>
#include <exception>
#include <utility>

#include "motori/Semaforo.h"

namespace {

// How often a game suspended by a modal box looks whether the box has gone.
constexpr int kControlloSospensione = 50;

} // namespace

CicloGioco::CicloGioco(Semaforo& semaforo, std::function<void(const QString&)> mostraErrore,
                       QObject* padre)
    : QObject(padre), semaforo(&semaforo), mostraErrore(std::move(mostraErrore)) {
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &CicloGioco::Scatta);
}

void CicloGioco::Sveglia() {
    if (fase == Fase::Inattivo) {
        fase = Fase::Pronto;
        timer.start(0);
    } else if (fase == Fase::InPasso && dopoPasso == Fase::Inattivo) {
        // A click handled inside the step (the deal lets events through): look after it.
        dopoPasso = Fase::Pronto;
    }
}

void CicloGioco::AttendiUmano() {
    if (fase == Fase::InPasso) {
        dopoPasso = Fase::Inattivo;
    }
}

void CicloGioco::Pausa(int millisecondi, std::function<void()> poi) {
    if (fase != Fase::InPasso) {
        if (poi) {
            poi();
        }
        return;
    }
    // One notification a step, so one pause: should another come, the first is over.
    if (dopoPausa) {
        std::exchange(dopoPausa, nullptr)();
    }
    durataPausa = std::max(millisecondi, 0);
    dopoPausa = std::move(poi);
    if (!dopoPausa) {
        dopoPausa = [] {};
    }
}

void CicloGioco::TrattieniDecisione() {
    if (fase == Fase::InPasso) {
        semaforo->TrattieniDecisione();
    }
}

void CicloGioco::Continua() {
    if (fase != Fase::Trattenuto) {
        return;
    }
    semaforo->RilasciaDecisione();
    fase = Fase::Pronto;
    timer.start(0);
}

void CicloGioco::Riprendi(std::function<void()> azione) {
    if (fase == Fase::InPasso) {
        if (azione) {
            rinviate.push_back(std::move(azione));
        } else {
            dopoPasso = Fase::Pronto;
        }
        return;
    }
    if (fase == Fase::InPausa) {
        FinisciPausa();
    }
    if (fase == Fase::Trattenuto) {
        // Let go, so that the loop never steps over a decision held for good; a new game
        // drops it, a stop gives it no step.
        semaforo->RilasciaDecisione();
    }
    const bool terminato = fase == Fase::Terminato;
    timer.stop();
    if (azione) {
        try {
            azione();
        } catch (const std::exception& e) {
            fase = terminato ? Fase::Terminato : Fase::Bloccato;
            mostraErrore(QString::fromUtf8(e.what()));
            return;
        }
    }
    if (terminato) {
        return;
    }
    fase = Fase::Inattivo;
    Sveglia();
}

bool CicloGioco::SenzaPassi() const {
    if (passoEsterno) {
        return !semaforo->Fermato() && senzaPassiEsterno && senzaPassiEsterno();
    }
    if (semaforo->Fermato()) {
        return false;
    }
    const bool senzaPartita = semaforo->PartitaCorrente() == nullptr;
    const bool finita = !semaforo->InCorso() && !semaforo->RipartenzaAutomatica();
    return senzaPartita || finita;
}

void CicloGioco::FinisciPausa() {
    timer.stop();
    fase = Fase::Pronto;
    if (dopoPausa) {
        std::exchange(dopoPausa, nullptr)();
    }
}

void CicloGioco::Scatta() {
    if (QApplication::activeModalWidget() != nullptr) {
        timer.start(kControlloSospensione);
        return;
    }
    if (fase == Fase::InPausa) {
        FinisciPausa();
    }
    if (fase == Fase::Pronto) {
        EseguiPasso();
    }
}

void CicloGioco::EseguiPasso() {
    fase = Fase::InPasso;
    dopoPasso = Fase::Pronto;
    int esito = 0;
    try {
        esito = passoEsterno ? passoEsterno() : semaforo->Passo();
    } catch (const std::exception& e) {
        Prosegui(Fase::Bloccato);
        mostraErrore(QString::fromUtf8(e.what()));
        return;
    }
    if (esito == -1) {
        Prosegui(Fase::Terminato);
        emit Fermato();
        return;
    }
    Fase prossima = dopoPasso;
    if (!passoEsterno && semaforo->DecisioneTrattenuta()) {
        prossima = Fase::Trattenuto;
    } else if (prossima == Fase::Pronto && SenzaPassi()) {
        prossima = Fase::Inattivo;
    }
    Prosegui(prossima);
    emit PassoConcluso();
}

void CicloGioco::Prosegui(Fase prossima) {
    fase = prossima;
    if (dopoPausa) {
        if (prossima == Fase::Bloccato || prossima == Fase::Terminato || !rinviate.empty()) {
            FinisciPausa();
            fase = prossima;
        } else {
            // After the pause the loop looks again: a human still to choose idles it then.
            fase = Fase::InPausa;
            timer.start(durataPausa);
            return;
        }
    }
    if (!rinviate.empty()) {
        const auto azioni = std::exchange(rinviate, {});
        for (const auto& azione : azioni) {
            Riprendi(azione);
        }
        return;
    }
    if (fase == Fase::Pronto) {
        timer.start(0);
    }
}
