#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace fs = std::filesystem;

namespace {

using Byte = std::vector<std::uint8_t>;

constexpr std::size_t kIntestazione = 268;
constexpr std::size_t kPerPartita = 80;

void Int32(Byte& b, std::int32_t valore) {
    const auto v = static_cast<std::uint32_t>(valore);
    for (int k = 0; k < 4; ++k) {
        b.push_back(static_cast<std::uint8_t>((v >> (8 * k)) & 0xFF));
    }
}

void ScriviInt32(Byte& b, std::size_t posizione, std::int32_t valore) {
    Byte quattro;
    Int32(quattro, valore);
    std::copy(quattro.begin(), quattro.end(), b.begin() + static_cast<std::ptrdiff_t>(posizione));
}

// A game of the history as the test knows it, independently of the code under test.
struct PartitaNota {
    std::array<int, 40> mazzo{};
    Chiamata chiamata;
    int chiamante = 0;
    int socio = 0;
    std::array<int, 5> punti{};
    std::array<int, 5> punteggi{};
};

// The expected contents of a history of known games.
struct StoriaNota {
    std::vector<PartitaNota> partite;
    std::array<int, 5> totale{};
    int statistiche[4][3][5] = {};

    void Aggiungi(const PartitaNota& p) {
        partite.push_back(p);
        for (int s = 0; s < 5; ++s) {
            totale[static_cast<std::size_t>(s)] += p.punteggi[static_cast<std::size_t>(s)];
            const int esito = p.punteggi[static_cast<std::size_t>(s)] > 0 ? 0 : 1;
            const int ruolo = s == p.chiamante ? 0 : s == p.socio ? 1 : 2;
            ++statistiche[ruolo][esito][s];
            ++statistiche[3][esito][s];
            ++statistiche[ruolo][2][s];
            ++statistiche[3][2][s];
        }
    }

    // The file, built byte by byte from the description of the .bri format.
    Byte File() const {
        Byte b;
        const int n = static_cast<int>(partite.size());
        Int32(b, 1);
        Int32(b, n);
        for (int s = 0; s < 5; ++s) {
            Int32(b, totale[static_cast<std::size_t>(s)]);
            for (int ruolo = 0; ruolo < 4; ++ruolo) {
                for (int esito = 0; esito < 3; ++esito) {
                    Int32(b, statistiche[ruolo][esito][s]);
                }
            }
        }
        for (int casella = 0; casella < std::min(n, 25); ++casella) {
            // The latest game g with g mod 25 = casella.
            const int g = casella + 25 * ((n - 1 - casella) / 25);
            const PartitaNota& p = partite[static_cast<std::size_t>(g)];
            // E: the five scores, the five points, two bytes of no meaning (we write 0),
            // the bid's 12 bytes.
            Byte e;
            for (int s = 0; s < 5; ++s) {
                e.push_back(static_cast<std::uint8_t>(p.punteggi[static_cast<std::size_t>(s)]));
            }
            for (int s = 0; s < 5; ++s) {
                e.push_back(static_cast<std::uint8_t>(p.punti[static_cast<std::size_t>(s)]));
            }
            e.push_back(0);
            e.push_back(0);
            Int32(e, p.chiamata.Seme);
            Int32(e, p.chiamata.Valore);
            Int32(e, p.chiamata.Punti);
            for (std::size_t s = 0; s < 5; ++s) {
                for (std::size_t k = 0; k < 4; ++k) {
                    b.push_back(e[s + k]);
                }
                for (std::size_t k = 0; k < 4; ++k) {
                    b.push_back(e[5 + s + k]);
                }
            }
            Int32(b, p.chiamante);
            Int32(b, p.socio);
            Int32(b, p.chiamata.Seme);
            Int32(b, p.chiamata.Valore);
            Int32(b, p.chiamata.Punti);
            for (std::size_t k = 0; k < 20; ++k) {
                b.push_back(static_cast<std::uint8_t>(p.mazzo[2 * k] | (p.mazzo[2 * k + 1] << 4)));
            }
        }
        return b;
    }
};

constexpr std::array<int, 27> kChiamate = {9,  8,  7,  6,  5,   4,   3,   2,   1,
                                           0,  61, 65, 69, 70,  72,  75,  79,  80,
                                           81, 85, 90, 95, 100, 105, 110, 115, 120};

// Known game g: a shuffled deal, a bid from the ladder, random cards from the hand on turn;
// each trick goes to its winner by the arbiter (in games 13 and 26, all to the caller).
// Scores it into storia and returns what the test expects of it.
PartitaNota GiocaPartitaNota(int g, TipoStoriaPartite& storia) {
    std::mt19937 gen(1000u + static_cast<unsigned>(g));
    PartitaNota p;
    for (int c = 0; c < 40; ++c) {
        p.mazzo[static_cast<std::size_t>(c)] = c / 8;
    }
    for (int i = 39; i > 0; --i) {
        const auto j = gen() % static_cast<unsigned>(i + 1);
        std::swap(p.mazzo[static_cast<std::size_t>(i)], p.mazzo[j]);
    }
    p.chiamata = Chiamata(kChiamate[static_cast<std::size_t>(g)]);
    if (g % 2 == 1) {
        p.chiamata.Seme = g % 4;
    }
    const int briscola = (g / 3) % 4;
    const int cartaChiamata = briscola * 10 + p.chiamata.Valore;
    p.socio = p.mazzo[static_cast<std::size_t>(cartaChiamata)];
    p.chiamante = g % 7 == 4 ? p.socio : g % 5;
    const bool tuttoAlChiamante = g == 13 || g == 26;

    RegistroPartita r;
    r.DistribuisciMani(p.mazzo);
    r.chiamata = p.chiamata;
    r.chiamante = static_cast<std::int8_t>(p.chiamante);
    r.briscola = Briscola(briscola);
    std::array<bool, 40> giocata{};
    int primo = (3 * g) % 5;
    for (int t = 0; t < 8; ++t) {
        std::vector<int> presa;
        for (int i = 0; i < 5; ++i) {
            const int s = (primo + i) % 5;
            std::vector<int> mano;
            for (int c = 0; c < 40; ++c) {
                if (p.mazzo[static_cast<std::size_t>(c)] == s &&
                    !giocata[static_cast<std::size_t>(c)]) {
                    mano.push_back(c);
                }
            }
            const int c = mano[gen() % mano.size()];
            giocata[static_cast<std::size_t>(c)] = true;
            r.RegistraGiocata(Carta::DaIndice(c));
            presa.push_back(c);
        }
        const int vincitore = tuttoAlChiamante
                                  ? p.chiamante
                                  : (primo + arbitro::PosizioneVincente(presa, briscola)) % 5;
        for (const int c : presa) {
            p.punti[static_cast<std::size_t>(vincitore)] += arbitro::Punti(c);
        }
        r.RaccogliPresa(vincitore);
        primo = vincitore;
    }
    const int lato = p.punti[static_cast<std::size_t>(p.chiamante)] +
                     (p.socio != p.chiamante ? p.punti[static_cast<std::size_t>(p.socio)] : 0);
    p.punteggi = arbitro::Punteggi(p.chiamante, p.socio, p.chiamata.Punti, lato);
    storia.RegistraPartita(r);
    return p;
}

StoriaNota StoriaDiPartiteNote(int quante, TipoStoriaPartite& storia) {
    StoriaNota nota;
    for (int g = 0; g < quante; ++g) {
        nota.Aggiungi(GiocaPartitaNota(g, storia));
    }
    return nota;
}

// Equal in everything, the 25 slots of the ring included.
void Identiche(const TipoStoriaPartite& a, const TipoStoriaPartite& b) {
    ASSERT_EQ(a, b);
    for (int g = 0; g < 25; ++g) {
        ASSERT_EQ(a.Partita(g), b.Partita(g)) << g;
    }
}

class FileStoria : public ConStatoPulito {
protected:
    CartellaTemporanea cartella;

