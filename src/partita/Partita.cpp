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

void Partita::Riprendi() {
    const RegistroPartita& r = *registro;
    if (r.chiamante < 0 || r.GiocatoriInLicitazione() > 1) {
        throw Errore("Partita non ripresa: la licitazione non è finita");
    }
    if (r.CarteInTavola() == 5) {
        // Once the trump is named a full trick only waits to be collected (in a face-down
        // first trick, closing it again would ask for the trump once more).
        stato = r.briscola.Nominata() ? 7 : 6;
    } else if (r.PartitaFinita()) {
        stato = 8;
    } else if (r.briscola.SemeGrezzo() == kBriscolaNonNominata) {
        stato = 4;
    } else {
        stato = 5;
    }
}

void Partita::CambiaStato(int nuovo) {
    if (nuovo != 0 && nuovo != 9) {
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
    stato = 1;
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
        stato = 3;
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
    stato = 4;
    return registro->chiamante;
}

int Partita::ImpostaBriscola(const Briscola& briscola) {
    RegistroPartita& registro = *this->registro;
    stato = 5;
    registro.briscola = briscola;
    return registro.turno;
}

int Partita::Gioca(Carta& carta) {
    RegistroPartita& registro = *this->registro;
    registro.RegistraGiocata(carta);
    AvanzaTurno(registro);
    if (registro.CarteInTavola() == 5) {
        stato = 6;
    }
    if (carta.ValoreGrezzo() == registro.chiamata.Valore && registro.ManiComplete() == 0 &&
        registro.primaManoCoperta == 1) {
        carta.Coperta = 1;
    }
    return registro.turno;
}

int Partita::FineMano() {
    stato = 7;
    return registro->turno;
}

int Partita::RaccogliMano() {
    RegistroPartita& registro = *this->registro;
    registro.ImpostaTurno(registro.VincitoreMano());
    registro.RaccogliPresa();
    stato = 5;
    if (registro.ManiComplete() == 8) {
        stato = 8;
    }
    return registro.turno;
}

void Partita::Punteggi() {
    if (stato != 8) {
        throw Errore("Proclamazione punteggi impossibile prima della fine della partita");
    }
    if (tavolo != nullptr) {
        tavolo->storia.RegistraPartita(*registro);
    }
    stato = 9;
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
    stato = 5;
    registro.briscola = BriscolaAssente;
    return registro.turno;
}

int PartitaPrimaManoAlBuio::FineMano() {
    RegistroPartita& registro = *this->registro;
    if (registro.CarteInTavola() == 5 && registro.ManiComplete() == 0) {
        stato = 4;
        return registro.chiamante;
    }
    return Partita::FineMano();
}

int PartitaPrimaManoAlBuio::ImpostaBriscola(const Briscola& briscola) {
    Partita::ImpostaBriscola(briscola);
    stato = 7;
    return registro->turno;
}
