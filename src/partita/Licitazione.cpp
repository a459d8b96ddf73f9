#include "partita/Licitazione.h"

#include "comune/Casuale.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

namespace {

constexpr std::array<int, 10> kValoreMano = {6, 7, 8, 9, 10, 13, 18, 35, 70, 100};

// Strength thresholds (strictly above) and the highest rank bid they allow, Tre .. Due.
constexpr std::array<int, 9> kSoglieValore = {70, 80, 90, 100, 110, 120, 130, 140, 150};

// Strength thresholds and the base of the points bid they allow (plus 0..6 drawn).
struct SogliaPunti {
    int forza;
    int base;
};
constexpr std::array<SogliaPunti, 5> kSogliePunti = {
    {{160, 64}, {170, 68}, {180, 73}, {200, 79}, {220, 85}}};

} // namespace

StatoTavolo& Licitazione::Tavolo() const {
    return TavoloDelGiocatore(tavolo, Giocatore);
}

int ValoreInLicitazione(int valore) {
    return kValoreMano[static_cast<std::size_t>(valore)];
}

void LicitazioneAPunti::ValutaMano() {
    ValutaManoDa(Tavolo().registro);
}

void LicitazioneAPunti::ValutaManoDa(const RegistroPartita& registro) {
    sommaSeme.fill(0);
    // A hand is at most eight cards: one pass over the deck finds them all.
    for (int c = 0; c < 40; ++c) {
        if (InManoMia(registro, c)) {
            sommaSeme[static_cast<std::size_t>(c / 10)] +=
                kValoreMano[static_cast<std::size_t>(c % 10)];
        }
    }
    semeMigliore = 0;
    for (int s = 1; s < 4; ++s) {
        if (sommaSeme[static_cast<std::size_t>(s)] >
            sommaSeme[static_cast<std::size_t>(semeMigliore)]) {
            semeMigliore = s;
        }
    }
    // Nine tenths, truncated: in integers, so that no rounding of 0.9 can shift a threshold.
    forza = sommaSeme[static_cast<std::size_t>(semeMigliore)] * 9 / 10 + aggiuntaForza;
}

bool LicitazioneAPunti::HoCarta(const RegistroPartita& registro, int valore) const {
    return InManoMia(registro, Carta(valore, semeMigliore).Indice());
}

bool LicitazioneAPunti::InManoMia(const RegistroPartita& registro, int indice) const {
    return registro.InMano(indice) && registro.Distribuzione(indice) == Giocatore;
}

// The highest bid the hand is worth; the two jumps of a very strong hand without the Due also
// replace the standing bid it reasons from.
Chiamata LicitazioneAPunti::Massimo(Chiamata& corrente, bool hoDue,
                                    GeneratoreCasuale& generatore) const {
    Chiamata massimo(kAsso);
    for (std::size_t i = 0; i < kSoglieValore.size(); ++i) {
        if (forza > kSoglieValore[i]) {
            massimo = Chiamata(kTre - static_cast<int>(i));
        }
    }
    for (const auto& soglia : kSogliePunti) {
        if (forza > soglia.forza) {
            massimo = Chiamata(soglia.base + generatore.Casuale(7));
        }
    }
    if (forza > 190 && !hoDue) {
        corrente = Chiamata(69);
        massimo = Chiamata(83 + generatore.Casuale(7));
    }
    if (forza > 210 && !hoDue) {
        corrente = Chiamata(79);
        massimo = Chiamata(92 + generatore.Casuale(7));
    }
    return massimo;
}

Chiamata LicitazioneAPunti::Licita() {
    StatoTavolo& tavolo = Tavolo();
    return LicitaDa(tavolo.registro, tavolo.generatore);
}

Chiamata LicitazioneAPunti::LicitaDa(const RegistroPartita& registro,
                                     GeneratoreCasuale& generatore) const {
    Chiamata corrente = registro.chiamata;
    const bool hoDue = HoCarta(registro, kDue);
    const Chiamata massimo = Massimo(corrente, hoDue, generatore);

    if (!(corrente == ChiamataNulla) && NonSupera(massimo, corrente)) {
        return ChiamataPasso;
    }
    const int limite = massimo.ValoreVerificato();
    for (int v = corrente == ChiamataNulla ? 9 : corrente.ValoreVerificato() - 1; v >= limite;
         --v) {
        if (!HoCarta(registro, v)) {
            return Chiamata(v);
        }
    }
    if (limite == kDue && !hoDue && corrente.Punti < massimo.Punti) {
        return Chiamata(corrente.Punti + 1);
    }
    return ChiamataPasso;
}

Chiamata LicitazioneAPunti::Ammessa(const RegistroPartita& registro,
                                    const Chiamata& chiamata) const {
    if (chiamata == ChiamataPasso && registro.chiamata == ChiamataNulla &&
        registro.GiocatoriInLicitazione() == 1) {
        return Gradino(registro);
    }
    return chiamata;
}

Chiamata LicitazioneAPunti::Gradino(const RegistroPartita& registro) const {
    const Chiamata corrente = registro.chiamata;
    for (int v = corrente == ChiamataNulla ? 9 : corrente.ValoreVerificato() - 1; v >= kDue; --v) {
        if (!HoCarta(registro, v)) {
            return Chiamata(v);
        }
    }
    if (corrente == ChiamataNulla || HoCarta(registro, kDue) || corrente.Punti >= 120) {
        return ChiamataPasso;
    }
    return Chiamata(corrente.Punti + 1);
}