    // The names in the test's folder.
    std::set<std::string> ElencoCartella() const {
        std::set<std::string> nomi;
        for (const auto& voce : fs::directory_iterator(cartella.Percorso())) {
            nomi.insert(voce.path().filename().string());
        }
        return nomi;
    }
};

} // namespace

TEST_F(FileStoria, UnaStoriaVuotaEIlSoloPreambolo) {
    const TipoStoriaPartite storia;
    const std::string nome = cartella.File("vuota.bri");
    ASSERT_TRUE(storia.Salva(nome));
    Byte atteso;
    Int32(atteso, 1);
    for (int i = 0; i < 1 + 5 * 13; ++i) {
        Int32(atteso, 0);
    }
    EXPECT_EQ(LeggiByte(nome), atteso);
    EXPECT_EQ(atteso.size(), kIntestazione);
}

TEST_F(FileStoria, UnaPartitaScrittaAManoSiCaricaESiRiscriveUgualeByteAByte) {
    Byte file;
    Int32(file, 1);
    Int32(file, 1);
    // Seat 0 called and won with partner 1: totals 2, 1, -1, -1, -1.
    const int totali[5] = {2, 1, -1, -1, -1};
    for (int s = 0; s < 5; ++s) {
        Int32(file, totali[s]);
        const int ruolo = s == 0 ? 0 : s == 1 ? 1 : 2;
        const int esito = s < 2 ? 0 : 1;
        for (int r = 0; r < 4; ++r) {
            for (int e = 0; e < 3; ++e) {
                Int32(file, (r == ruolo || r == 3) && (e == esito || e == 2) ? 1 : 0);
            }
        }
    }
    // Scores 2, 1, -1, -1, -1; points 40, 21, 30, 29, 0; bid on the Tre (Seme -1, 60).
    // E = 02 01 FF FF FF | 28 15 1E 1D 00 | 00 00 | FF FF FF FF 08 00 00 00 3C 00 00 00
    const Byte partita = {
        0x02, 0x01, 0xFF, 0xFF, 0x28, 0x15, 0x1E, 0x1D, // seat 0: E[0..3], E[5..8]
        0x01, 0xFF, 0xFF, 0xFF, 0x15, 0x1E, 0x1D, 0x00, // seat 1: E[1..4], E[6..9]
        0xFF, 0xFF, 0xFF, 0x28, 0x1E, 0x1D, 0x00, 0x00, // seat 2: E[2..5], E[7..10]
        0xFF, 0xFF, 0x28, 0x15, 0x1D, 0x00, 0x00, 0x00, // seat 3: E[3..6], E[8..11]
        0xFF, 0x28, 0x15, 0x1E, 0x00, 0x00, 0x00, 0xFF, // seat 4: E[4..7], E[9..12]
        0x00, 0x00, 0x00, 0x00,                         // caller 0
        0x01, 0x00, 0x00, 0x00,                         // partner 1
        0xFF, 0xFF, 0xFF, 0xFF, 0x08, 0x00, 0x00, 0x00, 0x3C, 0x00, 0x00, 0x00, // the bid
        0x00, 0x00, 0x00, 0x00, 0x11, 0x11, 0x11, 0x11, 0x22, 0x22, // deal: card c to c / 8
        0x22, 0x22, 0x33, 0x33, 0x33, 0x33, 0x44, 0x44, 0x44, 0x44};
    ASSERT_EQ(partita.size(), kPerPartita);
    file.insert(file.end(), partita.begin(), partita.end());
    const std::string nome = cartella.File("una.bri");
    ScriviByte(nome, file);

    TipoStoriaPartite storia;
    ASSERT_TRUE(storia.Carica(nome));
    EXPECT_EQ(storia.numeroPartite, 1);
    const int punti[5] = {40, 21, 30, 29, 0};
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(storia.Totale(s), totali[s]);
        EXPECT_EQ(storia.Punteggio(0, s), totali[s]);
        EXPECT_EQ(storia.Partita(0).punti[static_cast<std::size_t>(s)], punti[s]);
    }
    EXPECT_EQ(storia.Chiamante(0), 0);
    EXPECT_EQ(storia.Socio(0), 1);
    EXPECT_EQ(storia.ChiamataPartita(0), Chiamata(kTre));
    EXPECT_EQ(storia.ChiamataPartita(0).Seme, -1);
    for (int c = 0; c < 40; ++c) {
        EXPECT_EQ(storia.Partita(0).mazzo[static_cast<std::size_t>(c)], c / 8);
    }
    EXPECT_EQ(storia.Statistiche(kRuoloChiamante, kVinte, 0), 1);
    EXPECT_EQ(storia.Statistiche(kRuoloAvversario, kPerse, 3), 1);

    const std::string copia = cartella.File("copia.bri");
    ASSERT_TRUE(storia.Salva(copia));
    EXPECT_EQ(LeggiByte(copia), file);
}

