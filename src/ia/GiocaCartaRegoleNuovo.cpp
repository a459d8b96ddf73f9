#include "ia/GiocaCartaRegoleNuovo.h"

#include <cmath>

#include "comune/Casuale.h"
#include "ia/IntelligenzaArtificialeDEBUG.h"
#include "ia/RegoleLette.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

namespace {

// The noise in ten-thousandths, kept within the range of Casuale.
int RumoreIntero(double rumore) {
    const double m = std::trunc(rumore * 10000.0);
    if (!(m > 0.0)) {
        return 0;
    }
    return static_cast<int>(std::fmin(m, 1.0e9));
}

// Forgets the decision's reading of the record however the choice ends.
class SituazioneTemporanea {
public:
    explicit SituazioneTemporanea(std::optional<SituazioneMano>& s) : s(s) {}
    ~SituazioneTemporanea() { s.reset(); }
    SituazioneTemporanea(const SituazioneTemporanea&) = delete;
    SituazioneTemporanea& operator=(const SituazioneTemporanea&) = delete;

private:
    std::optional<SituazioneMano>& s;
};

} // namespace

GiocaCartaRegoleNuovo::GiocaCartaRegoleNuovo(int giocatore, const std::string& nomeFile,
                                             double rumore)
    : GiocaCartaRegoleNuovo(giocatore, RegoleLette::DaFile(nomeFile), rumore) {}

GiocaCartaRegoleNuovo::GiocaCartaRegoleNuovo(int giocatore, const RegoleLette& regole,
                                             double rumore)
    : GiocaCartaACaso(giocatore), rumore(rumore), nomeFile(regole.NomeFile()),
      ia(std::make_unique<IntelligenzaArtificialeDEBUG>()) {
    vocabolario.RegistraVocabolario(*ia);
    regole.Carica(*ia);
}

GiocaCartaRegoleNuovo::~GiocaCartaRegoleNuovo() = default;

void GiocaCartaRegoleNuovo::Siedi(StatoTavolo& tavolo) {
    GiocaCartaACaso::Siedi(tavolo);
    ia->ImpostaGeneratore(&tavolo.generatore);
}

void GiocaCartaRegoleNuovo::ImpostaPredicati(const Carta& carta) {
    if (situazione) {
        vocabolario.Imposta(*ia, situazione->Predicati(carta));
        return;
    }
    const SituazioneMano letta(Tavolo().registro, giocatore, briscola);
    vocabolario.Imposta(*ia, letta.Predicati(carta));
}

double GiocaCartaRegoleNuovo::ValutaPredicati(MascheraPredicati vere) {
    vocabolario.Imposta(*ia, vere);
    return ia->Valuta();
}

double GiocaCartaRegoleNuovo::ValutaCarta(const Carta& carta) {
    ImpostaPredicati(carta);
    return ia->Valuta();
}

Carta GiocaCartaRegoleNuovo::ScegliCartaDa(const RegistroPartita& registro) {
    const SituazioneTemporanea pulizia(situazione);
    situazione.emplace(registro, giocatore, briscola);

    Carta migliore;
    double punteggioMigliore = -1.0e50;
    const int m = RumoreIntero(rumore);
    // The hand in ascending card index, so that ties go to the lowest card.
    for (int c = 0; c < 40; ++c) {
        if (!registro.InMano(c) || registro.Distribuzione(c) != giocatore) {
            continue;
        }
        const Carta carta = Carta::DaIndice(c);
        double v = ValutaCarta(carta);
        const int r = m > 0 ? Tavolo().generatore.Casuale(m) : 0;
        v = v * (r + 10000) * 0.0001;
        if (v > punteggioMigliore) {
            punteggioMigliore = v;
            migliore = carta;
        }
    }
    if (migliore == CartaIndefinita) {
        return GiocaCartaACaso::ScegliCartaDa(registro);
    }
    return migliore;
}
