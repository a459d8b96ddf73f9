#include "ia/LicitazioneEsperto.h"

#include "comune/Casuale.h"
#include "ia/MondiPossibili.h"
#include "ia/SimulatorePartita.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

namespace {

// Deals drawn for each deal kept, as for the expert's cards.
constexpr int kCandidatiPerMondo = 16;

} // namespace

LicitazioneEsperto::LicitazioneEsperto(int giocatore, int budget, std::uint32_t seme,
                                       std::shared_ptr<SimulatorePartita> simulatore,
                                       GeneratoreCasuale& generatore,
                                       const std::array<bool, 5>& seggiEsperti)
    : Licitazione(giocatore), budget(budget), seme(seme), simulatore(std::move(simulatore)),
      generatore(generatore), valutazione(giocatore, kAggiuntaForza), esperti(seggiEsperti) {
    esperti[static_cast<std::size_t>(giocatore)] = true;
    for (int s = 0; s < 5; ++s) {
        altriEsperti = altriEsperti || (esperti[static_cast<std::size_t>(s)] && s != giocatore);
    }
}

LicitazioneEsperto::~LicitazioneEsperto() = default;

void LicitazioneEsperto::ValutaMano() {
    valutazione.ValutaManoDa(Tavolo().registro);
}

Chiamata LicitazioneEsperto::Licita() {
    return LicitaDa(Tavolo().registro);
}

LicitazioneEsperto::Stima LicitazioneEsperto::Valuta(const RegistroPartita& registro) {
    Stima stima;
    valutazione.ValutaManoDa(registro);
    const Chiamata gradino = valutazione.Gradino(registro);
    if (gradino == ChiamataPasso) {
        return stima;
    }
    stima.offerte.push_back({gradino});
    // A points bid calls the Due of the trump, which the hand must not hold.
    const bool hoDue =
        registro.Distribuzione(Carta(kDue, valutazione.SemeMigliore()).Indice()) == Giocatore;
    if (!hoDue) {
        for (const int punti : {70, 80}) {
            const Chiamata salto(punti);
            if (Supera(salto, gradino)) {
                stima.offerte.push_back({salto});
            }
        }
    }
    const MondiPossibili possibili(registro, Giocatore);
    GeneratoreCasuale estrazioni((seme * 0x9e3779b9u) ^ possibili.Impronta());
    const std::vector<RegistroPartita> mondi =
        possibili.Estrai(budget, budget * kCandidatiPerMondo, estrazioni, *simulatore);
    std::array<int, 5> aggiunte{};
    aggiunte[static_cast<std::size_t>(Giocatore)] = kAggiuntaForza;
    std::vector<long long> somme(stima.offerte.size() + 1, 0);
    for (const RegistroPartita& mondo : mondi) {
        const std::uint32_t semeGioco = estrazioni.Numero();
        for (std::size_t k = 0; k < somme.size(); ++k) {
            RegistroPartita r = mondo;
            Chiamata chiamata = k == 0 ? ChiamataPasso : stima.offerte[k - 1].chiamata;
            // Both variants bid alike.
            Partita(r).Licita(Giocatore, chiamata);
            GeneratoreCasuale gioco(semeGioco);
            somme[k] += simulatore->GiocaDallaLicitazione(
                r, aggiunte, gioco)[static_cast<std::size_t>(Giocatore)];
        }
    }
    const auto n = static_cast<double>(mondi.size());
    stima.passo = static_cast<double>(somme[0]) / n;
    for (std::size_t k = 0; k < stima.offerte.size(); ++k) {
        stima.offerte[k].media = static_cast<double>(somme[k + 1]) / n;
    }
    return stima;
}

Chiamata LicitazioneEsperto::LicitaDa(const RegistroPartita& registro) {
    valutazione.ValutaManoDa(registro);
    if (altriEsperti) {
        return valutazione.Ammessa(registro, valutazione.LicitaDa(registro, generatore));
    }
    // Where a pass would be refused there is nothing to weigh.
    const Chiamata obbligata = valutazione.Ammessa(registro, ChiamataPasso);
    if (!(obbligata == ChiamataPasso)) {
        return obbligata;
    }
    const Stima stima = Valuta(registro);
    const Offerta* migliore = nullptr;
    for (const Offerta& o : stima.offerte) {
        if (migliore == nullptr || o.media > migliore->media) {
            migliore = &o;
        }
    }
    if (migliore == nullptr || migliore->media - stima.passo <= kVantaggioOfferta) {
        return ChiamataPasso;
    }
    return migliore->chiamata;
}