TEST_F(FileStoria, VentisettePartiteNoteByteAByteERicaricateUguali) {
    TipoStoriaPartite storia;
    const StoriaNota nota = StoriaDiPartiteNote(27, storia);
    ASSERT_EQ(storia.numeroPartite, 27);
    // The history holds what the test expects, before any file is written.
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(storia.Totale(s), nota.totale[static_cast<std::size_t>(s)]);
    }
    for (int g = 2; g < 27; ++g) {
        const PartitaNota& p = nota.partite[static_cast<std::size_t>(g)];
        EXPECT_EQ(storia.Chiamante(g), p.chiamante) << g;
        EXPECT_EQ(storia.Socio(g), p.socio) << g;
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(storia.Punteggio(g, s), p.punteggi[static_cast<std::size_t>(s)]) << g;
            EXPECT_EQ(storia.Partita(g).punti[static_cast<std::size_t>(s)],
                      p.punti[static_cast<std::size_t>(s)])
                << g;
        }
    }

    const std::string nome = cartella.File("serie.bri");
    ASSERT_TRUE(storia.Salva(nome));
    const Byte atteso = nota.File();
    ASSERT_EQ(atteso.size(), kIntestazione + 25 * kPerPartita);
    const Byte scritto = LeggiByte(nome);
    ASSERT_EQ(scritto.size(), atteso.size());
    for (std::size_t i = 0; i < atteso.size(); ++i) {
        ASSERT_EQ(static_cast<int>(scritto[i]), static_cast<int>(atteso[i])) << "byte " << i;
    }
    EXPECT_FALSE(fs::exists(nome + ".tmp"));

    TipoStoriaPartite caricata;
    ASSERT_TRUE(caricata.Carica(nome));
    EXPECT_EQ(caricata, storia);
    EXPECT_EQ(caricata.PrimaPartitaTenuta(), 2);
    for (int ruolo = 0; ruolo < 4; ++ruolo) {
        for (int esito = 0; esito < 3; ++esito) {
            for (int s = 0; s < 5; ++s) {
                EXPECT_EQ(caricata.Statistiche(ruolo, esito, s), nota.statistiche[ruolo][esito][s]);
            }
        }
    }
    // The constructor with a name loads the file too.
    EXPECT_EQ(TipoStoriaPartite(nome), storia);
}

TEST_F(FileStoria, LePartiteNoteCopronoICasiDelPunteggio) {
    TipoStoriaPartite storia;
    const StoriaNota nota = StoriaDiPartiteNote(27, storia);
    bool socioDiSeStesso = false, tuttiIPunti = false, persa = false, vinta = false;
    for (const PartitaNota& p : nota.partite) {
        socioDiSeStesso = socioDiSeStesso || p.chiamante == p.socio;
        tuttiIPunti = tuttiIPunti || p.punti[static_cast<std::size_t>(p.chiamante)] == 120;
        persa = persa || p.punteggi[static_cast<std::size_t>(p.chiamante)] < 0;
        vinta = vinta || p.punteggi[static_cast<std::size_t>(p.chiamante)] > 0;
    }
    EXPECT_TRUE(socioDiSeStesso);
    EXPECT_TRUE(tuttiIPunti);
    EXPECT_TRUE(persa);
    EXPECT_TRUE(vinta);
}

