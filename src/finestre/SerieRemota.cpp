#include "finestre/SerieRemota.h"

#include <cstddef>
#include <cstdint>

#include "comune/Errore.h"

TipoStoriaPartite StoriaDellaSerie(const SerieVista& serie, const std::function<int(int)>& locale) {
    const auto I = [](int i) { return static_cast<std::size_t>(i); };
    const auto posto = [&](int remoto) {
        return static_cast<std::int8_t>(remoto < 0 ? remoto : locale(remoto));
    };
    const int prima = serie.partite - static_cast<int>(serie.ultime.size());
    std::vector<PartitaGiocata> ultime;
    for (const PartitaDellaSerie& uno : serie.ultime) {
        if (uno.numero != prima + static_cast<int>(ultime.size())) {
            throw Errore("Le partite della serie ricevuta non sono in ordine");
        }
        PartitaGiocata partita;
        partita.chiamante = posto(uno.chiamante);
        partita.socio = posto(uno.socio);
        partita.chiamata = uno.chiamata;
        for (int s = 0; s < 5; ++s) {
            partita.punteggio[I(locale(s))] = static_cast<std::int8_t>(uno.punteggi[I(s)]);
        }
        ultime.push_back(partita);
    }
    std::array<std::int32_t, 5> totali{};
    TipoStoriaPartite::TabellaStatistiche contatori{};
    for (int s = 0; s < 5; ++s) {
        totali[I(locale(s))] = serie.totali[I(s)];
        for (std::size_t r = 0; r < contatori.size(); ++r) {
            for (std::size_t e = 0; e < contatori[r].size(); ++e) {
                contatori[r][e][I(locale(s))] = serie.statistiche.valori[r][I(s)][e];
            }
        }
    }
    TipoStoriaPartite storia;
    storia.ImpostaRiassunto(serie.partite, totali, contatori, ultime);
    return storia;
}
