#include "ia/TatticaNuova.h"

#include <string>

#include "comune/Errore.h"
#include "ia/OsservatoreTattica.h"
#include "ia/SchemaTattica.h"
#include "ia/SituazioneTattica.h"
#include "ia/TestoNumero.h"
#include "ia/ValoreControllo.h"
#include "ia/ValorePresa.h"

namespace {

void VerificaCoefficienti(const Coefficienti& c) {
    if (c.IP < 0) {
        throw Errore("Coefficiente Importanza Punti minore di zero");
    }
    if (c.PP < 0) {
        throw Errore("Coefficiente Presa Punti minore di zero");
    }
    if (c.CH > 0.11) {
        throw Errore("Coefficiente Carte Chiamante troppo grande");
    }
    if (c.CH < 0) {
        throw Errore("Coefficiente Carte Chiamante minore di zero");
    }
    if (c.IR < 0) {
        throw Errore("Coefficiente Importanza Relativa Carte minore di zero");
    }
    if (c.PS > 1.0) {
        throw Errore("Coefficiente Posizione troppo grande");
    }
    if (c.PS < 0) {
        throw Errore("Coefficiente Posizione minore di zero");
    }
    if (c.MN > 1.0) {
        throw Errore("Coefficiente Mano troppo grande");
    }
    if (c.MN < 0) {
        throw Errore("Coefficiente Mano minore di zero");
    }
}

int Modulo5(int x) {
    return ((x % 5) + 5) % 5;
}

} // namespace

TatticaNuova::TatticaNuova(const Coefficienti& coefficienti, OsservatoreTattica* osservatore)
    : coeff(coefficienti), osservatore(osservatore) {
    VerificaCoefficienti(coeff);
}

void TatticaNuova::ValutaCandidate(const RegistroPartita& registro, int giocatore) {
    const Ruoli ruoli = analizzatore.RuoliVisti(giocatore, registro);
    const int socio = ruoli.Socio();
    const SituazioneTattica situazione = SituazioneTattica::DaRegistro(registro, giocatore, socio);

    const int n = situazione.carteInTavola;
    const int primo = Modulo5(giocatore - n);
    const int posizioneChiamante = Modulo5(situazione.chiamante - primo);
    const int codiceSocio = socio >= 0 ? Modulo5(socio - primo) + 1 : 0;
    schema = IndiceSchema(n, posizioneChiamante, codiceSocio);

    if (osservatore != nullptr) {
        osservatore->Schema(EtichettaSchema(schema));
        osservatore->Giocatore(giocatore);
        osservatore->Analisi(TestoRuoli(ruoli));
    }

    const ValorePresa valorePresa(situazione, coeff);
    const ValoreControllo valoreControllo(situazione, coeff);
    numeroCandidate = 0;
    for (int c = 0; c < 40; ++c) {
        if (!situazione.InMano(c) || numeroCandidate >= static_cast<int>(candidate.size())) {
            continue;
        }
        Candidata& candidata = candidate[static_cast<std::size_t>(numeroCandidate++)];
        candidata.carta = Carta::DaIndice(c);
        candidata.valorePresa = valorePresa.Valuta(candidata.carta);
        candidata.valoreControllo = valoreControllo.Valuta(candidata.carta);
        candidata.valoreTotale = candidata.valorePresa * coeff.IP + candidata.valoreControllo;
    }
}

Carta TatticaNuova::Scegli(const RegistroPartita& registro, int giocatore) {
    ValutaCandidate(registro, giocatore);
    Carta migliore;
    double valoreMigliore = -10000000.0;
    for (int i = 0; i < numeroCandidate; ++i) {
        const Candidata& candidata = candidate[static_cast<std::size_t>(i)];
        if (candidata.valoreTotale > valoreMigliore) {
            migliore = candidata.carta;
            valoreMigliore = candidata.valoreTotale;
        }
    }
    // Extreme coefficients can push every total below the starting bar, or make it no number
    // at all; a card of the hand must still be played.
    if (migliore == CartaIndefinita && numeroCandidate > 0) {
        migliore = candidate[0].carta;
    }

    if (osservatore != nullptr) {
        std::string righe;
        for (int i = 0; i < numeroCandidate; ++i) {
            const Candidata& candidata = candidate[static_cast<std::size_t>(i)];
            righe += "  " + NumeroFisso(candidata.valorePresa, 2) + "  " +
                     NumeroFisso(candidata.valoreControllo, 2) + "  " +
                     NumeroFisso(candidata.valoreTotale, 2) + "    -  " +
                     candidata.carta.NomeLungo(osservatore->Nomi()) + '\n';
        }
        osservatore->CarteMigliori(righe);
        osservatore->CartaGiocata(migliore.NomeLungo(osservatore->Nomi()));
    }
    return migliore;
}
