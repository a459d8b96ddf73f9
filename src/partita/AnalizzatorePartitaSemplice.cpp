#include "partita/AnalizzatorePartitaSemplice.h"

namespace {

constexpr int kSogliaSospetto = 15;

std::size_t I(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

std::string AnalizzatorePartitaSemplice::Descrizione() const {
    return "Coeff.Avv. = -" + std::to_string(coeffAvversario) +
           " - Coeff.Socio. = " + std::to_string(coeffSocio);
}

Ruoli AnalizzatorePartitaSemplice::RuoliVisti(int giocatore, const RegistroPartita& registro) {
    Ruoli ruoli = AnalizzatorePartita::RuoliVisti(giocatore, registro);
    // While the first trick lies face down nothing it shows can be read.
    if (registro.primaManoCoperta != 0 && registro.ManiComplete() == 0) {
        return ruoli;
    }
    if (registro.SocioPalese() >= 0 || giocatore == registro.Socio()) {
        return ruoli;
    }
    CalcolaSospetti(registro);

    int sospettato = -1;
    for (int g = 0; g < 5; ++g) {
        if (sospetto[I(g)] > 0 && (sospettato < 0 || sospetto[I(g)] > sospetto[I(sospettato)])) {
            sospettato = g;
        }
    }
    // A seat knows it does not hold the called card: when it is itself the prime suspect it
    // guesses nothing, as when the caller is.
    if (sospettato >= 0 && sospettato != giocatore && sospetto[I(sospettato)] >= kSogliaSospetto &&
        ruoli[sospettato] == kRuoloVistoNeutro) {
        for (int g = 0; g < 5; ++g) {
            if (ruoli[g] == kRuoloVistoNeutro) {
                ruoli[g] = g == sospettato ? kRuoloVistoSocio : kRuoloVistoAvversario;
            }
        }
    }
    return ruoli;
}

void AnalizzatorePartitaSemplice::CalcolaSospetti(const RegistroPartita& registro) {
    sospetto.fill(0);
    const int chiamante = registro.chiamante;
    const Briscola briscola = registro.briscola;
    Carta vincente;
    int vincitore = -1;
    int vincitorePrecedente = -1;
    const int inizio = registro.primaManoCoperta != 0 ? 5 : 0;
    for (int n = inizio; n < registro.NumeroCarteGiocate(); ++n) {
        int giocatore = -1;
        Carta carta;
        registro.CartaGiocata(n, giocatore, carta);
        const int posizione = n % 5;
        bool presaLaMano = false;
        if (posizione == 0) {
            vincitorePrecedente = -1;
            vincente = carta;
            vincitore = giocatore;
        } else if (RegistroPartita::Confronta(vincente, carta, briscola) > 0) {
            vincitorePrecedente = vincitore;
            vincente = carta;
            vincitore = giocatore;
            presaLaMano = true;
        }
        const bool carico = carta.Punti() >= 10;
        const bool vinceChiamante = vincitore == chiamante;
        std::int32_t& punteggio = sospetto[I(giocatore)];
        // Overtaking the caller with a trump is what an opponent does.
        if (presaLaMano && carta.Seme == briscola.SemeGrezzo() &&
            vincitorePrecedente == chiamante) {
            punteggio -= 15;
        }
        // Throwing a Tre or an Asso onto a trick the caller wins is what a partner does, the
        // more so late in the trick, or when the caller's card is already safe.
        if (posizione == 4 && carico && vinceChiamante) {
            punteggio += 25;
        }
        if (posizione == 3 && carico && vinceChiamante) {
            punteggio += 10;
        }
        if (vincente.ValoreGrezzo() >= kTre && carico && vinceChiamante) {
            punteggio += 15;
        }
    }
}