TEST_F(FileStoria, UnLettoreUsaSoloIlPrimoByteDiOgniCampo) {
    TipoStoriaPartite storia;
    const StoriaNota nota = StoriaDiPartiteNote(3, storia);
    Byte file = nota.File();
    // Garbage in the three bytes after the first of the score, points, caller and partner
    // fields of the first game.
    for (std::size_t campo = 0; campo < 12; ++campo) {
        for (std::size_t k = 1; k < 4; ++k) {
            file[kIntestazione + 4 * campo + k] = static_cast<std::uint8_t>(0xA5 + campo + k);
        }
    }
    file[0] = 7; // the first field is read back and ignored
    const std::string nome = cartella.File("sporco.bri");
    ScriviByte(nome, file);
    TipoStoriaPartite caricata;
    ASSERT_TRUE(caricata.Carica(nome));
    EXPECT_EQ(caricata, storia);
}

TEST_F(FileStoria, UnConteggioOltreVenticinqueTieneVenticinquePartite) {
    TipoStoriaPartite storia;
    const StoriaNota nota = StoriaDiPartiteNote(25, storia);
    Byte file = nota.File();
    ScriviInt32(file, 4, 1000);
    const std::string nome = cartella.File("mille.bri");
    ScriviByte(nome, file);
    TipoStoriaPartite caricata;
    ASSERT_TRUE(caricata.Carica(nome));
    EXPECT_EQ(caricata.numeroPartite, 1000);
    EXPECT_EQ(caricata.PrimaPartitaTenuta(), 975);
    for (int g = 0; g < 25; ++g) {
        EXPECT_EQ(caricata.Partita(g), storia.Partita(g));
    }
}

TEST_F(FileStoria, CaricaSostituisceLaStoriaPrecedente) {
    TipoStoriaPartite tre;
    const StoriaNota nota = StoriaDiPartiteNote(3, tre);
    const std::string nome = cartella.File("tre.bri");
    ASSERT_TRUE(tre.Salva(nome));
    TipoStoriaPartite storia;
    StoriaDiPartiteNote(27, storia);
    ASSERT_TRUE(storia.Carica(nome));
    EXPECT_EQ(storia, tre);
    EXPECT_EQ(storia.numeroPartite, 3);
}

TEST_F(FileStoria, SalvareSovrascriveUnFilePrecedente) {
    TipoStoriaPartite storia;
    const std::string nome = cartella.File("serie.bri");
    ScriviByte(nome, std::string(5000, 'x'));
    StoriaDiPartiteNote(2, storia);
    ASSERT_TRUE(storia.Salva(nome));
    EXPECT_EQ(LeggiByte(nome).size(), kIntestazione + 2 * kPerPartita);
    EXPECT_FALSE(fs::exists(nome + ".tmp"));
}

// ---- Loads that must fail and leave the history exactly as it was.

class FileStoriaGuasto : public FileStoria {
protected:
    void SetUp() override {
        FileStoria::SetUp();
        StoriaDiPartiteNote(3, storia);
        prima = storia;
        TipoStoriaPartite valida;
        valido = StoriaDiPartiteNote(27, valida).File();
    }

    // Carica of these bytes fails and changes nothing.
    void Rifiutato(const Byte& byte, const std::string& perche) {
        const std::string nome = cartella.File("guasto.bri");
        ScriviByte(nome, byte);
        EXPECT_FALSE(storia.Carica(nome)) << perche;
        Identiche(storia, prima);
    }

    TipoStoriaPartite storia;
    TipoStoriaPartite prima;
    Byte valido;
};

TEST_F(FileStoriaGuasto, UnFileCheNonSiApreNonCambiaNiente) {
    EXPECT_FALSE(storia.Carica(cartella.File("manca.bri")));
    Identiche(storia, prima);
    EXPECT_FALSE(storia.Carica(cartella.Percorso().string()));
    Identiche(storia, prima);
    EXPECT_FALSE(storia.Carica(""));
    Identiche(storia, prima);
}

TEST_F(FileStoriaGuasto, OgniTroncamentoERifiutato) {
    for (std::size_t lunghezza = 0; lunghezza < valido.size(); ++lunghezza) {
        Rifiutato(Byte(valido.begin(), valido.begin() + static_cast<std::ptrdiff_t>(lunghezza)),
                  "troncato a " + std::to_string(lunghezza));
        if (HasFatalFailure()) {
            return;
        }
    }
    Byte lungo = valido;
    lungo.push_back(0);
    Rifiutato(lungo, "un byte in piu");
}

