#include <gtest/gtest.h>

#include "strumenti/EseguiStrumento.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "analisi/AnalisiPartita.h"
#include "analisi/TestoAnalisi.h"
#include "notazione/LeggiNotazione.h"
#include "notazione/PartitaNotata.h"

TEST(PentaludoAnalisi, StampaLAnalisiDelleDecisioniComeIlNucleo) {
    // Two games of a series with an expert, written by pentaludo-serie, analysed for seat 0 by
    // the tool and here: the same JSON, whatever the process and its threads.
    const std::string file = PercorsoTemporaneo("analisi_partite.txt").string();
    ASSERT_EQ(EseguiStrumento("pentaludo-serie", "--tipo 3 --partite 2 --seme 5 --esperto 0 "
                                                 "--budget-esperto 16 --registra '" +
                                                     file + "'")
                  .stato,
              0);
    const Esito json =
        EseguiStrumento("pentaludo-analisi", "'" + file + "' --giocatore 0 --json --budget 8");
    ASSERT_EQ(json.stato, 0) << json.errori;
    std::string atteso = "{\"partite\":[";
    int n = 0;
    LeggiFileNotazione(file, [&](const PartitaNotata& partita) {
        const Consigliere consigliere(std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt", 8, 1,
                                      TatticiDi(partita));
        atteso += n++ > 0 ? "," : "";
        atteso += "{\"numero\":" + std::to_string(partita.numero) + ",\"giocatori\":[" +
                  JsonAnalisi(AnalizzaPartita(partita, 0, consigliere)) + "]}";
    });
    EXPECT_EQ(n, 2);
    EXPECT_EQ(json.uscita, atteso + "]}\n");

    // The table: every seat of every game, each with its total.
    const Esito tabella = EseguiStrumento("pentaludo-analisi", "'" + file + "' --budget 8");
    ASSERT_EQ(tabella.stato, 0) << tabella.errori;
    std::size_t totali = 0;
    for (std::size_t p = tabella.uscita.find("Totale: "); p != std::string::npos;
         p = tabella.uscita.find("Totale: ", p + 1)) {
        ++totali;
    }
    EXPECT_EQ(totali, 10u);
}

TEST(PentaludoAnalisi, UnFileErratoDaLaSuaRiga) {
    const std::string file = PercorsoTemporaneo("analisi_errata.txt").string();
    std::ofstream(file, std::ios::binary) << "# prova\n\npartita 0\ngiocatore 9 umano Io\n";
    const Esito esito = EseguiStrumento("pentaludo-analisi", "'" + file + "'");
    EXPECT_EQ(esito.stato, 2);
    EXPECT_EQ(esito.errori.rfind(file + " riga 4: ", 0), 0u) << esito.errori;
    EXPECT_EQ(esito.uscita, "");
    EXPECT_EQ(EseguiStrumento("pentaludo-analisi", "'" + file + "' --giocatore 7").stato, 2);
}
