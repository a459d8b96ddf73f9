#include "notazione/RigiocaPartita.h"

#include "carte/CodiceCarta.h"
#include "notazione/PartitaNotata.h"
#include "partita/AvanzaPartita.h"
#include "partita/Partita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

using Parte = ErroreRigioco::Parte;

std::string Seggio(int giocatore) {
    return "giocatore " + std::to_string(giocatore);
}

// The decisions of the noted game, in order, each checked against the seat the game asks.
class Rigioco final : public DecisioniPartita {
public:
    Rigioco(const PartitaNotata& partita, const RegistroPartita& registro)
        : partita(partita), registro(registro) {}

    Chiamata Licita(int giocatore) {
        parte = Parte::Licitazione;
        indice = licitate;
        if (licitate >= static_cast<int>(partita.licitazioni.size())) {
            throw ErroreRigioco("La licitazione non è finita", Parte::Licitazione,
                                licitate > 0 ? licitate - 1 : 0);
        }
        const LicitazioneNotata& l = partita.licitazioni[static_cast<std::size_t>(licitate)];
        if (l.giocatore != giocatore) {
            throw ErroreRigioco("Tocca licitare al " + Seggio(giocatore), parte, indice);
        }
        if (l.chiamata.Valore != kPasso && !Supera(l.chiamata, registro.chiamata)) {
            throw ErroreRigioco("La licitazione non supera quella in piedi", parte, indice);
        }
        ++licitate;
        return l.chiamata;
    }

    Briscola ScegliBriscola(int /*giocatore*/) {
        LicitazioneFinita();
        parte = Parte::Briscola;
        return partita.briscola;
    }

    Carta ScegliCarta(int giocatore) {
        LicitazioneFinita();
        const int t = registro.ManiComplete();
        const int posizione = registro.CarteInTavola();
        parte = Parte::Presa;
        indice = t;
        const PresaNotata& presa = partita.prese[static_cast<std::size_t>(t)];
        if (posizione == 0 && presa.primo != giocatore) {
            throw ErroreRigioco("La presa " + std::to_string(t + 1) + " la apre il " +
                                    Seggio(giocatore),
                                parte, indice);
        }
        const Carta carta = presa.carte[static_cast<std::size_t>(posizione)];
        const int c = carta.Indice();
        if (c < 0 || c > 39 || !registro.InMano(c) || registro.Distribuzione(c) != giocatore) {
            throw ErroreRigioco("Il " + Seggio(giocatore) + " non ha in mano " +
                                    (c >= 0 && c <= 39 ? CodiceCarta(carta) : "questa carta"),
                                parte, indice);
        }
        return carta;
    }

    // The last decision asked for: where an error of the game itself belongs.
    Parte parte = Parte::Licitazione;
    int indice = 0;

private:
    const PartitaNotata& partita;
    const RegistroPartita& registro;
    int licitate = 0;

    void LicitazioneFinita() const {
        if (licitate < static_cast<int>(partita.licitazioni.size())) {
            throw ErroreRigioco("La licitazione era già finita", Parte::Licitazione, licitate);
        }
    }
};

} // namespace

RegistroPartita RigiocaPartita(const PartitaNotata& partita) {
    if (partita.licitazioni.empty()) {
        throw ErroreRigioco("Manca la licitazione", Parte::Licitazione);
    }
    const int primo = partita.licitazioni.front().giocatore;
    if (primo < 0 || primo > 4) {
        throw ErroreRigioco("Giocatore non valido: " + std::to_string(primo), Parte::Licitazione);
    }
    RegistroPartita registro;
    registro.DistribuisciMani(partita.distribuzione);
    registro.ImpostaTurno(primo);
    registro.primaManoCoperta = partita.manoAlBuio ? 1 : 0;
    Rigioco rigioco(partita, registro);
    const std::unique_ptr<Partita> gioco = CreaPartita(partita.manoAlBuio, registro);
    try {
        AvanzaPartita(*gioco, gioco->Riprendi(), rigioco);
    } catch (const ErroreRigioco&) {
        throw;
    } catch (const Errore& errore) {
        throw ErroreRigioco(errore.what(), rigioco.parte, rigioco.indice);
    }
    if (!registro.PartitaFinita()) {
        throw ErroreRigioco("La partita non è finita", Parte::Presa, registro.ManiComplete());
    }
    if (registro.CartaChiamata() != partita.chiamata) {
        throw ErroreRigioco("La carta chiamata è " + CodiceCarta(registro.CartaChiamata()),
                            Parte::Chiamata);
    }
    const std::array<int, 5> punteggi = PunteggiPartita(registro);
    if (punteggi != partita.punteggi) {
        std::string testo;
        for (const int p : punteggi) {
            testo += (testo.empty() ? "" : " ") + std::to_string(p);
        }
        throw ErroreRigioco("I punteggi della partita sono " + testo, Parte::Punteggi);
    }
    return registro;
}
