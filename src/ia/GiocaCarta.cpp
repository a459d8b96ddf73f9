#include "ia/GiocaCarta.h"

#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

StatoTavolo& GiocaCarta::Tavolo() const {
    return TavoloDelGiocatore(tavolo, giocatore);
}

Carta GiocaCarta::ScegliCartaDa(const RegistroPartita& /*registro*/) {
    throw Errore("La strategia " + Nome() + " gioca solo sulla partita del tavolo");
}

Carta GiocaCartaACaso::ScegliCarta() {
    return ScegliCartaDa(Tavolo().registro);
}

Carta GiocaCartaACaso::ScegliCartaDa(const RegistroPartita& registro) {
    bool manoVuota = true;
    for (int k = 0; k < 8 && manoVuota; ++k) {
        manoVuota = registro.CartaInMano(giocatore, k) == CartaIndefinita;
    }
    // Drawing from an empty hand would never end.
    if (manoVuota) {
        throw Errore("Nessuna carta in mano al giocatore " + std::to_string(giocatore));
    }
    GeneratoreCasuale& generatore = Tavolo().generatore;
    for (;;) {
        const Carta carta = registro.CartaInMano(giocatore, generatore.Casuale(8));
        if (!(carta == CartaIndefinita)) {
            return carta;
        }
    }
}
