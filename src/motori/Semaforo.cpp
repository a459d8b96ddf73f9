#include "motori/Semaforo.h"

#include "comune/Errore.h"

namespace {

// Marks a step as running for as long as it lasts, exceptions included.
class PassoInCorso {
public:
    explicit PassoInCorso(bool& inPasso) : inPasso(inPasso) { inPasso = true; }
    ~PassoInCorso() { inPasso = false; }
    PassoInCorso(const PassoInCorso&) = delete;
    PassoInCorso& operator=(const PassoInCorso&) = delete;

private:
    bool& inPasso;
};

} // namespace

Semaforo::Semaforo(std::unique_ptr<ManagerMotori> manager, bool ripartenzaAutomatica)
    : manager(std::move(manager)), ripartenzaAutomatica(ripartenzaAutomatica) {
    if (!this->manager) {
        throw Errore("Manca il gestore dei giocatori");
    }
}

Semaforo::~Semaforo() = default;

int Semaforo::Passo() {
    // A step asked for from inside a step would act on a game the outer step is still using.
    if (inPasso) {
        return fermato ? -1 : 0;
    }
    if (!partita) {
        return fermato ? -1 : 0;
    }
    {
        PassoInCorso guardia(inPasso);
        nuovaPartitaRinviata = false;
        EseguiPasso();
        if (fermato) {
            partita->CambiaStato(StatoPartita::Inattiva);
        }
    }
    if (fermato) {
        return -1;
    }
    if (nuovaPartitaRinviata) {
        nuovaPartitaRinviata = false;
        CreaPartita();
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
        Chiamata chiamata = manager->ChiediLicitazione(giocatoreCorrente);
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
        const Briscola briscola = manager->ChiediBriscola(giocatoreCorrente);
        if (briscola.SemeGrezzo() == kBriscolaNonNominata) {
            break;
        }
        manager->BriscolaScelta(briscola);
        giocatoreCorrente = partita->ImpostaBriscola(briscola);
        break;
    }
    case StatoPartita::Giocata: {
        Carta carta = manager->ChiediCarta(giocatoreCorrente);
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

void Semaforo::CreaPartita() {
    std::unique_ptr<Partita> nuova = ::CreaPartita(manoAlBuio, manager->Tavolo());
    nuova->CambiaStato(StatoPartita::Distribuzione);
    partita = std::move(nuova);
}

void Semaforo::NuovaPartita() {
    if (inPasso) {
        nuovaPartitaRinviata = true;
        return;
    }
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
