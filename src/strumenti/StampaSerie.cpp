#include "StampaSerie.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "comune/Testo.h"
#include "partita/TipoStoriaPartite.h"

namespace {

std::string Numero(double valore, int decimali) {
    char testo[64];
    std::snprintf(testo, sizeof testo, "%.*f", decimali, valore);
    return testo;
}

// A figure of the statistics; null in JSON, a dash in the table, when there is none yet.
std::string NumeroJson(double valore) {
    return std::isfinite(valore) ? Numero(valore, 6) : "null";
}
std::string NumeroTabella(double valore, int decimali) {
    return std::isfinite(valore) ? Numero(valore, decimali) : "-";
}
std::string Intervallo(const Stima& stima) {
    return "[" + NumeroTabella(stima.minimo, 4) + ", " + NumeroTabella(stima.massimo, 4) + "]";
}

double Media(int totale, int partite) {
    return partite > 0 ? static_cast<double>(totale) / partite : 0.0;
}

int ChiamanteVince(const TipoStoriaPartite& storia) {
    int vinte = 0;
    for (int s = 0; s < 5; ++s) {
        vinte += storia.Statistiche(kRuoloChiamante, kVinte, s);
    }
    return vinte;
}

double PartiteAlSecondo(const RisultatoSerie& r) {
    return r.esito.secondi > 0.0 ? static_cast<double>(r.esito.giocate) / r.esito.secondi : 0.0;
}

std::string ElencoPosti(const GruppoPosti& gruppo, const char* separatore) {
    std::string elenco;
    for (int s = 0; s < 5; ++s) {
        if (gruppo.posti[static_cast<std::size_t>(s)]) {
            elenco += (elenco.empty() ? "" : separatore) + std::to_string(s);
        }
    }
    return elenco;
}

// A player's description without the blank some of them end with.
std::string Giocatore(std::string descrizione) {
    while (!descrizione.empty() && descrizione.back() == ' ') {
        descrizione.pop_back();
    }
    return descrizione;
}

} // namespace

void StampaJson(const RisultatoSerie& r, const TipoStoriaPartite& storia) {
    const StatisticaSerie& statistica = r.esito.statistica;
    std::ostringstream out;
    const auto Lista = [&](auto valore) {
        out << '[';
        for (int s = 0; s < 5; ++s) {
            out << (s > 0 ? "," : "") << valore(s);
        }
        out << ']';
    };
    out << "{\"tipo\":" << r.tipo << ",\"partite\":" << storia.numeroPartite
        << ",\"seme\":" << r.seme << ",\"fili\":" << r.fili << ",\"descrizioni\":";
    Lista([&](int s) { return StringaJson(r.descrizioni[static_cast<std::size_t>(s)]); });
    out << ",\"totale\":";
    Lista([&](int s) { return storia.Totale(s); });
    out << ",\"media\":";
    Lista([&](int s) { return Numero(Media(storia.Totale(s), storia.numeroPartite), 6); });
    out << ",\"vinte\":";
    Lista([&](int s) { return storia.Statistiche(kRuoloTutti, kVinte, s); });
    out << ",\"chiamante_vince\":" << ChiamanteVince(storia)
        << ",\"partite_statistica\":" << statistica.Partite() << ",\"media_statistica\":";
    Lista([&](int s) { return NumeroJson(statistica.Posto(s).media); });
    out << ",\"errore_standard\":";
    Lista([&](int s) { return NumeroJson(statistica.Posto(s).erroreStandard); });
    out << ",\"ic95\":";
    Lista([&](int s) {
        const Stima stima = statistica.Posto(s);
        return "[" + NumeroJson(stima.minimo) + "," + NumeroJson(stima.massimo) + "]";
    });
    out << ",\"gruppi\":[";
    const auto confronti = r.confronti;
    for (std::size_t g = 0; g < confronti.size(); ++g) {
        const Stima stima = statistica.Differenza(confronti[g].posti);
        out << (g > 0 ? "," : "") << "{\"posti\":[" << ElencoPosti(confronti[g], ",")
            << "],\"giocatore\":" << StringaJson(confronti[g].nome)
            << ",\"differenza\":" << NumeroJson(stima.media)
            << ",\"errore_standard\":" << NumeroJson(stima.erroreStandard) << ",\"ic95\":["
            << NumeroJson(stima.minimo) << "," << NumeroJson(stima.massimo) << "]}";
    }
    out << "],\"secondi\":" << Numero(r.esito.secondi, 3)
        << ",\"partite_al_secondo\":" << Numero(PartiteAlSecondo(r), 1) << "}\n";
    std::cout << out.str();
}

void StampaTabella(const RisultatoSerie& r, const TipoStoriaPartite& storia) {
    const StatisticaSerie& statistica = r.esito.statistica;
    const int partite = storia.numeroPartite;
    // Seating 0 without its simulated human says who sits in its place.
    const std::string senzaUmano =
        r.tipo == 0 && r.postoUmano < 0
            ? " senza l'umano simulato (al posto 4: " + Giocatore(r.descrizioni[4]) + ")"
            : "";
    std::printf("Serie di tipo %d%s, seme %u: %d partite%s\n\n", r.tipo, senzaUmano.c_str(), r.seme,
                partite, r.manoAlBuio ? ", prima mano al buio" : "");
    std::printf("%-5s %8s %9s %9s %20s %10s %7s %10s  %s\n", "Posto", "Totale", "Media", "Err.std.",
                "IC 95%", "Chiamante", "Socio", "Avversario", "Giocatore");
    for (int s = 0; s < 5; ++s) {
        const Stima stima = statistica.Posto(s);
        std::printf("%-5d %8d %9.4f %9s %20s %10d %7d %10d  %s\n", s, storia.Totale(s),
                    Media(storia.Totale(s), partite),
                    NumeroTabella(stima.erroreStandard, 4).c_str(), Intervallo(stima).c_str(),
                    storia.Statistiche(kRuoloChiamante, kVinte, s),
                    storia.Statistiche(kRuoloSocio, kVinte, s),
                    storia.Statistiche(kRuoloAvversario, kVinte, s),
                    r.descrizioni[static_cast<std::size_t>(s)].c_str());
    }
    std::printf("\n(partite vinte da chiamante, da socio, da avversario)\n");
    if (statistica.Partite() != partite) {
        std::printf("(errore standard e intervallo sulle %lld partite giocate ora)\n",
                    statistica.Partite());
    }
    const auto confronti = r.confronti;
    if (!confronti.empty()) {
        std::printf("\nPunti a partita di un gruppo meno quelli degli altri posti:\n");
    }
    for (const GruppoPosti& gruppo : confronti) {
        const Stima stima = statistica.Differenza(gruppo.posti);
        std::printf("  posti %-9s %+9.4f  err.std. %s  IC 95%% %s  %s\n",
                    ElencoPosti(gruppo, ",").c_str(), stima.media,
                    NumeroTabella(stima.erroreStandard, 4).c_str(), Intervallo(stima).c_str(),
                    gruppo.nome.c_str());
    }
    const int vinte = ChiamanteVince(storia);
    std::printf("\nIl chiamante vince %d partite su %d (%.1f%%)\n", vinte, partite,
                partite > 0 ? 100.0 * vinte / partite : 0.0);
    std::printf("Velocità: %lld partite in %.3f secondi, %.0f partite al secondo (%d %s)\n",
                r.esito.giocate, r.esito.secondi, PartiteAlSecondo(r), r.fili,
                r.fili == 1 ? "filo" : "fili");
}
