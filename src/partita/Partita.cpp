#include "partita/Partita.h"

#include "comune/Errore.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

namespace {

void AvanzaTurno(RegistroPartita& registro) {
    registro.ImpostaTurno(registro.turno + 1);
}

} // namespace

Partita::Partita(StatoTavolo& tavolo)
    : registro(&tavolo.registro), baseSeme(tavolo.generatore.Casuale(10000)), tavolo(&tavolo) {}

Partita::Partita(RegistroPartita& registro) : registro(&registro), baseSeme(0) {}

int Partita::Riprendi() {
    const RegistroPartita& r = *registro;
    if (r.chiamante < 0 || r.GiocatoriInLicitazione() > 1) {
        stato = StatoPartita::Licitazione;
        return r.turno;
    }
    if (r.CarteInTavola() == 5) {
        // A full trick waits to be collected, or, a face-down first trick, for the trump that
        // closing it asks of the caller.
        if (r.briscola.Nominata()) {
            stato = StatoPartita::RaccoltaMano;
            return r.turno;
        }
        stato = StatoPartita::SceltaBriscola;
        return r.chiamante;
    }
    if (r.PartitaFinita()) {
        stato = StatoPartita::Punteggi;
        return r.turno;
    }
    if (r.briscola.SemeGrezzo() == kBriscolaNonNominata) {
        // A face-down first trick not yet begun waits for the close of the bidding, which
        // marks the trump absent; otherwise the caller names it (closing the bidding again
        // would change nothing).
        stato = r.primaManoCoperta == 1 && r.NumeroCarteGiocate() == 0
                    ? StatoPartita::FineLicitazione
                    : StatoPartita::SceltaBriscola;
        return r.chiamante;
    }
    stato = StatoPartita::Giocata;
    return r.turno;
}

void Partita::CambiaStato(StatoPartita nuovo) {
    if (nuovo != StatoPartita::Distribuzione && nuovo != StatoPartita::Inattiva) {
        throw Errore("Operazione di cambio stato illegale");
    }
    stato = nuovo;
}

int Partita::Inizio(int /*puntiMonte*/) {
    if (tavolo == nullptr) {
        throw Errore("Una partita simulata non distribuisce le carte");
    }
    RegistroPartita& registro = *this->registro;
    const int numero = tavolo->storia.numeroPartite;
    const bool soloComputer = tavolo->SoloComputer();
    // In the computer-only series five games in a row replay one shuffle, shifted by one seat
    // each time, so that every seat plays every hand once.
    if (soloComputer) {
        tavolo->generatore.Risemina(static_cast<std::uint32_t>(numero / 5 + baseSeme));
    }
    registro.Distribuisci(tavolo->generatore);
    if (soloComputer) {
        registro.RuotaDistribuzione(numero % 5);
    }
    registro.ImpostaTurno(numero % 5);
    stato = StatoPartita::Licitazione;
    registro.primaManoCoperta = 0;
    return registro.turno;
}

int Partita::Licita(int /*giocatore*/, Chiamata& chiamata) {
    RegistroPartita& registro = *this->registro;
    const bool accettata = Supera(chiamata, registro.chiamata);
    const int rimasti =
        registro.GiocatoriInLicitazione() - (!accettata && registro.InLicitazione() ? 1 : 0);
    // Checked before anything changes: the last seat in the bidding may not pass while no
    // bid stands (nobody would be left to call), and a bidding with nobody in it never ends.
    if (!accettata && registro.chiamata == ChiamataNulla && rimasti == 0) {
        throw Errore("Licitazione impossibile: tutti i giocatori hanno passato senza chiamare");
    }
    if (rimasti == 0) {
        throw Errore("Licitazione impossibile: nessun giocatore è rimasto in licitazione");
    }
    if (registro.NumeroLicitazioni() >= RegistroPartita::kMassimoLicitazioni) {
        throw Errore("Troppe licitazioni in una partita");
    }
    if (accettata) {
        registro.chiamata = chiamata;
        registro.chiamante = registro.turno;
    } else {
        chiamata = ChiamataPasso;
        if (registro.InLicitazione()) {
            registro.ImpostaInLicitazione(false);
        }
    }
    registro.RegistraLicitazione(registro.turno, chiamata);
    if (rimasti == 1 && !(registro.chiamata == ChiamataNulla)) {
        stato = StatoPartita::FineLicitazione;
        // The seat that opened the bidding leads the first trick.
        int primo = 0;
        registro.LicitazioneN(0, primo);
        registro.ImpostaTurno(tavolo != nullptr ? tavolo->storia.numeroPartite % 5 : primo);
        return registro.chiamante;
    }
    AvanzaTurno(registro);
    while (!registro.InLicitazione()) {
        AvanzaTurno(registro);
    }
    return registro.turno;
}

int Partita::FineLicitazione() {
    stato = StatoPartita::SceltaBriscola;
    return registro->chiamante;
}

int Partita::ImpostaBriscola(const Briscola& briscola) {
    RegistroPartita& registro = *this->registro;
    stato = StatoPartita::Giocata;
    registro.briscola = briscola;
    return registro.turno;
}

int Partita::Gioca(Carta& carta) {
    RegistroPartita& registro = *this->registro;
    registro.RegistraGiocata(carta);
    AvanzaTurno(registro);
    if (registro.CarteInTavola() == 5) {
        stato = StatoPartita::FineMano;
    }
    if (carta.ValoreGrezzo() == registro.chiamata.Valore && registro.ManiComplete() == 0 &&
        registro.primaManoCoperta == 1) {
        carta.Coperta = 1;
    }
    return registro.turno;
}

int Partita::FineMano() {
    stato = StatoPartita::RaccoltaMano;
    return registro->turno;
}

int Partita::RaccogliMano() {
    RegistroPartita& registro = *this->registro;
    registro.ImpostaTurno(registro.VincitoreMano());
    registro.RaccogliPresa();
    stato = StatoPartita::Giocata;
    if (registro.ManiComplete() == 8) {
        stato = StatoPartita::Punteggi;
    }
    return registro.turno;
}

void Partita::Punteggi() {
    if (stato != StatoPartita::Punteggi) {
        throw Errore("Proclamazione punteggi impossibile prima della fine della partita");
    }
    if (tavolo != nullptr) {
        tavolo->storia.RegistraPartita(*registro);
    }
    stato = StatoPartita::Inattiva;
}

void Partita::AzzeraPunteggi() {
    if (tavolo != nullptr) {
        tavolo->storia.Azzera();
    }
}

int PartitaPrimaManoAlBuio::Inizio(int puntiMonte) {
    const int turno = Partita::Inizio(puntiMonte);
    registro->primaManoCoperta = 1;
    return turno;
}

int PartitaPrimaManoAlBuio::FineLicitazione() {
    RegistroPartita& registro = *this->registro;
    stato = StatoPartita::Giocata;
    registro.briscola = BriscolaAssente;
    return registro.turno;
}

int PartitaPrimaManoAlBuio::FineMano() {
    RegistroPartita& registro = *this->registro;
    if (registro.CarteInTavola() == 5 && registro.ManiComplete() == 0) {
        stato = StatoPartita::SceltaBriscola;
        return registro.chiamante;
    }
    return Partita::FineMano();
}

int PartitaPrimaManoAlBuio::ImpostaBriscola(const Briscola& briscola) {
    Partita::ImpostaBriscola(briscola);
    stato = StatoPartita::RaccoltaMano;
    return registro->turno;
}