TEST_F(FileStoriaGuasto, ConteggiSbagliati) {
    Byte file = valido;
    ScriviInt32(file, 4, -1);
    Rifiutato(file, "conteggio negativo");
    Byte soloPreambolo(valido.begin(), valido.begin() + kIntestazione);
    ScriviInt32(soloPreambolo, 4, -25);
    Rifiutato(soloPreambolo, "conteggio negativo senza partite");
    ScriviInt32(soloPreambolo, 4, std::numeric_limits<std::int32_t>::min());
    Rifiutato(soloPreambolo, "conteggio minimo");
    ScriviInt32(soloPreambolo, 4, 1);
    Rifiutato(soloPreambolo, "una partita senza i suoi byte");
    for (const int conteggio : {0, 3, 24}) {
        file = valido;
        ScriviInt32(file, 4, conteggio);
        Rifiutato(file, "conteggio " + std::to_string(conteggio) + " con 25 partite");
    }
    // A count that matches a shorter file: 2 games' bytes, count 3.
    Byte due(valido.begin(), valido.begin() + kIntestazione + 2 * kPerPartita);
    ScriviInt32(due, 4, 3);
    Rifiutato(due, "conteggio 3 con 2 partite");
}

TEST_F(FileStoriaGuasto, SeggiFuoriDaZeroAQuattro) {
    for (std::size_t partita : {0u, 12u, 24u}) {
        const std::size_t inizio = kIntestazione + partita * kPerPartita;
        for (const std::uint8_t seggio : {5, 0xFF, 0x80}) {
            Byte file = valido;
            file[inizio + 40] = seggio;
            Rifiutato(file, "chiamante " + std::to_string(seggio));
            file = valido;
            file[inizio + 44] = seggio;
            Rifiutato(file, "socio " + std::to_string(seggio));
        }
        for (const std::size_t k : {0u, 7u, 19u}) {
            for (const std::uint8_t nibble : {5, 9, 15}) {
                Byte file = valido;
                auto& b = file[inizio + 60 + k];
                b = static_cast<std::uint8_t>((b & 0xF0) | nibble);
                Rifiutato(file, "carta bassa");
                file = valido;
                auto& a = file[inizio + 60 + k];
                a = static_cast<std::uint8_t>((a & 0x0F) | (nibble << 4));
                Rifiutato(file, "carta alta");
            }
        }
    }
}

TEST_F(FileStoriaGuasto, ChiamateFuoriDallaScala) {
    struct Caso {
        std::int32_t seme, valore, punti;
    };
    const std::vector<Caso> casi = {
        {-1, 10, 60}, {-1, -1, 60}, {-1, 998, 60}, {-1, 999, 60}, {-1, 0, 59},
        {-1, 0, 121}, {-1, 3, 61},  {-1, 9, 0},    {4, 8, 60},    {-2, 8, 60},
    };
    for (const std::size_t partita : {0u, 24u}) {
        const std::size_t bid = kIntestazione + partita * kPerPartita + 48;
        for (const Caso& c : casi) {
            Byte file = valido;
            ScriviInt32(file, bid, c.seme);
            ScriviInt32(file, bid + 4, c.valore);
            ScriviInt32(file, bid + 8, c.punti);
            Rifiutato(file, std::to_string(c.seme) + " " + std::to_string(c.valore) + " " +
                                std::to_string(c.punti));
        }
    }
}

TEST_F(FileStoriaGuasto, ChiamateValideSulBordoDellaScala) {
    const std::size_t bid = kIntestazione + 48;
    for (const auto& [seme, valore, punti] :
         std::vector<std::array<std::int32_t, 3>>{{-1, 9, 60}, {3, 0, 60}, {0, 0, 120}}) {
        Byte file = valido;
        ScriviInt32(file, bid, seme);
        ScriviInt32(file, bid + 4, valore);
        ScriviInt32(file, bid + 8, punti);
        const std::string nome = cartella.File("bordo.bri");
        ScriviByte(nome, file);
        TipoStoriaPartite caricata;
        EXPECT_TRUE(caricata.Carica(nome)) << valore << " " << punti;
        EXPECT_EQ(caricata.ChiamataPartita(25).Punti, punti);
    }
}

