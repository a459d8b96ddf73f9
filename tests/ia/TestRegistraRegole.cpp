#include <gtest/gtest.h>

#include "PercorsoTemporaneo.h"

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

TEST(RegistraRegole, IlLogDelProgrammaStaNellaCartellaTemporanea) {
    const RegistraRegole& log = LogIA();
    EXPECT_EQ(&log, &LogIA());
    EXPECT_EQ(log.Percorso(), (std::filesystem::temp_directory_path() / "IAlog.txt").string());
}

TEST(RegistraRegole, LAvvioCreaIlLogDelProgramma) {
    // The first call of the process creates the file in the temporary folder; a later call
    // gives the same log.
    RegistraRegole& log = AvviaLogIA();
    EXPECT_EQ(&log, &LogIA());
    ASSERT_TRUE(log.Aperto());
    EXPECT_EQ(PrimaRiga(log.Percorso()), "DATI INCREMENTALI");
}
