#include <gtest/gtest.h>

#include "comune/Errore.h"
#include "finestre/SerieRemota.h"

namespace {

// A series of 30 games as a server tells it: the last 25 listed, each seat's counters apart.
SerieVista SerieDiProva() {
    SerieVista serie;
    serie.partite = 30;
    serie.totali = {7, -3, 12, -9, -7};
    for (int n = 5; n < 30; ++n) {
        PartitaDellaSerie partita;
        partita.numero = n;
        partita.chiamante = n % 5;
        partita.socio = (n + 2) % 5;
        partita.chiamata = Chiamata(n % 10);
        for (int s = 0; s < 5; ++s) {
            partita.punteggi[static_cast<std::size_t>(s)] = s == partita.chiamante ? 2 : -1;
        }
        serie.ultime.push_back(partita);
    }
    for (std::size_t r = 0; r < 4; ++r) {
        for (std::size_t s = 0; s < 5; ++s) {
            for (std::size_t e = 0; e < 3; ++e) {
                serie.statistiche.valori[r][s][e] = static_cast<int>(100 * r + 10 * s + e);
            }
        }
    }
    return serie;
}

} // namespace

// Every count lands at the window's place of its seat, for the person at any seat.
TEST(SerieRemota, LaSerieDelServerGirataAiPostiDellaFinestra) {
    const SerieVista serie = SerieDiProva();
    for (int mio = 0; mio < 5; ++mio) {
        SCOPED_TRACE(mio);
        const auto locale = [mio](int remoto) { return (remoto - mio + 9) % 5; };
        const TipoStoriaPartite storia = StoriaDellaSerie(serie, locale);
        ASSERT_EQ(storia.numeroPartite, 30);
        EXPECT_EQ(storia.PrimaPartitaTenuta(), 5);
        for (int s = 0; s < 5; ++s) {
            const auto u = static_cast<std::size_t>(s);
            EXPECT_EQ(storia.Totale(locale(s)), serie.totali[u]);
            for (int r = 0; r < 4; ++r) {
                for (int e = 0; e < 3; ++e) {
                    EXPECT_EQ(storia.Statistiche(r, e, locale(s)),
                              serie.statistiche.valori[static_cast<std::size_t>(r)][u]
                                                      [static_cast<std::size_t>(e)]);
                }
            }
        }
        for (const PartitaDellaSerie& partita : serie.ultime) {
            EXPECT_EQ(storia.Chiamante(partita.numero), locale(partita.chiamante));
            EXPECT_EQ(storia.Socio(partita.numero), locale(partita.socio));
            EXPECT_EQ(storia.ChiamataPartita(partita.numero).Valore, partita.chiamata.Valore);
            EXPECT_EQ(storia.Punteggio(partita.numero, locale(partita.chiamante)), 2);
        }
    }
}

// A list with a gap, more games than were played, or a score no game gives is refused.
TEST(SerieRemota, UnaSerieCheNonTornaERifiutata) {
    const auto stessi = [](int remoto) { return remoto; };
    SerieVista buco = SerieDiProva();
    buco.ultime.erase(buco.ultime.begin() + 3);
    SerieVista troppe = SerieDiProva();
    troppe.partite = 20;
    SerieVista punteggio = SerieDiProva();
    punteggio.ultime.back().punteggi[0] = 90;
    for (const SerieVista* serie : {&buco, &troppe, &punteggio}) {
        EXPECT_THROW(StoriaDellaSerie(*serie, stessi), Errore);
    }
}
