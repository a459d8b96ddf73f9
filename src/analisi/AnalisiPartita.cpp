#include "analisi/AnalisiPartita.h"

#include <algorithm>

#include "comune/Errore.h"
#include "notazione/PartitaNotata.h"
#include "partita/AvanzaPartita.h"
#include "partita/Partita.h"

namespace {

// Gives the game its noted decisions, keeping the position before each one of the seat.
class Ripasso final : public DecisioniPartita {
public:
    Ripasso(const PartitaNotata& partita, const RegistroPartita& registro, int giocatore,
            std::vector<PosizioneDecisione>& posizioni)
        : partita(partita), registro(registro), giocatore(giocatore), posizioni(posizioni) {}

    Chiamata Licita(int seggio) {
        if (licitate >= partita.licitazioni.size()) {
            throw Errore("La licitazione non è finita");
        }
        const Chiamata chiamata = partita.licitazioni[licitate++].chiamata;
        if (seggio == giocatore) {
            posizioni.push_back(
                {TipoDecisione::Licitazione, registro, chiamata, BriscolaIndefinita, Carta()});
        }
        return chiamata;
    }

    Briscola ScegliBriscola(int seggio) {
        if (seggio == giocatore) {
            posizioni.push_back(
                {TipoDecisione::Briscola, registro, ChiamataPasso, partita.briscola, Carta()});
        }
        return partita.briscola;
    }

    Carta ScegliCarta(int seggio) {
        const PresaNotata& presa =
            partita.prese[static_cast<std::size_t>(std::clamp(registro.ManiComplete(), 0, 7))];
        const Carta carta =
            presa.carte[static_cast<std::size_t>(std::clamp(registro.CarteInTavola(), 0, 4))];
        if (seggio == giocatore) {
            posizioni.push_back(
                {TipoDecisione::Carta, registro, ChiamataPasso, BriscolaIndefinita, carta});
        }
        return carta;
    }

private:
    const PartitaNotata& partita;
    const RegistroPartita& registro;
    int giocatore;
    std::vector<PosizioneDecisione>& posizioni;
    std::size_t licitate = 0;
};

} // namespace

std::vector<PosizioneDecisione> PosizioniDelGiocatore(const PartitaNotata& partita, int giocatore) {
    if (giocatore < 0 || giocatore > 4) {
        throw Errore("Giocatore non valido: " + std::to_string(giocatore));
    }
    if (partita.licitazioni.empty()) {
        throw Errore("Manca la licitazione");
    }
    RegistroPartita registro;
    registro.DistribuisciMani(partita.distribuzione);
    registro.ImpostaTurno(partita.licitazioni.front().giocatore);
    registro.primaManoCoperta = partita.manoAlBuio ? 1 : 0;
    std::vector<PosizioneDecisione> posizioni;
    Ripasso ripasso(partita, registro, giocatore, posizioni);
    const std::unique_ptr<Partita> gioco = CreaPartita(partita.manoAlBuio, registro);
    AvanzaPartita(*gioco, gioco->Riprendi(), ripasso);
    return posizioni;
}

std::array<bool, 5> TatticiDi(const PartitaNotata& partita) {
    std::array<bool, 5> tattici{};
    for (std::size_t s = 0; s < 5; ++s) {
        tattici[s] = partita.giocatori[s].tipo == "tattico";
    }
    return tattici;
}

AnalisiGiocatore AnalizzaPartita(const PartitaNotata& partita, int giocatore,
                                 const Consigliere& consigliere) {
    AnalisiGiocatore analisi;
    analisi.giocatore = giocatore;
    for (const PosizioneDecisione& p : PosizioniDelGiocatore(partita, giocatore)) {
        DecisioneAnalizzata d;
        d.posizione = p.posizione;
        const bool licita = p.tipo == TipoDecisione::Licitazione;
        d.suggerimento = consigliere.Suggerisci(p.posizione, licita ? &p.chiamata : nullptr);
        switch (d.suggerimento.tipo) {
        case TipoDecisione::Licitazione:
            d.fatta = d.suggerimento.Indice(p.chiamata);
            break;
        case TipoDecisione::Briscola:
            d.fatta = d.suggerimento.Indice(p.briscola);
            break;
        case TipoDecisione::Carta:
            d.fatta = d.suggerimento.Indice(p.carta);
            break;
        }
        if (d.fatta < 0) {
            throw Errore("Decisione non riconosciuta nella partita");
        }
        d.costo = std::max(0.0, d.suggerimento.Preferita().media - d.Fatta().media);
        analisi.totale += d.costo;
        analisi.decisioni.push_back(std::move(d));
    }
    return analisi;
}
