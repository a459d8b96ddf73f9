#include "analisi/TestoAnalisi.h"

#include <cstdio>

#include "carte/CodiceCarta.h"
#include "comune/Testo.h"
#include "notazione/TestoLicitazione.h"

namespace {

std::string Numero(double valore) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%.2f", valore);
    return testo;
}

} // namespace

std::string TestoAlternativa(const Alternativa& alternativa, TipoDecisione tipo) {
    switch (tipo) {
    case TipoDecisione::Licitazione:
        return TestoLicitazione(alternativa.chiamata);
    case TipoDecisione::Briscola:
        return CodiceSeme(alternativa.briscola.Seme());
    case TipoDecisione::Carta:
        break;
    }
    return CodiceCarta(alternativa.carta);
}

std::string TestoDecisione(const DecisioneAnalizzata& decisione) {
    switch (decisione.suggerimento.tipo) {
    case TipoDecisione::Licitazione:
        return "licitazione";
    case TipoDecisione::Briscola:
        return "briscola";
    case TipoDecisione::Carta:
        break;
    }
    return "presa " + std::to_string(decisione.posizione.ManiComplete() + 1);
}

std::string TabellaAnalisi(const AnalisiGiocatore& analisi) {
    char riga[160];
    std::snprintf(riga, sizeof riga, "%-4s %-12s %-9s %-9s %7s\n", "N.", "Decisione", "Giocata",
                  "Esperto", "Costo");
    std::string testo = riga;
    int n = 0;
    for (const DecisioneAnalizzata& d : analisi.decisioni) {
        const TipoDecisione tipo = d.suggerimento.tipo;
        std::snprintf(riga, sizeof riga, "%-4d %-12s %-9s %-9s %7s\n", ++n,
                      TestoDecisione(d).c_str(), TestoAlternativa(d.Fatta(), tipo).c_str(),
                      TestoAlternativa(d.suggerimento.Preferita(), tipo).c_str(),
                      Numero(d.costo).c_str());
        testo += riga;
    }
    return testo + "Totale: " + Numero(analisi.totale) + "\n";
}

std::string JsonAnalisi(const AnalisiGiocatore& analisi) {
    std::string json = "{\"giocatore\":" + std::to_string(analisi.giocatore) + ",\"decisioni\":[";
    for (std::size_t k = 0; k < analisi.decisioni.size(); ++k) {
        const DecisioneAnalizzata& d = analisi.decisioni[k];
        const TipoDecisione tipo = d.suggerimento.tipo;
        // Appended piece by piece: a literal joined to a string with operator+ makes GCC 12
        // warn falsely (-Wrestrict) at -O3.
        json += k > 0 ? "," : "";
        json += "{\"decisione\":" + StringaJson(TestoDecisione(d)) +
                ",\"giocata\":" + StringaJson(TestoAlternativa(d.Fatta(), tipo)) +
                ",\"esperto\":" + StringaJson(TestoAlternativa(d.suggerimento.Preferita(), tipo)) +
                ",\"costo\":" + Numero(d.costo) + ",\"alternative\":[";
        for (std::size_t a = 0; a < d.suggerimento.alternative.size(); ++a) {
            const Alternativa& alt = d.suggerimento.alternative[a];
            json += a > 0 ? "," : "";
            json += "{\"scelta\":" + StringaJson(TestoAlternativa(alt, tipo)) +
                    ",\"media\":" + Numero(alt.media) +
                    ",\"puntiSquadra\":" + Numero(alt.puntiSquadra) + "}";
        }
        json += "]}";
    }
    return json + "],\"totale\":" + Numero(analisi.totale) + "}";
}
