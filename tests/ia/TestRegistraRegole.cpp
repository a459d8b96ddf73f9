#include <gtest/gtest.h>

#include "PercorsoTemporaneo.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ia/RegistraRegole.h"

namespace {

std::string PrimaRiga(const std::string& percorso) {
    std::ifstream file(percorso);
    std::string riga;
    std::getline(file, riga);
    return riga;
}

} // namespace

TEST(RegistraRegole, CreaOSvuotaIlLogConLIntestazione) {
    const std::string percorso = PercorsoTemporaneo("IAlog_prova.txt").string();
    std::ofstream(percorso) << "vecchio contenuto\naltra riga\n";
    {
        RegistraRegole log(percorso, true);
        EXPECT_TRUE(log.Aperto());
        EXPECT_EQ(PrimaRiga(percorso), "DATI INCREMENTALI");
    }
    { RegistraRegole log(percorso, false); }
    std::ifstream file(percorso);
    const std::string tutto((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(tutto, "DATI AGGREGATI\n");
    std::filesystem::remove(percorso);
}

TEST(RegistraRegole, LogImpossibileNonEUnErrore) {
    RegistraRegole log("/cartella/che/non/esiste/IAlog.txt", true);
    EXPECT_FALSE(log.Aperto());
}

// The program's log is one file per temporary folder, and every test process that starts the
// program's log truncates it. This test therefore runs in a fresh child process with a
// temporary folder of its own: the first call creates IAlog.txt there, with its header, and
// later calls give the same log.
TEST(RegistraRegole, LAvvioCreaIlLogDelProgrammaNellaCartellaTemporanea) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::filesystem::path cartella = PercorsoTemporaneo("cartella_log");
    std::filesystem::create_directory(cartella);
    EXPECT_EXIT(
        {
            setenv("TMPDIR", cartella.c_str(), 1);
            RegistraRegole& log = AvviaLogIA();
            const bool bene = &log == &LogIA() && &log == &AvviaLogIA() && log.Aperto() &&
                              log.Percorso() == (cartella / "IAlog.txt").string() &&
                              PrimaRiga(log.Percorso()) == "DATI INCREMENTALI";
            std::exit(bene ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    std::filesystem::remove_all(cartella);
}
