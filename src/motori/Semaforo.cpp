#include "motori/Semaforo.h"

#include "comune/Errore.h"

Semaforo::Semaforo(std::unique_ptr<ManagerMotori> manager, bool ripartenzaAutomatica)
    : manager(std::move(manager)), ripartenzaAutomatica(ripartenzaAutomatica) {
    if (!this->manager) {
        throw Errore("Manca il gestore dei giocatori");
    }
}

Semaforo::~Semaforo() = default;

int Semaforo::Passo() {
    if (!partita) {
        return fermato ? -1 : 0;
    }
    // Stopped between two steps (the window closed during a pause): no decision is taken.
    if (!fermato) {
        EseguiPasso();
    }
    if (fermato) {
        partita->CambiaStato(StatoPartita::Inattiva);
        return -1;
    }
    return 0;
}

void Semaforo::EseguiPasso() {
    switch (partita->Stato()) {
    case StatoPartita::Distribuzione:
        giocatoreCorrente = partita->Inizio(puntiMonte);
        manager->CarteDistribuite();
        break;
    case StatoPartita::Licitazione: {
        Chiamata chiamata = ChiediLicitazione();
        if (chiamata.Valore == kNessunaChiamata) {
            break;
        }
        const int chi = giocatoreCorrente;
        giocatoreCorrente = partita->Licita(giocatoreCorrente, chiamata);
        manager->LicitazioneFatta(chiamata, chi);
        break;
    }
    case StatoPartita::FineLicitazione:
        manager->LicitazioneFinita();
        giocatoreCorrente = partita->FineLicitazione();
        break;
    case StatoPartita::SceltaBriscola: {
        const Briscola briscola = ChiediBriscola();
        if (briscola.SemeGrezzo() == kBriscolaNonNominata) {
            break;
        }
        manager->BriscolaScelta(briscola);
        giocatoreCorrente = partita->ImpostaBriscola(briscola);
        break;
    }
    case StatoPartita::Giocata: {
        Carta carta = ChiediCarta();
        if (!carta.Definita()) {
            break;
        }
        const int chi = giocatoreCorrente;
        giocatoreCorrente = partita->Gioca(carta);
        manager->CartaGiocata(carta, chi);
        break;
    }
    case StatoPartita::FineMano:
        giocatoreCorrente = partita->FineMano();
        break;
    case StatoPartita::RaccoltaMano:
        manager->ManoRaccolta();
        giocatoreCorrente = partita->RaccogliMano();
        break;
    case StatoPartita::Punteggi:
        partita->Punteggi();
        manager->FinePartita();
        break;
    case StatoPartita::Inattiva:
        if (ripartenzaAutomatica) {
            partita->CambiaStato(StatoPartita::Distribuzione);
        }
        break;
    }
}

template <typename Decisione, typename Chiedi, typename Decisa>
Decisione Semaforo::Decidi(Chiedi chiedi, const Decisione& nessuna, Decisa decisa) {
    if (const auto* tenuta = std::get_if<Decisione>(&decisioneTrattenuta)) {
        if (trattenimento != Trattenimento::Rilasciata) {
            return nessuna;
        }
        const Decisione decisione = *tenuta;
        decisioneTrattenuta = std::monostate{};
        trattenimento = Trattenimento::Nessuno;
        return decisione;
    }
    // Only a request made while this decision is taken holds it.
    trattenimento = Trattenimento::Nessuno;
    const Decisione decisione = chiedi();
    if (trattenimento != Trattenimento::Chiesto || !decisa(decisione)) {
        trattenimento = Trattenimento::Nessuno;
        return decisione;
    }
    trattenimento = Trattenimento::Trattenuta;
    decisioneTrattenuta = decisione;
    return nessuna;
}

Chiamata Semaforo::ChiediLicitazione() {
    return Decidi([this] { return manager->ChiediLicitazione(giocatoreCorrente); }, ChiamataNulla,
                  [](const Chiamata& c) { return c.Valore != kNessunaChiamata; });
}

Briscola Semaforo::ChiediBriscola() {
    return Decidi([this] { return manager->ChiediBriscola(giocatoreCorrente); }, Briscola(),
                  [](const Briscola& b) { return b.SemeGrezzo() != kBriscolaNonNominata; });
}

Carta Semaforo::ChiediCarta() {
    return Decidi([this] { return manager->ChiediCarta(giocatoreCorrente); }, CartaIndefinita,
                  [](const Carta& c) { return c.Definita(); });
}

void Semaforo::TrattieniDecisione() {
    if (trattenimento == Trattenimento::Nessuno) {
        trattenimento = Trattenimento::Chiesto;
    }
}

void Semaforo::RilasciaDecisione() {
    if (trattenimento == Trattenimento::Trattenuta) {
        trattenimento = Trattenimento::Rilasciata;
    }
}

bool Semaforo::DecisioneTrattenuta() const {
    return trattenimento == Trattenimento::Trattenuta;
}

void Semaforo::CreaPartita() {
    std::unique_ptr<Partita> nuova = ::CreaPartita(manoAlBuio, manager->Tavolo());
    nuova->CambiaStato(StatoPartita::Distribuzione);
    partita = std::move(nuova);
}

void Semaforo::NuovaPartita() {
    trattenimento = Trattenimento::Nessuno;
    decisioneTrattenuta = std::monostate{};
    CreaPartita();
}

bool Semaforo::InCorso() const {
    return partita && partita->Stato() != StatoPartita::Inattiva;
}

void Semaforo::Ferma() {
    fermato = true;
}

void Semaforo::AzzeraStoria() {
    if (partita) {
        partita->AzzeraPunteggi();
    }
}
