#include <gtest/gtest.h>

#include "PercorsoTemporaneo.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "comune/Testo.h"
#include "ia/CaricaRegole.h"
#include "ia/ErroreFileRegole.h"
#include "ia/ErroreRegole.h"
#include "ia/IntelligenzaArtificiale.h"
#include "ia/VocabolarioPredicati.h"

namespace {

using Righe = std::vector<std::string>;

// The rules of an engine, one text each: name, weight or target, then the antecedents.
std::vector<std::string> Descrivi(const IntelligenzaArtificiale& ia) {
    std::vector<std::string> righe;
    for (int i = 0; i < ia.NumeroRegole(); ++i) {
        const _Regola& r = ia.RegolaN(i);
        std::string riga = r.Nome();
        if (r.Bersaglio() != nullptr) {
            riga += " bersaglio " + r.Bersaglio()->Nome();
        } else {
            riga += " peso " + std::to_string(static_cast<long long>(r.Peso()));
        }
        for (int k = 0; k < r.Numero(); ++k) {
            riga += std::string(" ") + (r.Congiunzione(k) ? "E" : "O") +
                    (r.Negato(k) ? "Non " : " ") + r.Antecedente(k).Nome();
        }
        righe.push_back(riga);
    }
    return righe;
}

// An engine with the 45 predicates, as the rule-based player has it.
class LetturaRegole : public ::testing::Test {
protected:
    LetturaRegole() { vocabolario.RegistraVocabolario(ia); }

    IntelligenzaArtificiale ia;
    VocabolarioPredicati vocabolario;

    // The rules read, one text each: name, weight or target, then the antecedents.
    std::vector<std::string> Leggi(std::string_view testo) {
        CaricaRegole(ia, testo);
        return Descrizione();
    }

    std::vector<std::string> Descrizione() const { return Descrivi(ia); }

    // The message and line of the error the text raises.
    std::pair<std::string, int> Errore(std::string_view testo) {
        try {
            CaricaRegole(ia, testo);
        } catch (const ErroreRegole& e) {
            return {e.what(), e.Riga()};
        }
        return {"nessun errore", 0};
    }
};

} // namespace

TEST_F(LetturaRegole, TabellaDegliOperatori) {
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"A & B", "R peso 1 E Prendo E Briscola"},
        {"A | B", "R peso 1 E Prendo O Briscola"},
        {"A |B", "R peso 1 E Prendo O Briscola"},
        {"A| B", "R peso 1 O Prendo E Briscola"},
        {"A|B", "R peso 1 O Prendo E Briscola"},
        {"A !B", "R peso 1 E Prendo ENon Briscola"},
        {"A! B", "R peso 1 ENon Prendo E Briscola"},
        {"A&!B", "R peso 1 E Prendo ENon Briscola"},
        {"A B", "R peso 1 E Prendo E Briscola"},
        {"!A |!B", "R peso 1 ENon Prendo ONon Briscola"},
    };
    for (const auto& [scritto, atteso] : casi) {
        IntelligenzaArtificiale nuova;
        VocabolarioPredicati v;
        v.RegistraVocabolario(nuova);
        std::string testo = "R 1 " + scritto + ";";
        testo.replace(testo.find('A'), 1, "Prendo");
        testo.replace(testo.find('B'), 1, "Briscola");
        CaricaRegole(nuova, testo);
        EXPECT_EQ(Descrivi(nuova), Righe{atteso}) << scritto;
    }
}

TEST_F(LetturaRegole, LeTreRegoleDiEsempio) {
    EXPECT_EQ(
        Leggi("R1 40 PresaSicura & GiocaCarico;\n"
              "R2 -30 GiocaCarico !Prendo;\n"
              "R3 Prendo Prendo !Briscola;\n"),
        (Righe{"R1 peso 40 E PresaSicura E GiocaCarico", "R2 peso -30 E GiocaCarico ENon Prendo",
               "R3 bersaglio Prendo E Prendo ENon Briscola"}));
    vocabolario[kPredPresaSicura].ImpostaProbabilita(1.0);
    vocabolario[kPredGiocaCarico].ImpostaProbabilita(1.0);
    vocabolario[kPredPrendo].ImpostaProbabilita(1.0);
    vocabolario[kPredBriscola].ImpostaProbabilita(1.0);
    EXPECT_EQ(ia.Valuta(), 40.0);
    EXPECT_EQ(vocabolario[kPredPrendo].Probabilita(), 0.0);
}

