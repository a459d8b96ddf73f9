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

// Between games that score alike, the card that gives the other side fewer points, then the
// weaker card, kept back for later tricks: a decided game is no reason to throw points away.
bool Preferibile(const GiocaCartaEsperto::Valutazione& a, const GiocaCartaEsperto::Valutazione& b,
                 const Briscola& briscola) {
    if (a.media != b.media) {
        return a.media > b.media;
    }
    if (a.puntiSquadra != b.puntiSquadra) {
        return a.puntiSquadra > b.puntiSquadra;
    }
    return GiocaCartaEsperto::Forza(a.carta, briscola) <
           GiocaCartaEsperto::Forza(b.carta, briscola);
}

} // namespace

int GiocaCartaEsperto::PuntiDellaSquadra(const RegistroPartita& registro, int giocatore) {
    const bool chiamanti = giocatore == registro.chiamante || giocatore == registro.Socio();
    return chiamanti ? registro.PuntiChiamante() : 120 - registro.PuntiChiamante();
}

int GiocaCartaEsperto::Forza(const Carta& carta, const Briscola& briscola) {
    return (carta.Seme == briscola.SemeGrezzo() ? 10 : 0) + carta.ValoreGrezzo();
}

GiocaCartaEsperto::Valutazione
GiocaCartaEsperto::ValutaNeiMondi(const std::vector<RegistroPartita>& mondi, const Carta& carta,
                                  SimulatorePartita& simulatore, int giocatore,
                                  const Briscola& briscola) {
    long long somma = 0;
    long long punti = 0;
    for (const RegistroPartita& mondo : mondi) {
        RegistroPartita r = mondo;
        Carta giocata = carta;
        const std::unique_ptr<Partita> partita = CreaPartita(r.primaManoCoperta == 1, r);
        partita->Riprendi();
        partita->Gioca(giocata);
        somma += simulatore.GiocaFinoAllaFine(r, giocatore, briscola)[giocatore];
        punti += PuntiDellaSquadra(r, giocatore);
    }
    const auto n = static_cast<double>(mondi.size());
    Valutazione v;
    v.carta = carta;
    v.media = static_cast<double>(somma) / n;
    v.puntiSquadra = static_cast<double>(punti) / n;
    return v;
}

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
        v = ValutaNeiMondi(mondi, v.carta, *simulatore, giocatore, briscola);
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
    const Briscola nota = registro.briscola.Nominata() ? registro.briscola : briscola;
    const Valutazione* migliore = &valutazioni.front();
    for (const Valutazione& v : valutazioni) {
        if (Preferibile(v, *migliore, nota)) {
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
