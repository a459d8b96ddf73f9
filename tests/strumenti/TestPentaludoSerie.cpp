#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Esito {
    int stato = -1;
    std::string uscita;
    std::string errori;
};

// Runs the built tool with the arguments given, from a private folder.
class Serie : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        cartella = fs::temp_directory_path() /
                   ("pentaludo-serie-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(cartella);
        fs::create_directories(cartella);
    }
    void TearDown() override {
        std::error_code errore;
        fs::remove_all(cartella, errore);
    }

    std::string File(const std::string& nome) const { return (cartella / nome).string(); }

    Esito Esegui(const std::string& argomenti) const {
        const std::string errori = File("stderr.txt");
        const std::string comando = "cd '" + cartella.string() + "' && '" +
                                    PENTALUDO_STRUMENTI_BUILD "/pentaludo-serie' " + argomenti +
                                    " 2>'" + errori + "'";
        Esito esito;
        FILE* tubo = ::popen(comando.c_str(), "r");
        if (tubo == nullptr) {
            return esito;
        }
        char blocco[4096];
        for (std::size_t letti; (letti = std::fread(blocco, 1, sizeof blocco, tubo)) > 0;) {
            esito.uscita.append(blocco, letti);
        }
        const int stato = ::pclose(tubo);
        esito.stato = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
        std::ifstream in(errori);
        std::stringstream testo;
        testo << in.rdbuf();
        esito.errori = testo.str();
        return esito;
    }

    fs::path cartella;
};

// The numbers of a JSON array field, e.g. "totale":[1,-2,...].
std::vector<double> Numeri(const std::string& json, const std::string& chiave) {
    std::vector<double> numeri;
    const auto inizio = json.find("\"" + chiave + "\":[");
    if (inizio == std::string::npos) {
        return numeri;
    }
    std::istringstream in(json.substr(inizio + chiave.size() + 4));
    double n;
    char separatore = ',';
    while (separatore == ',' && in >> n >> separatore) {
        numeri.push_back(n);
    }
    return numeri;
}

double Campo(const std::string& json, const std::string& chiave) {
    const auto inizio = json.find("\"" + chiave + "\":");
    if (inizio == std::string::npos) {
        return -1e9;
    }
    return std::stod(json.substr(inizio + chiave.size() + 3));
}

std::string Contenuto(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream testo;
    testo << in.rdbuf();
    return testo.str();
}

} // namespace

TEST_F(Serie, StessoSemeStessiPunteggi) {
    for (const char* tipo : {"0", "1", "2", "3"}) {
        SCOPED_TRACE(tipo);
        const std::string opzioni =
            std::string("--tipo ") + tipo + " --partite 150 --seme 4242 --json --log-test log.txt";
        const Esito a = Esegui(opzioni);
        const Esito b = Esegui(opzioni);
        ASSERT_EQ(a.stato, 0) << a.errori;
        ASSERT_EQ(b.stato, 0) << b.errori;
        const auto totale = Numeri(a.uscita, "totale");
        ASSERT_EQ(totale.size(), 5u);
        EXPECT_EQ(totale, Numeri(b.uscita, "totale"));
        EXPECT_EQ(Numeri(a.uscita, "vinte"), Numeri(b.uscita, "vinte"));
        double somma = 0;
        for (double t : totale) {
            somma += t;
        }
        EXPECT_EQ(somma, 0.0);
        EXPECT_EQ(Campo(a.uscita, "partite"), 150);
        EXPECT_EQ(Campo(a.uscita, "seme"), 4242);
        EXPECT_EQ(Campo(a.uscita, "tipo"), std::stod(tipo));
        // Nothing but the one JSON object on standard output.
        EXPECT_EQ(a.uscita.front(), '{');
        EXPECT_EQ(a.uscita.find('\n'), a.uscita.size() - 1);
    }
}

TEST_F(Serie, VerificaMigliaiaDiPartiteDiOgniTipo) {
    for (const char* tipo : {"0", "1", "2", "3"}) {
        for (const char* alBuio : {"0", "1"}) {
            SCOPED_TRACE(std::string("tipo ") + tipo + ", mano al buio " + alBuio);
            const Esito e =
                Esegui(std::string("--verifica --partite 500 --seme 99 --tipo ") + tipo +
                       " --mano-al-buio " + alBuio + " --log-test log.txt --json");
            EXPECT_EQ(e.stato, 0) << e.errori;
            EXPECT_EQ(Campo(e.uscita, "partite"), 500);
        }
    }
}