TEST_F(LetturaRegole, FormeDelPeso) {
    EXPECT_EQ(Leggi("A 12abc; B -5; C +5; D 0 Prendo; E 007;"),
              (Righe{"A peso 12", "B peso -5", "C peso 5", "D peso 0 E Prendo", "E peso 7"}));
    EXPECT_EQ(Errore("X 00;").first, "Predicato 00 Inesistente");
    EXPECT_EQ(Errore("X -0;").first, "Predicato -0 Inesistente");
    EXPECT_EQ(Errore("X 0.5;").first, "Predicato 0.5 Inesistente");
    EXPECT_EQ(Errore("X 0abc;").first, "Predicato 0abc Inesistente");
}

TEST_F(LetturaRegole, PesoEnormeSiFermaAiLimiti) {
    EXPECT_EQ(Leggi("A 99999999999999999999999; B -99999999999999999999999;"),
              (Righe{"A peso 2147483647", "B peso -2147483647"}));
}

TEST_F(LetturaRegole, CommentiEFileVuoti) {
    EXPECT_TRUE(Leggi("").empty());
    EXPECT_TRUE(Leggi("# solo un commento\n#  e un altro").empty());
    EXPECT_EQ(Leggi("R 5 Prendo # commento finale senza a capo"), Righe{"R peso 5 E Prendo"});
    // A comment ends the token it touches.
    EXPECT_EQ(Leggi("S 3 Briscola#commento\n!Prendo"),
              (Righe{"R peso 5 E Prendo", "S peso 3 E Briscola ENon Prendo"}));
}

TEST_F(LetturaRegole, SeparatoriVari) {
    EXPECT_EQ(Leggi("R\t4,Prendo(Briscola);\r\n\"x\"<Strozza;"),
              (Righe{"R peso 4 E Prendo E Briscola", "x bersaglio Strozza"}));
}

TEST_F(LetturaRegole, PuntoEVirgolaAttaccatoChiudeLaRegolaGiusta) {
    // The token ";" ends belongs to the rule it closes, also the last one of the file.
    EXPECT_EQ(Leggi("R1 10 Prendo;R2 5 Briscola;"),
              (Righe{"R1 peso 10 E Prendo", "R2 peso 5 E Briscola"}));
    EXPECT_EQ(Leggi("R3 7;R4 Prendo !Strozza"),
              (Righe{"R1 peso 10 E Prendo", "R2 peso 5 E Briscola", "R3 peso 7",
                     "R4 bersaglio Prendo ENon Strozza"}));
}

TEST_F(LetturaRegole, PuntoEVirgolaDopoUnoSpazio) {
    EXPECT_EQ(Leggi("R1 10 Prendo ;\nR2 5 Briscola ;"),
              (Righe{"R1 peso 10 E Prendo", "R2 peso 5 E Briscola"}));
}

TEST_F(LetturaRegole, OperatoriInSospesoAttraversanoIlPuntoEVirgola) {
    EXPECT_EQ(Leggi("R1 10 Prendo |; R2 5 Briscola Strozza;"),
              (Righe{"R1 peso 10 E Prendo", "R2 peso 5 O Briscola E Strozza"}));
    // "!" only reaches the next token, here the name of the next rule.
    EXPECT_EQ(Leggi("R3 1 Prendo !; R4 2 Briscola;"),
              (Righe{"R1 peso 10 E Prendo", "R2 peso 5 O Briscola E Strozza", "R3 peso 1 E Prendo",
                     "R4 peso 2 E Briscola"}));
}

TEST_F(LetturaRegole, SenzaPuntoEVirgolaFinale) {
    EXPECT_EQ(Leggi("R1 1 Prendo;\nR2 2 Briscola\n"),
              (Righe{"R1 peso 1 E Prendo", "R2 peso 2 E Briscola"}));
}

