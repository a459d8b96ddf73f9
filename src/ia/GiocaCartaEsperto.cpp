#include "ia/GiocaCartaEsperto.h"

#include <cstdio>

#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "ia/MondiPossibili.h"
#include "ia/OsservatoreTattica.h"
#include "ia/SimulatorePartita.h"
#include "partita/AnalizzatorePartita.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

namespace {

// Worlds drawn for each world kept: the weights then choose among them. Drawing more of them
// reads the other seats' bids and play much better (the partner above all) for less than the
// cost of the playouts: eight against two lifted the margin by about 0.15 a game, sixteen
// against eight by about 0.12 more; thirty-two add little to sixteen.
constexpr int kCandidatiPerMondo = 16;

} // namespace

GiocaCartaEsperto::GiocaCartaEsperto(int giocatore, const std::string& fileRegole, int budget,
                                     std::uint32_t seme)
    : GiocaCarta(giocatore), budget(budget), seme(seme),
      simulatore(std::make_shared<SimulatorePartita>(fileRegole)) {
    if (budget < 1) {
        throw Errore("Budget dell'esperto non valido: " + std::to_string(budget));
    }
}

GiocaCartaEsperto::~GiocaCartaEsperto() = default;

void GiocaCartaEsperto::ImpostaTattici(const std::array<bool, 5>& seggi) {
    simulatore->ImpostaTattici(seggi);
}

const std::array<bool, 5>& GiocaCartaEsperto::Tattici() const {
    return simulatore->Tattici();
}

std::string GiocaCartaEsperto::Dettaglio() const {
    return std::to_string(budget) + " partite per carta";
}

std::vector<GiocaCartaEsperto::Valutazione>
GiocaCartaEsperto::Valuta(const RegistroPartita& registro) {
    std::vector<Valutazione> valutazioni;
    for (int c = 0; c < 40; ++c) {
        if (registro.InMano(c) && registro.Distribuzione(c) == giocatore) {
            valutazioni.push_back({Carta::DaIndice(c), 0.0});
        }
    }
    if (valutazioni.size() <= 1) {
        return valutazioni;
    }
    const MondiPossibili possibili(registro, giocatore);
    GeneratoreCasuale generatore(seme ^ possibili.Impronta());
    const std::vector<RegistroPartita> mondi =
        possibili.Estrai(budget, budget * kCandidatiPerMondo, generatore, *simulatore);
    for (Valutazione& v : valutazioni) {
        long long somma = 0;
        for (const RegistroPartita& mondo : mondi) {
            RegistroPartita r = mondo;
            Carta carta = v.carta;
            const std::unique_ptr<Partita> partita = CreaPartita(r.primaManoCoperta == 1, r);
            partita->Riprendi();
            partita->Gioca(carta);
            somma += simulatore->GiocaFinoAllaFine(r, giocatore, briscola)[giocatore];
        }
        v.media = static_cast<double>(somma) / static_cast<double>(mondi.size());
    }
    return valutazioni;
}

Carta GiocaCartaEsperto::ScegliCarta() {
    return ScegliCartaDa(Tavolo().registro);
}

Carta GiocaCartaEsperto::ScegliCartaDa(const RegistroPartita& registro) {
    const std::vector<Valutazione> valutazioni = Valuta(registro);
    if (valutazioni.empty()) {
        throw Errore("Nessuna carta in mano al giocatore " + std::to_string(giocatore));
    }
    // Ties go to the lowest card index.
    const Valutazione* migliore = &valutazioni.front();
    for (const Valutazione& v : valutazioni) {
        if (v.media > migliore->media) {
            migliore = &v;
        }
    }
    if (OsservatoreTattica* osservatore = tavolo != nullptr ? tavolo->osservatore : nullptr) {
        osservatore->Schema("Esperto");
        osservatore->Giocatore(giocatore);
        AnalizzatorePartita analizzatore;
        osservatore->Analisi(TestoRuoli(analizzatore.RuoliVisti(giocatore, registro)));
        std::string righe;
        for (const Valutazione& v : valutazioni) {
            char numero[32];
            std::snprintf(numero, sizeof numero, "%.2f ", v.media);
            righe += numero + v.carta.NomeLungo(osservatore->Nomi()) + '\n';
        }
        osservatore->CarteMigliori(righe);
        osservatore->CartaGiocata(migliore->carta.NomeLungo(osservatore->Nomi()));
    }
    return migliore->carta;
}