TEST_F(FileStoriaGuasto, ByteCasualiNonFannoDanni) {
    std::mt19937 gen(4242);
    for (int prova = 0; prova < 300; ++prova) {
        // Any length; or a valid length with a matching count and random games.
        const bool lunghezzaGiusta = prova % 2 == 1;
        const std::size_t partite = gen() % 26;
        const std::size_t lunghezza =
            lunghezzaGiusta ? kIntestazione + partite * kPerPartita : gen() % 2500;
        Byte file(lunghezza);
        for (auto& b : file) {
            b = static_cast<std::uint8_t>(gen());
        }
        if (lunghezzaGiusta) {
            ScriviInt32(file, 4, static_cast<std::int32_t>(partite));
            if (partite == 0) {
                continue; // a valid empty series
            }
        }
        Rifiutato(file, "prova " + std::to_string(prova));
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST_F(FileStoriaGuasto, ByteAlteratiDiUnFileValidoNonFannoDanni) {
    std::mt19937 gen(777);
    const std::string nome = cartella.File("alterato.bri");
    for (int prova = 0; prova < 400; ++prova) {
        Byte file = valido;
        const int alterazioni = 1 + static_cast<int>(gen() % 4);
        for (int i = 0; i < alterazioni; ++i) {
            file[gen() % file.size()] = static_cast<std::uint8_t>(gen());
        }
        ScriviByte(nome, file);
        TipoStoriaPartite caricata = prima;
        if (!caricata.Carica(nome)) {
            Identiche(caricata, prima);
        } else {
            // Accepted: whatever it holds, it writes back to a file it accepts again.
            const std::string riscritto = cartella.File("riscritto.bri");
            fs::remove(riscritto);
            ASSERT_TRUE(caricata.Salva(riscritto));
            TipoStoriaPartite ancora;
            ASSERT_TRUE(ancora.Carica(riscritto));
            EXPECT_EQ(ancora, caricata);
        }
        if (HasFatalFailure()) {
            return;
        }
    }
}

// ---- Saves that fail.

TEST_F(FileStoria, SalvareInUnaCartellaCheNonEsisteFallisce) {
    TipoStoriaPartite storia;
    StoriaDiPartiteNote(2, storia);
    const std::string nome = cartella.File("non/esiste.bri");
    EXPECT_FALSE(storia.Salva(nome));
    EXPECT_FALSE(fs::exists(nome));
}

class SalvataggioFallito : public FileStoria {
protected:
    void SetUp() override {
        FileStoria::SetUp();
        StoriaDiPartiteNote(3, vecchia);
        ASSERT_TRUE(vecchia.Salva(nome));
        byteVecchi = LeggiByte(nome);
        StoriaDiPartiteNote(5, nuova);
    }

    void FileIntatto() {
        EXPECT_EQ(LeggiByte(nome), byteVecchi);
        TipoStoriaPartite letta;
        ASSERT_TRUE(letta.Carica(nome));
        EXPECT_EQ(letta, vecchia);
    }

    std::string nome = cartella.File("serie.bri");
    TipoStoriaPartite vecchia;
    TipoStoriaPartite nuova;
    Byte byteVecchi;
};

TEST_F(SalvataggioFallito, InUnaCartellaSenzaPermessoDiScrittura) {
    fs::permissions(cartella.Percorso(), fs::perms::owner_read | fs::perms::owner_exec);
    const std::string prova = cartella.File("prova-di-scrittura");
    if (std::FILE* f = std::fopen(prova.c_str(), "wb")) {
        // The superuser writes anywhere: this case cannot be made here.
        std::fclose(f);
        std::remove(prova.c_str());
        fs::permissions(cartella.Percorso(), fs::perms::owner_all);
        GTEST_SKIP() << "la cartella resta scrivibile (superutente)";
    }
    EXPECT_FALSE(nuova.Salva(nome));
    fs::permissions(cartella.Percorso(), fs::perms::owner_all);
    FileIntatto();
}

TEST_F(SalvataggioFallito, QuandoIlDiscoEPieno) {
    // A child process whose files may not grow past 100 bytes: the write fails half way.
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        ::_exit(nuova.Salva(nome) ? 1 : 0);
    }
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "il salvataggio non è fallito";
    FileIntatto();
    EXPECT_EQ(ElencoCartella(), (std::set<std::string>{"serie.bri"}));
}

TEST_F(SalvataggioFallito, QuandoIlNomePortaAUnDispositivo) {
    const std::string collegamento = cartella.File("pieno.bri");
    fs::create_symlink("/dev/full", collegamento);
    EXPECT_FALSE(nuova.Salva(collegamento));
    EXPECT_TRUE(fs::is_symlink(collegamento));
    EXPECT_EQ(ElencoCartella(), (std::set<std::string>{"pieno.bri", "serie.bri"}));
}

TEST_F(SalvataggioFallito, QuandoIlNomeEUnaCartella) {
    const std::string cartellaNome = cartella.File("cartella.bri");
    fs::create_directory(cartellaNome);
    fs::create_directory(cartellaNome + "/dentro");
    EXPECT_FALSE(nuova.Salva(cartellaNome));
    EXPECT_TRUE(fs::is_directory(cartellaNome + "/dentro"));
    EXPECT_FALSE(fs::exists(cartellaNome + ".tmp"));
    FileIntatto();
}

// ---- The save replaces the target and nothing else.

TEST_F(FileStoria, SalvareNonToccaNientAltroNellaCartella) {
    // An unrelated file named as the old temporary file was.
    ScriviByte(cartella.File("serie.bri.tmp"), std::string("non mio"));
    ScriviByte(cartella.File("altro.txt"), std::string("altro"));
    TipoStoriaPartite storia;
    StoriaDiPartiteNote(4, storia);
    ASSERT_TRUE(storia.Salva(cartella.File("serie.bri")));
    ASSERT_TRUE(storia.Salva(cartella.File("serie.bri")));
    EXPECT_EQ(ElencoCartella(), (std::set<std::string>{"altro.txt", "serie.bri", "serie.bri.tmp"}));
    const Byte nonMio = LeggiByte(cartella.File("serie.bri.tmp"));
    EXPECT_EQ(std::string(nonMio.begin(), nonMio.end()), "non mio");
}

TEST_F(FileStoria, UnNomeDi255ByteSiSalva) {
    const std::string nome = std::string(251, 'n') + ".bri";
    TipoStoriaPartite storia;
    StoriaDiPartiteNote(2, storia);
    ASSERT_TRUE(storia.Salva(cartella.File(nome)));
    TipoStoriaPartite letta;
    ASSERT_TRUE(letta.Carica(cartella.File(nome)));
    EXPECT_EQ(letta, storia);
    EXPECT_EQ(ElencoCartella(), (std::set<std::string>{nome}));
}

TEST_F(FileStoria, SiSalvaAttraversoUnCollegamentoSimbolico) {
    fs::create_directory(cartella / "vere");
    TipoStoriaPartite vecchia;
    StoriaDiPartiteNote(1, vecchia);
    ASSERT_TRUE(vecchia.Salva(cartella.File("vere/serie.bri")));
    fs::create_symlink("vere/serie.bri", cartella / "serie.bri");
    // A link to a file that does not exist yet creates that file.
    fs::create_symlink("vere/nuova.bri", cartella / "nuova.bri");
    TipoStoriaPartite storia;
    StoriaDiPartiteNote(3, storia);
    for (const std::string nome : {"serie.bri", "nuova.bri"}) {
        ASSERT_TRUE(storia.Salva(cartella.File(nome))) << nome;
        EXPECT_TRUE(fs::is_symlink(cartella / nome)) << nome;
        TipoStoriaPartite letta;
        ASSERT_TRUE(letta.Carica(cartella.File("vere/" + nome))) << nome;
        EXPECT_EQ(letta, storia) << nome;
    }
    EXPECT_EQ(fs::read_symlink(cartella / "serie.bri"), "vere/serie.bri");
    EXPECT_EQ(ElencoCartella(), (std::set<std::string>{"nuova.bri", "serie.bri", "vere"}));
}

TEST_F(FileStoria, IlFileTieneISuoiPermessi) {
    const std::string nome = cartella.File("serie.bri");
    TipoStoriaPartite storia;
    StoriaDiPartiteNote(2, storia);
    for (const auto permessi :
         {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
          fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read |
              fs::perms::others_write}) {
        ASSERT_TRUE(storia.Salva(nome));
        fs::permissions(nome, permessi);
        ASSERT_TRUE(storia.Salva(nome));
        EXPECT_EQ(fs::status(nome).permissions(), permessi);
    }
}

TEST_F(FileStoria, SoloUnFileRegolareSiCarica) {
    const std::string fifo = cartella.File("fifo.bri");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    TipoStoriaPartite storia;
    StoriaDiPartiteNote(2, storia);
    const TipoStoriaPartite prima = storia;
    for (const std::string& nome : {fifo, std::string("/dev/zero"), cartella.Percorso().string()}) {
        std::string motivo;
        EXPECT_FALSE(storia.Carica(nome, &motivo)) << nome;
        EXPECT_EQ(motivo, "non è un file regolare") << nome;
        Identiche(storia, prima);
    }
    std::string motivo;
    EXPECT_FALSE(storia.Carica(cartella.File("manca.bri"), &motivo));
    EXPECT_EQ(motivo, "non si può aprire");
}

// ---- Counters near the 32-bit limit.

namespace {

constexpr std::int32_t kMassimo = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinimo = std::numeric_limits<std::int32_t>::min();

// Byte offsets in the header of a seat's total and of one of its statistics.
std::size_t PosizioneTotale(int seggio) {
    return 8 + 52 * static_cast<std::size_t>(seggio);
}
std::size_t PosizioneStatistica(int seggio, int ruolo, int esito) {
    return PosizioneTotale(seggio) + 4 + 4 * static_cast<std::size_t>(ruolo * 3 + esito);
}

} // namespace

TEST_F(FileStoria, UnaSerieAlLimiteSiCaricaELaProssimaPartitaDiceCosaLoHaRaggiunto) {
    TipoStoriaPartite ventisette;
    const Byte valido = StoriaDiPartiteNote(27, ventisette).File();
    const std::string partite = "La serie ha raggiunto il limite delle partite che può contare: "
                                "per continuare, iniziane una nuova";
    const auto Totale = [](int posto) {
        return "La serie ha raggiunto il limite dei punti che può contare nel totale del posto " +
               std::to_string(posto) + ": per continuare, iniziane una nuova";
    };
    const auto Statistiche = [](int posto) {
        return "La serie ha raggiunto il limite delle partite che può contare nelle statistiche "
               "del posto " +
               std::to_string(posto) + ": per continuare, iniziane una nuova";
    };
    struct Caso {
        std::size_t posizione;
        std::int32_t valore;
        // Empty when the series takes one more game.
        std::string limite;
    };
    const std::vector<Caso> casi = {
        {4, kMassimo - 1, ""},
        {4, kMassimo, partite},
        {PosizioneTotale(2), kMassimo - TipoStoriaPartite::kPunteggioMassimo, ""},
        {PosizioneTotale(2), kMassimo - TipoStoriaPartite::kPunteggioMassimo + 1, Totale(2)},
        {PosizioneTotale(4), kMinimo + TipoStoriaPartite::kPunteggioMassimo, ""},
        {PosizioneTotale(4), kMinimo + TipoStoriaPartite::kPunteggioMassimo - 1, Totale(4)},
        {PosizioneTotale(0), kMinimo, Totale(0)},
        {PosizioneStatistica(1, kRuoloTutti, kGiocate), kMassimo - 1, ""},
        {PosizioneStatistica(1, kRuoloTutti, kGiocate), kMassimo, Statistiche(1)},
        {PosizioneStatistica(3, kRuoloSocio, kPerse), kMassimo, Statistiche(3)},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::to_string(c.posizione) + " = " + std::to_string(c.valore));
        Byte file = valido;
        ScriviInt32(file, c.posizione, c.valore);
        // Whatever the counters, a series this program could have written loads and writes
        // back the same bytes.
        TipoStoriaPartite storia;
        ASSERT_TRUE(storia.CaricaDaByte(std::string(file.begin(), file.end())));
        const std::string riscritto = storia.SalvaInByte();
        EXPECT_EQ(Byte(riscritto.begin(), riscritto.end()), file);
        EXPECT_EQ(storia.Limite(), c.limite);
        EXPECT_EQ(storia.Piena(), !c.limite.empty());
        EXPECT_EQ(storia.PartiteSicure() == 0, storia.Piena());
        if (!c.limite.empty()) {
            const TipoStoriaPartite piena = storia;
            EXPECT_EQ(Messaggio([&] { GiocaPartitaNota(7, storia); }), c.limite);
            Identiche(storia, piena);
            continue;
        }
        // The edge value still takes a game (game 13 gives the caller all 120 points, with the
        // scores at their largest).
        GiocaPartitaNota(13, storia);
        if (c.posizione == 4) {
            EXPECT_EQ(storia.numeroPartite, kMassimo);
            EXPECT_EQ(storia.Limite(), partite);
        }
    }
}