TEST_F(Serie, LaTerzaSerieScriveUnaRigaPerPartita) {
    // One thread: the lines of shares played side by side would interleave.
    const Esito e = Esegui("--tipo 3 --partite 37 --seme 5 --log-test log.txt --json --fili 1");
    ASSERT_EQ(e.stato, 0) << e.errori;
    std::istringstream log(Contenuto(File("log.txt")));
    std::vector<std::string> dettagli;
    for (std::string riga; std::getline(log, riga);) {
        EXPECT_TRUE(riga.rfind("OK IP ", 0) == 0 || riga.rfind("   IP ", 0) == 0) << riga;
        dettagli.push_back(riga.substr(3));
    }
    const int righe = static_cast<int>(dettagli.size());
    // The tactical player of this seating draws new coefficients every five games (forty
    // decisions of its own).
    for (int g = 0; g < righe; ++g) {
        EXPECT_EQ(dettagli[std::size_t(g)], dettagli[std::size_t(g - g % 5)]) << "partita " << g;
    }
    EXPECT_NE(dettagli.front(), dettagli.back());
    EXPECT_EQ(righe, 37);
    EXPECT_EQ(Esegui("--tipo 1 --partite 5 --seme 5 --log-test altro.txt").stato, 0);
    EXPECT_FALSE(fs::exists(File("altro.txt")));
}

TEST_F(Serie, SalvaECaricaContinuanoLaSerie) {
    const Esito prima = Esegui("--tipo 1 --partite 40 --seme 31 --salva a.bri --json");
    ASSERT_EQ(prima.stato, 0) << prima.errori;
    ASSERT_TRUE(fs::exists(File("a.bri")));

    // Reading and rewriting without playing changes nothing.
    ASSERT_EQ(Esegui("--carica a.bri --partite 0 --salva copia.bri --json").stato, 0);
    EXPECT_EQ(Contenuto(File("a.bri")), Contenuto(File("copia.bri")));

    // Forty games, then thirty-five more, are the same seventy-five games as one series:
    // the deals of a computer-only series depend on the seed and the game number only.
    const Esito dopo = Esegui("--tipo 1 --carica a.bri --partite 35 --seme 31 --json");
    const Esito intera = Esegui("--tipo 1 --partite 75 --seme 31 --json");
    ASSERT_EQ(dopo.stato, 0) << dopo.errori;
    ASSERT_EQ(intera.stato, 0) << intera.errori;
    EXPECT_EQ(Campo(dopo.uscita, "partite"), 75);
    EXPECT_EQ(Numeri(dopo.uscita, "totale"), Numeri(intera.uscita, "totale"));
    EXPECT_EQ(Numeri(dopo.uscita, "vinte"), Numeri(intera.uscita, "vinte"));
}

TEST_F(Serie, OpzioniSbagliateEsconoConStato2SenzaSalvare) {
    std::ofstream(File("non-una-serie.bri")) << "questa non è una serie";
    const std::vector<std::string> sbagliate = {
        "--sconosciuta",
        "--tipo 4",
        "--tipo",
        "--tipo uno",
        "--partite -1",
        "--partite 10x",
        "--seme 4294967296",
        "--mano-al-buio 2",
        "--casuale 5",
        "--casuale 1,,3",
        "--esperto 5",
        "--budget-esperto 0",
        "--budget-esperto 5001",
        "--verifica=1",
        "--carica manca.bri",
        "--carica non-una-serie.bri",
        "--regole manca.txt",
        "--sfidante manca.txt",
        "--salva cartella-che-manca/serie.bri",
    };
    for (const std::string& opzioni : sbagliate) {
        const Esito e = Esegui("--partite 3 --seme 1 --salva fatta.bri " + opzioni);
        EXPECT_EQ(e.stato, 2) << opzioni;
        EXPECT_FALSE(e.errori.empty()) << opzioni;
        EXPECT_TRUE(e.uscita.empty()) << opzioni;
        EXPECT_FALSE(fs::exists(File("fatta.bri"))) << opzioni;
    }
}