TEST_F(LetturaRegole, RegolaSenzaPesoDaLErroreConLaRigaDelNome) {
    const std::vector<std::pair<std::string, std::pair<std::string, int>>> casi = {
        {"R; S 10 Prendo;", {"La regola R non ha né peso né bersaglio", 1}},
        {"R1 1 Prendo;\n\n  Solo\n;", {"La regola Solo non ha né peso né bersaglio", 3}},
        {"R1 1 Prendo;\nUltima # senza peso", {"La regola Ultima non ha né peso né bersaglio", 2}},
    };
    for (const auto& [testo, atteso] : casi) {
        IntelligenzaArtificiale altra;
        VocabolarioPredicati v;
        v.RegistraVocabolario(altra);
        try {
            CaricaRegole(altra, testo);
            ADD_FAILURE() << testo;
        } catch (const ErroreRegole& e) {
            EXPECT_EQ((std::pair<std::string, int>{e.what(), e.Riga()}), atteso) << testo;
        }
    }
    // Empty rules between two ";" are no rules at all.
    EXPECT_EQ(Leggi(";; R 1 Prendo;;"), Righe{"R peso 1 E Prendo"});
}

TEST_F(LetturaRegole, UnCROSoloChiudeLaRigaComeLF) {
    // Line ends of old Macintosh editors: the line of an error and the end of a comment.
    EXPECT_EQ(Errore("R1 1 Prendo;\rR2 2 Prendo;\r\r# commento\rR3 3 prendo;"),
              (std::pair<std::string, int>{"Predicato prendo Inesistente", 5}));
    IntelligenzaArtificiale altra;
    VocabolarioPredicati v;
    v.RegistraVocabolario(altra);
    CaricaRegole(altra, "# commento\rR1 1 Prendo;\r\n# altro\r\nR2 2 Briscola;");
    EXPECT_EQ(Descrivi(altra), (Righe{"R1 peso 1 E Prendo", "R2 peso 2 E Briscola"}));
}

TEST_F(LetturaRegole, NomeSbagliatoDaLErroreConLaRiga) {
    EXPECT_EQ(Errore("R1 1 Prendo;\n\n# commento\nR2 2 Briscola prendo;"),
              (std::pair<std::string, int>{"Predicato prendo Inesistente", 4}));
    // The rules read before the error stay in the engine.
    EXPECT_EQ(Descrizione(), (Righe{"R1 peso 1 E Prendo", "R2 peso 2 E Briscola"}));
}

TEST_F(LetturaRegole, BersaglioSbagliatoDaLErrore) {
    EXPECT_EQ(Errore("\r\nR1\nPrenda Prendo;"),
              (std::pair<std::string, int>{"Predicato Prenda Inesistente", 3}));
}

TEST_F(LetturaRegole, PuntoEVirgolaMancanteTraDueRegole) {
    EXPECT_EQ(Errore("R1 40 PresaSicura\nR2 -30 GiocaCarico;"),
              (std::pair<std::string, int>{"Predicato R2 Inesistente", 2}));
}

TEST_F(LetturaRegole, TokenLunghissimiAccettati) {
    const std::string nome(600, 'N');
    EXPECT_EQ(Leggi(nome + " 12" + std::string(600, 'x') + " Prendo;"),
              Righe{nome + " peso 12 E Prendo"});
    const std::string sbagliato(700, 'P');
    EXPECT_EQ(Errore("R 1 " + sbagliato),
              (std::pair<std::string, int>{"Predicato " + sbagliato + " Inesistente", 1}));
}

TEST_F(LetturaRegole, OltreLeCapacitaDelFormatoOriginale) {
    std::string testo;
    for (int i = 0; i < 1200; ++i) {
        testo += "R" + std::to_string(i) + " 1;\n";
    }
    testo += "Lunga 1";
    for (int i = 0; i < 20; ++i) {
        testo += " Prendo";
    }
    const Righe righe = Leggi(testo);
    ASSERT_EQ(righe.size(), 1201u);
    EXPECT_EQ(ia.RegolaN(1200).Numero(), 20);
}