TEST_F(FileStoria, UnaSerieAccodataEComeLeSuePartiteAggiunteUnaAUna) {
    TipoStoriaPartite registrata;
    StoriaDiPartiteNote(27, registrata);
    // Played on from game 3 (of 9, 25, 30 ...): the ring of the whole, of the part, of both.
    struct Caso {
        int base;
        int seguito;
    };
    const std::vector<Caso> casi = {{0, 0},  {0, 27}, {3, 0},  {3, 5},   {3, 24},
                                    {3, 27}, {9, 20}, {25, 2}, {27, 30}, {30, 60}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::to_string(c.base) + " + " + std::to_string(c.seguito));
        const auto Gioco = [&](int g) { return registrata.Partita(g % 25); };
        TipoStoriaPartite intera;
        TipoStoriaPartite accodata;
        for (int g = 0; g < c.base; ++g) {
            intera.AggiungiPartita(Gioco(g));
            accodata.AggiungiPartita(Gioco(g));
        }
        TipoStoriaPartite seguito;
        seguito.numeroPartite = c.base;
        for (int g = c.base; g < c.base + c.seguito; ++g) {
            intera.AggiungiPartita(Gioco(g));
            seguito.AggiungiPartita(Gioco(g));
        }
        accodata.Accoda(seguito);
        Identiche(accodata, intera);
        EXPECT_EQ(accodata.SalvaInByte(), intera.SalvaInByte());
    }

    // A part that does not begin where the series ends, or that could pass a limit, is
    // refused and changes nothing.
    TipoStoriaPartite storia;
    StoriaDiPartiteNote(4, storia);
    TipoStoriaPartite altrove;
    altrove.numeroPartite = 5;
    altrove.AggiungiPartita(registrata.Partita(0));
    const TipoStoriaPartite prima = storia;
    EXPECT_EQ(Messaggio([&] { storia.Accoda(altrove); }),
              "ERRORE INTERNO - La serie da accodare non comincia dove finisce questa");
    Identiche(storia, prima);
    storia.totale[1] = kMassimo - TipoStoriaPartite::kPunteggioMassimo;
    EXPECT_EQ(storia.PartiteSicure(), 1);
    TipoStoriaPartite due;
    due.numeroPartite = 4;
    due.AggiungiPartita(registrata.Partita(0));
    TipoStoriaPartite quasiPiena = storia;
    quasiPiena.Accoda(due);
    EXPECT_EQ(quasiPiena.numeroPartite, 5);
    due.AggiungiPartita(registrata.Partita(1));
    const TipoStoriaPartite alBordo = storia;
    EXPECT_EQ(Messaggio([&] { storia.Accoda(due); }),
              "Le partite da accodare potrebbero passare i limiti che la serie può contare");
    Identiche(storia, alBordo);
}

TEST_F(FileStoria, AggiungereUnaPartitaGiocataAltroveEComeRegistrarla) {
    TipoStoriaPartite registrata;
    const StoriaNota nota = StoriaDiPartiteNote(20, registrata);
    TipoStoriaPartite aggiunta;
    for (int g = 0; g < 20; ++g) {
        aggiunta.AggiungiPartita(registrata.Partita(g));
    }
    const std::string byte = aggiunta.SalvaInByte();
    EXPECT_EQ(Byte(byte.begin(), byte.end()), nota.File());

    const TipoStoriaPartite prima = aggiunta;
    PartitaGiocata guasta = registrata.Partita(3);
    guasta.socio = 5;
    EXPECT_EQ(Messaggio([&] { aggiunta.AggiungiPartita(guasta); }),
              "Partita non valida per la storia della serie");
    guasta = registrata.Partita(3);
    guasta.punteggio[0] = 17;
    EXPECT_EQ(Messaggio([&] { aggiunta.AggiungiPartita(guasta); }),
              "Partita non valida per la storia della serie");
    Identiche(aggiunta, prima);
}