TEST_F(Serie, GliEspertiSiedonoAiPostiChiestiELaSerieSiRipete) {
    const std::string opzioni =
        "--tipo 2 --partite 10 --seme 5 --esperto 0,3 --budget-esperto 4 --json";
    const Esito a = Esegui(opzioni);
    ASSERT_EQ(a.stato, 0) << a.errori;
    EXPECT_EQ(Esegui(opzioni).uscita.substr(0, a.uscita.find("\"secondi\"")),
              a.uscita.substr(0, a.uscita.find("\"secondi\"")));
    // Seats 0 and 3 are experts, the others the tactical players of seating 2.
    const std::string esperto = "\"Esperto 4 partite per carta\"";
    const std::string tattico = "\"Probabilit";
    EXPECT_NE(a.uscita.find("\"descrizioni\":[" + esperto + "," + tattico), std::string::npos)
        << a.uscita;
    const auto quarto = a.uscita.find("," + esperto + "," + tattico);
    ASSERT_NE(quarto, std::string::npos) << a.uscita;
    // Two commas between the list's start and the fourth entry.
    const auto inizio = static_cast<long>(a.uscita.find("\"descrizioni\""));
    EXPECT_EQ(
        std::count(a.uscita.begin() + inizio, a.uscita.begin() + static_cast<long>(quarto), ','), 2)
        << a.uscita;
}

TEST_F(Serie, TabellaLeggibileConLeDescrizioni) {
    const Esito e = Esegui("--tipo 1 --partite 20 --seme 3 --casuale 1,3");
    ASSERT_EQ(e.stato, 0) << e.errori;
    EXPECT_NE(e.uscita.find("Migliore regole.OK.txt"), std::string::npos) << e.uscita;
    EXPECT_NE(e.uscita.find("Gioca a Caso"), std::string::npos) << e.uscita;
    EXPECT_EQ(e.uscita.find("Probabilit"), std::string::npos) << e.uscita;
    EXPECT_NE(e.uscita.find("partite al secondo"), std::string::npos) << e.uscita;
}

TEST_F(Serie, FiliDiversiStessiTotaliNelleSerieDiSoliComputer) {
    const Esito uno = Esegui("--tipo 1 --partite 60 --seme 8 --fili 1 --json");
    const Esito due = Esegui("--tipo 1 --partite 60 --seme 8 --fili 2 --json");
    ASSERT_EQ(uno.stato, 0) << uno.errori;
    ASSERT_EQ(due.stato, 0) << due.errori;
    EXPECT_EQ(Numeri(uno.uscita, "totale"), Numeri(due.uscita, "totale"));
    EXPECT_EQ(Numeri(uno.uscita, "errore_standard"), Numeri(due.uscita, "errore_standard"));
    EXPECT_EQ(Campo(uno.uscita, "fili"), 1);
    EXPECT_EQ(Campo(due.uscita, "fili"), 2);
}

TEST_F(Serie, OgniPostoHaErroreStandardEIntervallo) {
    const Esito e = Esegui("--tipo 1 --partite 40 --seme 2 --fili 1 --json");
    ASSERT_EQ(e.stato, 0) << e.errori;
    const auto media = Numeri(e.uscita, "media");
    const auto errore = Numeri(e.uscita, "errore_standard");
    ASSERT_EQ(errore.size(), 5u);
    // "ic95":[[a,b],...]: the pairs, read as one list.
    const auto inizio = e.uscita.find("\"ic95\":[[");
    ASSERT_NE(inizio, std::string::npos);
    std::string coppie = e.uscita.substr(inizio + 8, e.uscita.find("]]", inizio) - inizio - 7);
    std::replace(coppie.begin(), coppie.end(), '[', ' ');
    std::replace(coppie.begin(), coppie.end(), ']', ' ');
    const auto estremi = Numeri("\"x\":[" + coppie + "]", "x");
    ASSERT_EQ(estremi.size(), 10u);
    for (std::size_t s = 0; s < 5; ++s) {
        EXPECT_GT(errore[s], 0.0);
        EXPECT_LT(estremi[2 * s], media[s]);
        EXPECT_GT(estremi[2 * s + 1], media[s]);
    }
    // Seats 1 and 3 (the tactical players) against the others.
    EXPECT_NE(e.uscita.find("\"gruppi\":[{\"posti\":[1,3],\"giocatore\":\"Probabilità\""),
              std::string::npos)
        << e.uscita;
    const Esito tabella = Esegui("--tipo 1 --partite 40 --seme 2");
    EXPECT_NE(tabella.uscita.find("IC 95%"), std::string::npos) << tabella.uscita;
    EXPECT_NE(tabella.uscita.find("posti 1,3"), std::string::npos) << tabella.uscita;
}

