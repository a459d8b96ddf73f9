#include "ia/SimulatorePartita.h"

#include "comune/Errore.h"
#include "ia/GiocaCartaRegoleNuovo.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

SimulatorePartita::SimulatorePartita(const std::string& fileRegole) {
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

Carta SimulatorePartita::CartaStandard(const RegistroPartita& registro, int giocatore) {
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
            Carta carta = simulatore.CartaStandard(registro, registro.turno);
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
