#include "ia/PesiMondi.h"

#include "ia/MondiPossibili.h"
#include "ia/PesoLicitazione.h"
#include "ia/SimulatorePartita.h"
#include "partita/AvanzaPartita.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"

namespace {

// How much a card other than the model's lowers a world: soft, since the other seats need not
// be standard players.
constexpr double kPesoGiocata = 0.2;

// Beyond this many possible hands for a seat, the worlds of one decision rarely deal it the
// same one twice: its model's answers are not worth remembering.
constexpr long long kManiDaRicordare = 4096;

// Whether k cards out of n make at most limite different hands.
bool PocheMani(int n, int k, long long limite) {
    long long mani = 1;
    for (int i = 1; i <= k; ++i) {
        mani = mani * (n - k + i) / i;
        if (mani > limite) {
            return false;
        }
    }
    return true;
}

} // namespace

PesiMondi::PesiMondi(const MondiPossibili& possibili, SimulatorePartita& modello)
    : giocatore(possibili.Giocatore()), coperte(possibili.Coperte()), modello(modello) {
    for (int s = 0; s < 5; ++s) {
        daRicordare[static_cast<std::size_t>(s)] =
            PocheMani(possibili.NumeroNascoste(), possibili.CarteNascoste(s), kManiDaRicordare);
    }
}

Carta PesiMondi::Modello(const RegistroPartita& r, int chi, std::uint32_t carteCoperte) {
    const DomandaModello domanda{
        r.ManoInBit(chi), carteCoperte, static_cast<std::int16_t>(r.NumeroCarteGiocate()),
        static_cast<std::int8_t>(chi), modello.Tattici()[static_cast<std::size_t>(chi)]};
    return risposte.Risposta(domanda, [&] { return modello.CartaModello(r, chi); });
}

double PesiMondi::Peso(const RegistroPartita& mondo) {
    double peso = PesoLicitazione(mondo, giocatore);
    if (mondo.NumeroCarteGiocate() == 0) {
        return peso;
    }
    // The face-down cards drawn for this world, the only played cards that differ between
    // worlds.
    std::uint32_t carteCoperte = 0;
    for (const int n : coperte) {
        carteCoperte =
            (carteCoperte << 6) | static_cast<std::uint32_t>(mondo.CartaGiocata(n).Indice());
    }
    // The play replayed from the deal, each card of another seat checked against the card the
    // model of that seat would have chosen there.
    struct Rigiocata final : DecisioniPartita {
        PesiMondi& pesi;
        const RegistroPartita& mondo;
        const RegistroPartita& r;
        std::uint32_t carteCoperte;
        double& peso;

        bool Continua(const Partita& /*partita*/) const {
            return r.NumeroCarteGiocate() < mondo.NumeroCarteGiocate() ||
                   r.CarteInTavola() != mondo.CarteInTavola();
        }
        Briscola ScegliBriscola(int /*chiamante*/) { return mondo.briscola; }
        Carta ScegliCarta(int chi) {
            const Carta carta = mondo.CartaGiocata(r.NumeroCarteGiocate());
            if (chi != pesi.giocatore) {
                const Carta attesa = pesi.daRicordare[static_cast<std::size_t>(chi)]
                                         ? pesi.Modello(r, chi, carteCoperte)
                                         : pesi.modello.CartaModello(r, chi);
                if (!(attesa == carta)) {
                    peso *= kPesoGiocata;
                }
            }
            return carta;
        }
    };
    RegistroPartita r = mondo.InizioDelGioco();
    const std::unique_ptr<Partita> partita = CreaPartita(r.primaManoCoperta == 1, r);
    Rigiocata rigiocata{{}, *this, mondo, r, carteCoperte, peso};
    AvanzaPartita(*partita, partita->Riprendi(), rigiocata);
    return peso;
}