TEST_F(Serie, UnErroreNelFileDelleRegoleDiceFileERiga) {
    // Lines ended by a lone CR count too.
    std::ofstream(File("mie.txt"), std::ios::binary) << "R1 1 Prendo;\r\rR2 2 prendo;\r";
    std::ofstream(File("senza-peso.txt"), std::ios::binary) << "R1 1 Prendo;\nSolo;\n";
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"--regole mie.txt", "mie.txt riga 3: Predicato prendo Inesistente\n"},
        {"--sfidante mie.txt", "mie.txt riga 3: Predicato prendo Inesistente\n"},
        {"--sfidante senza-peso.txt",
         "senza-peso.txt riga 2: La regola Solo non ha né peso né bersaglio\n"},
    };
    for (const auto& [opzioni, errore] : casi) {
        const Esito e = Esegui("--partite 3 --seme 1 " + opzioni);
        EXPECT_EQ(e.stato, 2) << opzioni;
        EXPECT_EQ(e.errori, errore) << opzioni;
        EXPECT_TRUE(e.uscita.empty()) << opzioni;
    }
}

TEST_F(Serie, UnRegistroDiProvaCheNonSiScriveLoDice) {
    fs::create_directory(File("cartella"));
    const Esito e = Esegui("--tipo 3 --partite 5 --seme 1 --log-test cartella --json");
    EXPECT_EQ(e.stato, 0) << e.errori;
    EXPECT_EQ(Campo(e.uscita, "partite"), 5);
    EXPECT_EQ(e.errori,
              "pentaludo-serie: impossibile scrivere il registro di prova in cartella (5 righe "
              "perse)\n");
}

TEST_F(Serie, UnaSerieSalvataNonRegolareSiRifiuta) {
    ASSERT_EQ(::mkfifo(File("fifo.bri").c_str(), 0600), 0);
    const Esito e = Esegui("--carica fifo.bri --partite 1");
    EXPECT_EQ(e.stato, 2);
    EXPECT_EQ(e.errori,
              "pentaludo-serie: impossibile caricare la serie fifo.bri: non è un file regolare\n");
}

TEST_F(Serie, UnConteggioSalvatoAlLimiteNonTraboccaPiu) {
    ASSERT_EQ(Esegui("--partite 30 --seme 11 --salva g30.bri --json").stato, 0);
    const std::string g30 = Contenuto(File("g30.bri"));
    const auto ConConteggio = [&](const std::string& nome, std::uint32_t conteggio) {
        std::string byte = g30;
        for (int k = 0; k < 4; ++k) {
            byte[static_cast<std::size_t>(4 + k)] = static_cast<char>(conteggio >> (8 * k));
        }
        std::ofstream(File(nome), std::ios::binary) << byte;
    };
    ConConteggio("max.bri", 2147483647u);
    ConConteggio("quasi.bri", 2147483646u);

    // A series at the limit loads and saves again unchanged; it cannot take another game.
    const Esito copia = Esegui("--carica max.bri --partite 0 --salva copia.bri --json");
    EXPECT_EQ(copia.stato, 0) << copia.errori;
    EXPECT_EQ(Campo(copia.uscita, "partite"), 2147483647.0);
    EXPECT_EQ(Contenuto(File("copia.bri")), Contenuto(File("max.bri")));
    const Esito max = Esegui("--carica max.bri --partite 2");
    EXPECT_EQ(max.stato, 2);
    EXPECT_EQ(max.errori, "pentaludo-serie: La serie ha già 2147483647 partite: se ne possono "
                          "giocare al più altre 0\n");
    const Esito troppe = Esegui("--carica quasi.bri --partite 2");
    EXPECT_EQ(troppe.stato, 2);
    EXPECT_EQ(troppe.errori, "pentaludo-serie: La serie ha già 2147483646 partite: se ne possono "
                             "giocare al più altre 1\n");
    const Esito una = Esegui("--carica quasi.bri --partite 1 --salva piena.bri --json");
    EXPECT_EQ(una.stato, 0) << una.errori;
    EXPECT_EQ(Campo(una.uscita, "partite"), 2147483647.0);
    EXPECT_EQ(Esegui("--carica piena.bri --partite 0").stato, 0);

    // A seat's total at the limit: the message says so.
    std::string totale = g30;
    for (int k = 0; k < 4; ++k) {
        totale[static_cast<std::size_t>(8 + 52 + k)] = static_cast<char>(0x7fffffffu >> (8 * k));
    }
    std::ofstream(File("totale.bri"), std::ios::binary) << totale;
    const Esito punti = Esegui("--carica totale.bri --partite 1");
    EXPECT_EQ(punti.stato, 2);
    EXPECT_EQ(punti.errori, "pentaludo-serie: La serie ha raggiunto il limite dei punti che può "
                            "contare nel totale del posto 1: per continuare, iniziane una nuova\n");
}

