#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "AmbienteMotori.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/LogTest.h"
#include "motori/Semaforo.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Righe(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> righe;
    for (std::string riga; std::getline(in, riga);) {
        righe.push_back(riga);
    }
    return righe;
}

// Sets an environment variable for the life of the object.
class VariabileTemporanea {
public:
    VariabileTemporanea(const char* nome, const std::string& valore) : nome(nome) {
        if (const char* prima = std::getenv(nome)) {
            precedente = prima;
        }
        ::setenv(nome, valore.c_str(), 1);
    }
    ~VariabileTemporanea() {
        if (precedente) {
            ::setenv(nome, precedente->c_str(), 1);
        } else {
            ::unsetenv(nome);
        }
    }
    VariabileTemporanea(const VariabileTemporanea&) = delete;
    VariabileTemporanea& operator=(const VariabileTemporanea&) = delete;

private:
    const char* nome;
    std::optional<std::string> precedente;
};

void GiocaPartite(Semaforo& semaforo, int partite) {
    semaforo.NuovaPartita();
    int passi = 0;
    while (StoriaPartite().numeroPartite < partite && passi++ < 1000000) {
        semaforo.Passo();
    }
    ASSERT_EQ(StoriaPartite().numeroPartite, partite);
}

} // namespace

using LogTest_ = AmbienteMotori;

TEST_F(LogTest_, UnaRigaPerVoltaOKOppureTreSpazi) {
    CartellaTemporanea cartella;
    LogTest log((cartella / "test.txt").string());
    EXPECT_TRUE(log.Scrivi(true, "IP 1.0000"));
    EXPECT_TRUE(log.Scrivi(false, "IP 2.0000"));
    EXPECT_TRUE(log.Scrivi(true, ""));
    EXPECT_EQ(Righe(cartella / "test.txt"),
              (std::vector<std::string>{"OK IP 1.0000", "   IP 2.0000", "OK "}));
}

TEST_F(LogTest_, UnLogSpostatoORimossoRiceveLeRigheSeguenti) {
    CartellaTemporanea cartella;
    LogTest log((cartella / "test.txt").string());
    EXPECT_TRUE(log.Scrivi(true, "uno"));
    fs::rename(cartella / "test.txt", cartella / "test.txt.1");
    EXPECT_TRUE(log.Scrivi(false, "due"));
    fs::remove(cartella / "test.txt");
    EXPECT_TRUE(log.Scrivi(true, "tre"));
    EXPECT_EQ(Righe(cartella / "test.txt.1"), std::vector<std::string>{"OK uno"});
    EXPECT_EQ(Righe(cartella / "test.txt"), std::vector<std::string>{"OK tre"});
    EXPECT_EQ(log.RighePerse(), 0);
}

TEST_F(LogTest_, UnLogCheNonSiPuoScrivereNonFermaNulla) {
    CartellaTemporanea cartella;
    LogTest manca((cartella / "manca" / "test.txt").string());
    EXPECT_FALSE(manca.Scrivi(true, "x"));
    EXPECT_FALSE(manca.Scrivi(true, "y"));
    EXPECT_EQ(manca.RighePerse(), 2);
    EXPECT_FALSE(LogTest(cartella.Percorso().string()).Scrivi(false, "x"));

    // The third seating goes on playing with a log that is a folder.
    ImpostaTipoGiocatori(3);
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    Semaforo semaforo(TavoloACaso(&finestra, false, cartella.Percorso().string()), true);
    GiocaPartite(semaforo, 6);
}

TEST_F(LogTest_, PostoPredefinitoSullaScrivaniaSeEsiste) {
    CartellaTemporanea cartella;
    VariabileTemporanea casa("HOME", cartella.Percorso().string());
    EXPECT_EQ(LogTest::PercorsoPredefinito(), "test.txt");
    EXPECT_EQ(LogTest().Percorso(), "test.txt");
    fs::create_directory(cartella / "Desktop");
    EXPECT_EQ(LogTest::PercorsoPredefinito(), (cartella / "Desktop" / "test.txt").string());
    EXPECT_EQ(LogTest("altro.txt").Percorso(), "altro.txt");
}

TEST_F(LogTest_, LaTerzaSerieScriveSeIlPosto4HaVinto) {
    CartellaTemporanea cartella;
    const fs::path file = cartella / "test.txt";
    ImpostaTipoGiocatori(3);
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
    Semaforo semaforo(TavoloACaso(&finestra, false, file.string()), true);
    // Fewer games than the history keeps in detail, so that each can be checked.
    GiocaPartite(semaforo, 20);
    const auto righe = Righe(file);
    ASSERT_EQ(righe.size(), 20u);
    int vinte = 0;
    for (int g = 0; g < 20; ++g) {
        // Random players have no detail: the line is the outcome alone.
        const bool vinta = StoriaPartite().Punteggio(g, 4) > 0;
        EXPECT_EQ(righe[std::size_t(g)], vinta ? "OK " : "   ") << "partita " << g;
        vinte += vinta ? 1 : 0;
    }
    EXPECT_GT(vinte, 0);
    EXPECT_LT(vinte, 20);
}

TEST_F(LogTest_, LeAltreSerieNonToccanoIlLog) {
    CartellaTemporanea cartella;
    const fs::path file = cartella / "test.txt";
    for (int tipo : {0, 1, 2}) {
        AmbienteMotori::Azzera();
        ImpostaTipoGiocatori(tipo);
        FinestraSilenziosa finestra;
        finestra.ImpostaGeneratore(&TavoloDelTest().generatore);
        Semaforo semaforo(TavoloACaso(&finestra, tipo == 0, file.string()), true);
        GiocaPartite(semaforo, 3);
    }
    EXPECT_FALSE(fs::exists(file));
}
