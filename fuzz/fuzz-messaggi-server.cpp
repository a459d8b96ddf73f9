// The window's reading of a server: the bytes are split at newlines into messages, each
// decoded and, when it is one, taken into one seat's view. After each: nothing escaped, and
// the view holds only what a table can (seats 0..4, at most eight cards in hand, five on the
// table, eight tricks and 120 points a seat).

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "Controlla.h"
#include "comune/Errore.h"
#include "rete/MessaggioServer.h"

namespace {

void ControllaVista(const VistaTavolo& vista) {
    CONTROLLA(vista.posto >= -1 && vista.posto <= 4);
    const PartitaVista& p = vista.partita;
    CONTROLLA(p.mano.size() <= 8);
    CONTROLLA(p.tavola.size() <= 5);
    CONTROLLA(p.chiamante >= -1 && p.chiamante <= 4);
    CONTROLLA(p.socio >= -1 && p.socio <= 4);
    CONTROLLA(p.briscola >= -1 && p.briscola <= 3);
    for (const Carta& c : p.mano) {
        CONTROLLA(c.Definita() && c.Indice() >= 0 && c.Indice() < 40);
    }
    for (const CartaVista& c : p.tavola) {
        CONTROLLA(c.posto >= 0 && c.posto <= 4);
        CONTROLLA(!c.carta.Definita() || (c.carta.Indice() >= 0 && c.carta.Indice() < 40));
    }
    for (int s = 0; s < 5; ++s) {
        CONTROLLA(p.prese[static_cast<std::size_t>(s)] >= 0);
        CONTROLLA(p.prese[static_cast<std::size_t>(s)] <= 8);
        CONTROLLA(p.punti[static_cast<std::size_t>(s)] >= 0);
        CONTROLLA(p.punti[static_cast<std::size_t>(s)] <= 120);
    }
    for (int posto : vista.confermati) {
        CONTROLLA(posto >= 0 && posto <= 4);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const QString testo =
        QString::fromUtf8(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(dimensione));
    VistaTavolo vista;
    for (const QString& riga : testo.split(QLatin1Char('\n'))) {
        try {
            AggiornaVista(vista, DecodificaMessaggioServer(riga));
        } catch (const Errore&) {
            continue;
        }
        ControllaVista(vista);
    }
    return 0;
}
