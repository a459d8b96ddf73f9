#include <gtest/gtest.h>

#include <random>
#include <string>

#include "aiuto/AiutoPartita.h"
#include "comune/Errore.h"
#include "ia/CaricaRegole.h"
#include "ia/ErroreFileRegole.h"
#include "ia/IntelligenzaArtificiale.h"
#include "ia/RegoleLette.h"
#include "ia/VocabolarioPredicati.h"

namespace {

// An engine with the rule-based player's predicates, filled by reading the file or from the
// rules read once.
struct Motore {
    IntelligenzaArtificiale ia;
    VocabolarioPredicati vocabolario;
    Motore() { vocabolario.RegistraVocabolario(ia); }
};

} // namespace

TEST(RegoleLette, UnMotoreRiempitoDalleRegoleLetteValutaComeQuelloCheLeggeIlFile) {
    CartellaTemporanea cartella;
    const struct {
        const char* nome;
        std::string percorso;
    } casi[] = {
        {"le regole del gioco", std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt"},
        // Targets written and read again, OR and NOT, negative and zero weights.
        {"bersagli e operatori", cartella.File("operatori.txt")},
        {"vuote", cartella.File("vuote.txt")},
    };
    ScriviByte(casi[1].percorso, "T Prendo GiocaLiscio | !Briscola & Chiamante;\n"
                                 "A 7 Prendo & !Socio;\n"
                                 "B -3 | GiocaCarico !UltimoAGiocare;\n"
                                 "Z 0 Avversario;\n"
                                 "U Socio !Prendo | PrimoAGiocare;\n"
                                 "C 11 Socio GiocaFigure;\n");
    ScriviByte(casi[2].percorso, "# nessuna\n");
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Motore letto;
        CaricaRegoleDaFile(letto.ia, caso.percorso);
        const RegoleLette regole = RegoleLette::DaFile(caso.percorso);
        EXPECT_EQ(regole.NomeFile(), caso.percorso);
        Motore riempito;
        regole.Carica(riempito.ia);
        ASSERT_EQ(riempito.ia.NumeroRegole(), letto.ia.NumeroRegole());
        ASSERT_EQ(riempito.ia.NumeroPredicati(), letto.ia.NumeroPredicati());
        for (int r = 0; r < letto.ia.NumeroRegole(); ++r) {
            EXPECT_EQ(riempito.ia.RegolaN(r).Nome(), letto.ia.RegolaN(r).Nome());
            EXPECT_EQ(riempito.ia.RegolaN(r).Numero(), letto.ia.RegolaN(r).Numero());
        }
        // Every truth the player sets (whole masks) and degrees between (the general sum).
        std::mt19937_64 casuale(7);
        for (int prova = 0; prova < 3000; ++prova) {
            const MascheraPredicati vere = casuale();
            letto.vocabolario.Imposta(letto.ia, vere);
            riempito.vocabolario.Imposta(riempito.ia, vere);
            ASSERT_EQ(riempito.ia.Valuta(), letto.ia.Valuta()) << vere;
        }
        std::uniform_real_distribution<double> grado(0.0, 1.0);
        for (int prova = 0; prova < 300; ++prova) {
            for (int p = 0; p < letto.ia.NumeroPredicati(); ++p) {
                const double g = grado(casuale);
                letto.ia.ImpostaProbabilita(letto.ia.PredicatoN(p), g);
                riempito.ia.ImpostaProbabilita(riempito.ia.PredicatoN(p), g);
            }
            ASSERT_EQ(riempito.ia.Valuta(), letto.ia.Valuta());
        }
    }
}

TEST(RegoleLette, UnFileCheNonSiLeggeSollevaComePerIlGiocatore) {
    CartellaTemporanea cartella;
    EXPECT_THROW(RegoleLette::DaFile(cartella.File("mancano.txt")), ErroreFileRegole);
    ScriviByte(cartella.File("sbagliate.txt"), "A 1 Prendo;\nB 2 NonEsiste;\n");
    try {
        RegoleLette::DaFile(cartella.File("sbagliate.txt"));
        FAIL() << "nessun errore";
    } catch (const Errore& errore) {
        EXPECT_NE(std::string(errore.what()).find("NonEsiste"), std::string::npos) << errore.what();
    }
    // Rules over the player's predicates go only into an engine that has them.
    IntelligenzaArtificiale vuoto;
    EXPECT_THROW(
        RegoleLette::DaFile(std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt").Carica(vuoto),
        Errore);
    EXPECT_EQ(vuoto.NumeroRegole(), 0);
}
