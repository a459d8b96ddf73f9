#include "ia/SimulatorePartita.h"

#include <bit>

#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "ia/GiocaCartaRegoleNuovo.h"
#include "ia/SituazioneMano.h"
#include "ia/TatticaNuova.h"
#include "partita/AvanzaPartita.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {
constexpr std::size_t kRicordi = std::size_t{1} << 16;
} // namespace

SimulatorePartita::SimulatorePartita(const std::string& fileRegole)
    : regole(std::make_unique<GiocaCartaRegoleNuovo>(0, fileRegole, 0.0)), ricordi(kRicordi) {}

SimulatorePartita::~SimulatorePartita() = default;

int SimulatorePartita::SemeMigliore(const RegistroPartita& registro, int giocatore, int* somma) {
    std::array<int, 4> somme{};
    for (int c = 0; c < 40; ++c) {
        if (registro.Distribuzione(c) == giocatore) {
            somme[static_cast<std::size_t>(c / 10)] += ValoreInLicitazione(c % 10);
        }
    }
    int migliore = 0;
    for (int s = 1; s < 4; ++s) {
        if (somme[static_cast<std::size_t>(s)] > somme[static_cast<std::size_t>(migliore)]) {
            migliore = s;
        }
    }
    if (somma != nullptr) {
        *somma = somme[static_cast<std::size_t>(migliore)];
    }
    return migliore;
}

double SimulatorePartita::Valore(std::uint64_t vere) {
    std::uint64_t h = vere * 0x9e3779b97f4a7c15ull;
    Ricordo& r = ricordi[static_cast<std::size_t>(h >> 48) & (kRicordi - 1)];
    if (!r.valido || r.vere != vere) {
        r.vere = vere;
        r.valore = regole->ValutaPredicati(vere);
        r.valido = true;
    }
    return r.valore;
}

Carta SimulatorePartita::CartaStandard(const RegistroPartita& registro, int giocatore) {
    // As GiocaCartaRegoleNuovo without noise: the hand in ascending card index, the best score
    // played, ties to the lowest card; the score scaled as it scales it.
    Briscola prevista;
    if (registro.ManiComplete() == 0 && registro.primaManoCoperta == 1 &&
        registro.chiamante == giocatore) {
        prevista = Briscola(SemeMigliore(registro, giocatore));
    }
    const SituazioneMano situazione(registro, giocatore, prevista);
    Carta migliore;
    double punteggioMigliore = -1.0e50;
    for (int c = 0; c < 40; ++c) {
        if (!registro.InMano(c) || registro.Distribuzione(c) != giocatore) {
            continue;
        }
        const Carta carta = Carta::DaIndice(c);
        double v = Valore(situazione.Predicati(carta));
        v = v * 10000 * 0.0001;
        if (v > punteggioMigliore) {
            punteggioMigliore = v;
            migliore = carta;
        }
    }
    if (migliore == CartaIndefinita) {
        throw Errore("Nessuna carta in mano al giocatore " + std::to_string(giocatore));
    }
    return migliore;
}

Carta SimulatorePartita::CartaTattica(const RegistroPartita& registro, int giocatore) {
    TatticaNuova tattica(Coefficienti{});
    return tattica.Scegli(registro, giocatore);
}

namespace {

// The seats of a simulated game: each plays as its model, a caller names its best suit (or
// briscolaDi at seat seggio).
class GiocoSimulato : public DecisioniPartita {
public:
    GiocoSimulato(SimulatorePartita& simulatore, const RegistroPartita& registro, int seggio,
                  const Briscola& briscolaDi)
        : simulatore(simulatore), registro(registro), seggio(seggio), briscolaDi(briscolaDi) {}

    Briscola ScegliBriscola(int chiamante) {
        return chiamante == seggio && briscolaDi.Nominata()
                   ? briscolaDi
                   : Briscola(SimulatorePartita::SemeMigliore(registro, chiamante));
    }
    Carta ScegliCarta(int giocatore) {
        // In the last trick every seat holds one card: there is nothing to choose.
        return registro.ManiComplete() == 7
                   ? Carta::DaIndice(std::countr_zero(registro.ManoInBit(giocatore)))
                   : simulatore.CartaModello(registro, giocatore);
    }

protected:
    SimulatorePartita& simulatore;
    const RegistroPartita& registro;

private:
    int seggio;
    Briscola briscolaDi;
};

// As GiocoSimulato, the bidding too: every seat bids as the standard bidder with aggiunte[seat]
// more strength, the points of a points bid drawn from generatore.
class AstaSimulata final : public GiocoSimulato {
public:
    AstaSimulata(SimulatorePartita& simulatore, const RegistroPartita& registro,
                 const std::array<int, 5>& aggiunte, GeneratoreCasuale& generatore)
        : GiocoSimulato(simulatore, registro, -1, BriscolaIndefinita), aggiunte(aggiunte),
          generatore(generatore) {}

    Chiamata Licita(int giocatore) {
        LicitazioneAPunti licitazione(giocatore, aggiunte[static_cast<std::size_t>(giocatore)]);
        licitazione.ValutaManoDa(registro);
        return licitazione.Ammessa(registro, licitazione.LicitaDa(registro, generatore));
    }

private:
    const std::array<int, 5>& aggiunte;
    GeneratoreCasuale& generatore;
};

template <typename Decisioni>
std::array<int, 5> GiocaSimulata(RegistroPartita& registro, Decisioni& decisioni) {
    const std::unique_ptr<Partita> partita = CreaPartita(registro.primaManoCoperta == 1, registro);
    AvanzaPartita(*partita, partita->Riprendi(), decisioni);
    return PunteggiPartita(registro);
}

} // namespace

std::array<int, 5> SimulatorePartita::GiocaFinoAllaFine(RegistroPartita& registro, int seggio,
                                                        const Briscola& briscolaDi) {
    GiocoSimulato decisioni(*this, registro, seggio, briscolaDi);
    return GiocaSimulata(registro, decisioni);
}

std::array<int, 5> SimulatorePartita::GiocaDallaLicitazione(RegistroPartita& registro,
                                                            const std::array<int, 5>& aggiunte,
                                                            GeneratoreCasuale& generatore) {
    AstaSimulata decisioni(*this, registro, aggiunte, generatore);
    return GiocaSimulata(registro, decisioni);
}
