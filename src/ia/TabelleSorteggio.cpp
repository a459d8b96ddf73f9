#include "ia/TabelleSorteggio.h"

#include "comune/Casuale.h"

Coefficienti SorteggiaTabelle(GeneratoreCasuale& generatore) {
    const auto estrai = [&generatore](std::size_t coefficiente) {
        return kTabelleSorteggio[coefficiente][static_cast<std::size_t>(generatore.Casuale(15))];
    };
    Coefficienti c;
    c.IP = estrai(0);
    c.PP = estrai(1);
    c.CH = estrai(2);
    c.IR = estrai(3);
    c.PS = estrai(4);
    c.MN = estrai(5);
    c.CC = estrai(6);
    return c;
}
