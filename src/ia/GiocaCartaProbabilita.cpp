#include "ia/GiocaCartaProbabilita.h"

#include "ia/TabelleSorteggio.h"
#include "ia/TatticaNuova.h"
#include "ia/TestoNumero.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

namespace {
// The third computer-only series keeps each drawn set of coefficients for this many decisions
// of the seat: five games of eight cards.
constexpr int kMossePerSorteggio = 40;
} // namespace

GiocaCartaProbabilita::GiocaCartaProbabilita(int giocatore, const Coefficienti& coefficienti)
    : GiocaCartaACaso(giocatore), coefficienti(coefficienti) {}

Carta GiocaCartaProbabilita::ScegliCartaDa(const RegistroPartita& registro) {
    Coefficienti nuovi = coefficienti;
    std::int32_t contatore = contatoreMosse;
    // Away from a table (a model in another player's games) the coefficients stay as given.
    if (tavolo != nullptr && tavolo->TipoGiocatori() == 3) {
        if (contatore == 0) {
            nuovi = SorteggiaTabelle(tavolo->generatore);
        }
        contatore = (contatore + 1) % kMossePerSorteggio;
    }
    // The coefficients are checked before anything of this strategy changes.
    TatticaNuova tattica(nuovi, tavolo != nullptr ? tavolo->osservatore : nullptr);
    coefficienti = nuovi;
    contatoreMosse = contatore;
    // A private copy: the decision reads a record nobody can change under it.
    const RegistroPartita copia = registro;
    return tattica.Scegli(copia, giocatore);
}

std::string GiocaCartaProbabilita::Dettaglio() const {
    const Coefficienti& c = coefficienti;
    return "IP " + NumeroFisso(c.IP, 4) + " PP " + NumeroFisso(c.PP, 4) + " CH " +
           NumeroFisso(c.CH, 4) + " IR " + NumeroFisso(c.IR, 4) + " PS " + NumeroFisso(c.PS, 4) +
           " MN " + NumeroFisso(c.MN, 4) + " CC " + NumeroFisso(c.CC, 4) + " ";
}