TEST_F(Serie, OpzioniCheChiedonoLoStessoPostoSiRifiutano) {
    std::ofstream(File("mie.txt")) << Contenuto(PENTALUDO_DATI_SORGENTE "/regole.OK.txt");
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"--esperto 4 --sfidante mie.txt", "--sfidante e --esperto chiedono entrambe il posto 4"},
        {"--esperto 0 --casuale 0", "--casuale e --esperto chiedono entrambe il posto 0"},
        {"--esperto 1,2 --casuale 3,2", "--casuale e --esperto chiedono entrambe il posto 2"},
        {"--casuale 4 --sfidante mie.txt", "--sfidante e --casuale chiedono entrambe il posto 4"},
        {"--tipo 0 --sfidante mie.txt --casuale 4 --esperto 4",
         "--sfidante, --casuale e --esperto chiedono tutte il posto 4"},
    };
    for (const auto& [opzioni, conflitto] : casi) {
        const Esito e =
            Esegui("--partite 3 --seme 1 --budget-esperto 4 --salva fatta.bri " + opzioni);
        EXPECT_EQ(e.stato, 2) << opzioni;
        EXPECT_EQ(e.errori, "pentaludo-serie: Opzioni in conflitto: " + conflitto +
                                ", che ha un solo giocatore\nPer l'elenco delle opzioni: "
                                "pentaludo-serie --aiuto\n")
            << opzioni;
        EXPECT_TRUE(e.uscita.empty()) << opzioni;
        EXPECT_FALSE(fs::exists(File("fatta.bri"))) << opzioni;
    }
    // Different seats are no conflict; at seat 4 of seating 0 the table says who sits there.
    const Esito e = Esegui("--tipo 0 --partite 3 --seme 1 --budget-esperto 4 --esperto 4 "
                           "--casuale 0 --fili 1");
    EXPECT_EQ(e.stato, 0) << e.errori;
    EXPECT_EQ(e.uscita.rfind("Serie di tipo 0 senza l'umano simulato (al posto 4: Esperto 4 "
                             "partite per carta), seme 1: 3 partite",
                             0),
              0u)
        << e.uscita;
    const Esito umano = Esegui("--tipo 0 --partite 3 --seme 1 --casuale 0 --fili 1");
    EXPECT_EQ(umano.uscita.rfind("Serie di tipo 0, seme 1: 3 partite", 0), 0u) << umano.uscita;
    EXPECT_NE(Esegui("--aiuto").uscita.find("al più 5000"), std::string::npos);
}

TEST_F(Serie, RegistraOgniPartitaNellOrdineDellaSerie) {
    // The same games whatever the threads, one "partita" line each, numbered in order.
    const Esito uno = Esegui("--tipo 3 --partite 12 --seme 8 --fili 1 --registra uno.txt");
    ASSERT_EQ(uno.stato, 0) << uno.errori;
    const Esito tre = Esegui("--tipo 3 --partite 12 --seme 8 --fili 3 --registra tre.txt");
    ASSERT_EQ(tre.stato, 0) << tre.errori;
    const std::string testo = Contenuto(File("uno.txt"));
    EXPECT_EQ(Contenuto(File("tre.txt")), testo);
    std::istringstream righe(testo);
    int partite = 0;
    for (std::string riga; std::getline(righe, riga);) {
        if (riga.rfind("partita ", 0) == 0) {
            EXPECT_EQ(riga, "partita " + std::to_string(partite++));
        }
    }
    EXPECT_EQ(partite, 12);
    // A file that cannot be written: said, and the series not played.
    const Esito manca = Esegui("--partite 3 --registra manca/partite.txt");
    EXPECT_EQ(manca.stato, 2);
    EXPECT_EQ(manca.errori,
              "pentaludo-serie: impossibile scrivere le partite in manca/partite.txt\n");
    EXPECT_TRUE(manca.uscita.empty());
}