namespace {

std::string ScriviFile(const std::string& nome, const std::string& contenuto) {
    const auto percorso = PercorsoTemporaneo(nome);
    std::ofstream(percorso, std::ios::binary) << contenuto;
    return percorso.string();
}

} // namespace

TEST_F(LetturaRegole, FileInWindows1252) {
    // "Città" and "Perché" written in the old code page: à = 0xE0, é = 0xE9.
    const std::string percorso =
        ScriviFile("pentaludo_regole_cp1252.txt", "Citt\xE0 5 Prendo;\nPerch\xE9 3;");
    CaricaRegoleDaFile(ia, percorso);
    EXPECT_EQ(Descrizione(), (Righe{"Città peso 5 E Prendo", "Perché peso 3"}));
    IntelligenzaArtificiale altra;
    const std::string errato = ScriviFile("pentaludo_regole_cp1252_errato.txt", "R 1 Prend\xF2;");
    try {
        CaricaRegoleDaFile(altra, errato);
        FAIL();
    } catch (const ErroreRegole& e) {
        EXPECT_STREQ(e.what(), "Predicato Prendò Inesistente");
    }
    std::filesystem::remove(percorso);
    std::filesystem::remove(errato);
}

TEST_F(LetturaRegole, FileIlleggibile) {
    EXPECT_THROW(CaricaRegoleDaFile(ia, "/non/esiste/regole.txt"), ErroreFileRegole);
    EXPECT_EQ(ia.NumeroRegole(), 0);
}

TEST_F(LetturaRegole, SoloUnFileRegolareSiLegge) {
    // A FIFO would wait for a writer for ever; a device may never end.
    const auto fifo = PercorsoTemporaneo("regole_fifo");
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto grande = PercorsoTemporaneo("regole_grandi.txt");
    std::filesystem::remove(grande);
    std::ofstream(grande, std::ios::binary).close();
    std::filesystem::resize_file(grande, kLimiteFile + 1);
    const std::vector<std::pair<std::string, std::string>> casi = {
        {fifo.string(), "Il file delle regole \"" + fifo.string() + "\" non è un file regolare"},
        {"/dev/zero", "Il file delle regole \"/dev/zero\" non è un file regolare"},
        {std::filesystem::temp_directory_path().string(),
         "Il file delle regole \"" + std::filesystem::temp_directory_path().string() +
             "\" non è un file regolare"},
        {grande.string(),
         "Il file delle regole \"" + grande.string() + "\" è troppo grande (più di 16 MiB)"},
    };
    for (const auto& [percorso, messaggio] : casi) {
        try {
            CaricaRegoleDaFile(ia, percorso);
            ADD_FAILURE() << percorso;
        } catch (const ErroreFileRegole& e) {
            EXPECT_EQ(e.what(), messaggio);
        }
    }
    EXPECT_EQ(ia.NumeroRegole(), 0);
    std::filesystem::remove(fifo);
    std::filesystem::remove(grande);
}

TEST_F(LetturaRegole, UnErroreNelFilePortaIlNomeDelFile) {
    const std::string percorso = ScriviFile("regole_errate.txt", "R1 1 Prendo;\nR2 2 prendo;");
    try {
        CaricaRegoleDaFile(ia, percorso);
        FAIL();
    } catch (const ErroreRegole& e) {
        EXPECT_EQ(e.Posizione(), percorso + " riga 2: Predicato prendo Inesistente");
    }
    std::filesystem::remove(percorso);
}

TEST_F(LetturaRegole, LeRegoleDistribuiteStannoNeiLimitiDelFormatoOriginale) {
    // Files made for the original program hold at most 1000 rules of 10 antecedents; ours too.
    CaricaRegoleDaFile(ia, std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt");
    ASSERT_GT(ia.NumeroRegole(), 0);
    EXPECT_LE(ia.NumeroRegole(), 1000);
    for (int i = 0; i < ia.NumeroRegole(); ++i) {
        EXPECT_LE(ia.RegolaN(i).Numero(), 10) << ia.RegolaN(i).Nome();
    }
}
