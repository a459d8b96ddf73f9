#include "ia/SimulatorePartita.h"

#include <bit>

#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "ia/GiocaCartaRegoleNuovo.h"
#include "ia/SituazioneMano.h"
#include "ia/TatticaNuova.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {
constexpr std::size_t kRicordi = std::size_t{1} << 16;
} // namespace

SimulatorePartita::SimulatorePartita(const std::string& fileRegole)
    : regole(std::make_unique<GiocaCartaRegoleNuovo>(0, fileRegole, 0.0)), ricordi(kRicordi) {
    for (int s = 0; s < 5; ++s) {
        giocatori[static_cast<std::size_t>(s)] =
            std::make_unique<GiocaCartaRegoleNuovo>(s, fileRegole, 0.0);
    }
}

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

Carta SimulatorePartita::CartaStandardLenta(const RegistroPartita& registro, int giocatore) {
    GiocaCartaRegoleNuovo& g = *giocatori[static_cast<std::size_t>(giocatore)];
    // Only the caller of a face-down first trick reads it, and only then.
    if (registro.ManiComplete() == 0 && registro.primaManoCoperta == 1 &&
        registro.chiamante == giocatore) {
        g.ImpostaBriscola(Briscola(SemeMigliore(registro, giocatore)));
    }
    return g.ScegliCartaDa(registro);
}

namespace {

std::array<int, 5> Avanza(Partita& partita, RegistroPartita& registro,
                          SimulatorePartita& simulatore, int seggio, const Briscola& briscolaDi) {
    partita.Riprendi();
    for (;;) {
        switch (partita.Stato()) {
        case 4: {
            const int chiamante = registro.chiamante;
            partita.ImpostaBriscola(
                chiamante == seggio && briscolaDi.Nominata()
                    ? briscolaDi
                    : Briscola(SimulatorePartita::SemeMigliore(registro, chiamante)));
            break;
        }
        case 5: {
            // In the last trick every seat holds one card: there is nothing to choose.
            Carta carta =
                registro.ManiComplete() == 7
                    ? Carta::DaIndice(std::countr_zero(registro.ManoInBit(registro.turno)))
                    : simulatore.CartaModello(registro, registro.turno);
            partita.Gioca(carta);
            break;
        }
        case 6:
            partita.FineMano();
            break;
        case 7:
            partita.RaccogliMano();
            break;
        case 8:
            return PunteggiPartita(registro);
        default:
            throw Errore("Simulazione in uno stato inatteso");
        }
    }
}

} // namespace

std::array<int, 5> SimulatorePartita::GiocaFinoAllaFine(RegistroPartita& registro, int seggio,
                                                        const Briscola& briscolaDi) {
    if (registro.primaManoCoperta == 1) {
        PartitaPrimaManoAlBuio partita(registro);
        return Avanza(partita, registro, *this, seggio, briscolaDi);
    }
    Partita partita(registro);
    return Avanza(partita, registro, *this, seggio, briscolaDi);
}

namespace {

// The bidding played out on partita's record, then the close of the bidding as the variant
// closes it.
void FinisciLicitazione(Partita& partita, RegistroPartita& registro,
                        const std::array<int, 5>& aggiunte, GeneratoreCasuale& generatore) {
    while (registro.chiamante < 0 || registro.GiocatoriInLicitazione() > 1) {
        const int chi = registro.turno;
        LicitazioneAPunti licitazione(chi, aggiunte[static_cast<std::size_t>(chi)]);
        licitazione.ValutaManoDa(registro);
        Chiamata chiamata =
            licitazione.Ammessa(registro, licitazione.LicitaDa(registro, generatore));
        partita.Licita(chi, chiamata);
    }
    partita.FineLicitazione();
}

} // namespace

std::array<int, 5> SimulatorePartita::GiocaDallaLicitazione(RegistroPartita& registro,
                                                            const std::array<int, 5>& aggiunte,
                                                            GeneratoreCasuale& generatore) {
    if (registro.primaManoCoperta == 1) {
        PartitaPrimaManoAlBuio partita(registro);
        FinisciLicitazione(partita, registro, aggiunte, generatore);
        return Avanza(partita, registro, *this, -1, BriscolaIndefinita);
    }
    Partita partita(registro);
    FinisciLicitazione(partita, registro, aggiunte, generatore);
    return Avanza(partita, registro, *this, -1, BriscolaIndefinita);
}
