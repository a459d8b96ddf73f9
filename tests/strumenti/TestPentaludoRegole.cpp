#include <gtest/gtest.h>

#include "ia/PercorsoTemporaneo.h"
#include "strumenti/EseguiStrumento.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

namespace {

// Runs the checker on a file.
Esito Controlla(const std::string& file) {
    return EseguiStrumento("pentaludo-regole", "'" + file + "'");
}

std::string File(const std::string& nome, const std::string& contenuto) {
    const auto percorso = PercorsoTemporaneo(nome);
    std::ofstream(percorso, std::ios::binary) << contenuto;
    return percorso.string();
}

} // namespace

TEST(PentaludoRegole, StampaLeRegoleCapite) {
    const Esito esito =
        Controlla(File("pentaludo_controllo.txt", "# prova\nR2 -30 GiocaCarico !Prendo;\n"
                                                  "R3 Prendo Prendo|!Briscola;\nR4 0\n"));
    EXPECT_EQ(esito.stato, 0);
    EXPECT_EQ(esito.uscita, "R2\tpeso -30\tE GiocaCarico\tENon Prendo\n"
                            "R3\tbersaglio Prendo\tO Prendo\tENon Briscola\n"
                            "R4\tpeso 0\n");
    EXPECT_EQ(esito.errori, "");
}

TEST(PentaludoRegole, ErroreConLaRiga) {
    const std::string file =
        File("pentaludo_controllo_errato.txt", "R1 1 Prendo;\n\nR2 5 GiocaCarichi;\n");
    const Esito esito = Controlla(file);
    EXPECT_EQ(esito.stato, 1);
    EXPECT_EQ(esito.errori, file + " riga 3: Predicato GiocaCarichi Inesistente\n");
}

TEST(PentaludoRegole, FileCheNonSiApre) {
    const Esito esito = Controlla("/non/esiste/regole.txt");
    EXPECT_EQ(esito.stato, 2);
    EXPECT_NE(esito.errori.find("/non/esiste/regole.txt"), std::string::npos);
}

TEST(PentaludoRegole, UnFileNonRegolareOTroppoGrandeLoDice) {
    const auto grande = PercorsoTemporaneo("regole_troppo_grandi.txt");
    std::ofstream(grande, std::ios::binary).close();
    std::filesystem::resize_file(grande, 16 * 1024 * 1024 + 1);
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"/dev/zero", "Il file delle regole \"/dev/zero\" non è un file regolare\n"},
        {grande.string(),
         "Il file delle regole \"" + grande.string() + "\" è troppo grande (più di 16 MiB)\n"},
    };
    for (const auto& [file, messaggio] : casi) {
        const Esito esito = Controlla(file);
        EXPECT_EQ(esito.stato, 2);
        EXPECT_EQ(esito.errori, messaggio);
    }
    std::filesystem::remove(grande);
}

TEST(PentaludoRegole, LeRegoleDistribuiteSonoValide) {
    const Esito esito = Controlla(std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt");
    EXPECT_EQ(esito.stato, 0);
    EXPECT_EQ(esito.errori, "");
    EXPECT_GT(std::count(esito.uscita.begin(), esito.uscita.end(), '\n'), 10);
}
