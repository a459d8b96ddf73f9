#include "finestre/FileOpzioni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    for (std::size_t fine; (fine = testo.find("\r\n", inizio)) != std::string::npos;
         inizio = fine + 2) {
        righe.push_back(testo.substr(inizio, fine - inizio));
    }
    EXPECT_EQ(inizio, testo.size()) << "testo dopo l'ultimo CR LF";
    return righe;
}

} // namespace

TEST(FileOpzioni, SenzaFileLePredefiniteInQuattordiciRighe) {
    EXPECT_EQ(ScriviOpzioni(LeggiOpzioni("")),
              "Nome1=Mario\r\nNome2=Luigi\r\nNome3=Paolo\r\nNome4=Franco\r\nNome5=Giovanni\r\n"
              "ColoreSfondo=16777215\r\nColoreTesto=0\r\nImmagineSfondo=\r\n"
              "DirectoryCarte=Milanesi\r\nPuntiMonte=2\r\nAttesaGiocata=500\r\n"
              "AttesaMano=2500\r\nManoAlBuio=1\r\nCarteOrdinate=1\r\n");
    for (std::string_view nome : kNomiPredefiniti) {
        EXPECT_NE(std::find(kNomiAutomatici.begin(), kNomiAutomatici.end(), nome),
                  kNomiAutomatici.end());
    }
}

// A value that is not a decimal integer takes the key's default, as a missing or empty one
// does; numbers are brought within their ranges.
TEST(FileOpzioni, ValoriIllegibiliOFuoriMisura) {
    struct Caso {
        std::string riga;
        std::string scritta;
    };
    const std::vector<Caso> casi = {
        {"ColoreSfondo=rosso", "ColoreSfondo=16777215"},
        {"ColoreSfondo=255", "ColoreSfondo=255"},
        {"ColoreSfondo=99999999999999999999999", "ColoreSfondo=16777215"},
        {"ColoreTesto=12x", "ColoreTesto=0"},
        {"ColoreTesto=-5", "ColoreTesto=0"},
        {"ColoreTesto= 65280 ", "ColoreTesto=65280"},
        {"PuntiMonte=due", "PuntiMonte=2"},
        {"PuntiMonte=99", "PuntiMonte=20"},
        {"PuntiMonte=-3", "PuntiMonte=0"},
        {"PuntiMonte=7", "PuntiMonte=7"},
        {"AttesaGiocata=1.5", "AttesaGiocata=500"},
        {"AttesaGiocata=5000", "AttesaGiocata=2000"},
        {"AttesaGiocata=+300", "AttesaGiocata=300"},
        {"AttesaMano=", "AttesaMano=2500"},
        {"AttesaMano=-1", "AttesaMano=0"},
        {"AttesaMano=0x10", "AttesaMano=2500"},
        {"ManoAlBuio=", "ManoAlBuio=1"},
        {"ManoAlBuio=no", "ManoAlBuio=1"},
        {"ManoAlBuio=0", "ManoAlBuio=0"},
        {"ManoAlBuio=-7", "ManoAlBuio=1"},
        {"CarteOrdinate=-", "CarteOrdinate=1"},
        {"CarteOrdinate=00", "CarteOrdinate=0"},
        {"CarteOrdinate=12345678901234567890", "CarteOrdinate=1"},
    };
    for (const Caso& caso : casi) {
        const auto righe = Righe(ScriviOpzioni(LeggiOpzioni(caso.riga + "\r\n")));
        ASSERT_EQ(righe.size(), 14u);
        EXPECT_NE(std::find(righe.begin(), righe.end(), caso.scritta), righe.end()) << caso.riga;
    }
}

// The text after the first "=" of the first line with the key, whatever the line ends and
// the encoding.
TEST(FileOpzioni, LetturaDelleRighe) {
    struct Caso {
        std::string byte;
        std::string nome1;
        std::string immagine;
    };
    const std::vector<Caso> casi = {
        {"Nome1=Anna\nImmagineSfondo=prato.bmp\n", "Anna", "prato.bmp"},
        {"Nome1=Anna\r\nImmagineSfondo=prato.bmp", "Anna", "prato.bmp"},
        {"\xEF\xBB\xBFNome1=Anna\r\n", "Anna", ""},
        {"Nome1=Niccol\xF2\r\n", "Niccol\xC3\xB2", ""},
        {"Nome1=Anna\nNome1=Bice\n", "Anna", ""},
        {"Nome1=\nNome1=Bice\n", "Mario", ""},
        {"ImmagineSfondo=a=b.bmp\n", "Mario", "a=b.bmp"},
        {"nome1=Anna\n Nome1=Bice\nNome1 =Carla\nNome1\n", "Mario", ""},
        {std::string("Nome1=A\0B\n", 10), std::string("A\0B", 3), ""},
    };
    for (const Caso& caso : casi) {
        const ValoriOpzioni valori = LeggiOpzioni(caso.byte);
        EXPECT_EQ(valori.nomi[0], caso.nome1) << caso.byte;
        EXPECT_EQ(valori.immagineSfondo, caso.immagine) << caso.byte;
    }
}

TEST(FileOpzioni, UnTestoNonAggiungeRighe) {
    ValoriOpzioni valori;
    valori.nomi[4] = "Eva\r\nManoAlBuio=0";
    valori.directoryCarte = "Napoletane\n";
    const std::string testo = ScriviOpzioni(valori);
    EXPECT_EQ(Righe(testo).size(), 14u);
    const ValoriOpzioni riletti = LeggiOpzioni(testo);
    EXPECT_EQ(riletti.nomi[4], "Eva  ManoAlBuio=0");
    EXPECT_TRUE(riletti.manoAlBuio);

    // The expert players add a 15th line only when chosen.
    ValoriOpzioni esperti;
    esperti.esperti = true;
    const std::string conEsperti = ScriviOpzioni(esperti);
    EXPECT_EQ(Righe(conEsperti).size(), 15u);
    EXPECT_TRUE(conEsperti.ends_with("Esperti=1\r\n"));
    EXPECT_TRUE(LeggiOpzioni(conEsperti).esperti);
    EXPECT_FALSE(LeggiOpzioni("Esperti=0\r\n").esperti);

    // A CR left inside a line reads as the blank it is written as: reading is stable.
    const ValoriOpzioni conCR = LeggiOpzioni("Nome3=Ada\r\r\nImmagineSfondo=a\rb\r\n");
    EXPECT_EQ(conCR.nomi[2], "Ada ");
    EXPECT_EQ(conCR.immagineSfondo, "a b");
    EXPECT_EQ(LeggiOpzioni(ScriviOpzioni(conCR)), conCR);
}

// The table's size: only the sizes the menu offers are read; anything else is 100%, which is
// never written, so that a file that never chose a size keeps its 14 lines.
TEST(FileOpzioni, DimensioneDelTavolo) {
    struct Caso {
        const char* riga;
        int dimensione;
    };
    const std::array<Caso, 9> casi = {{
        {"", 100},
        {"Dimensione=150\r\n", 150},
        {"Dimensione=200\r\n", 200},
        {"Dimensione=0\r\n", kDimensioneAdatta},
        {"Dimensione=100\r\n", 100},
        {"Dimensione=120\r\n", 100},
        {"Dimensione=-1\r\n", 100},
        {"Dimensione=9999999999999\r\n", 100},
        {"Dimensione=x\r\n", 100},
    }};
    for (const Caso& caso : casi) {
        const ValoriOpzioni letti = LeggiOpzioni(std::string("Esperti=1\r\n") + caso.riga);
        EXPECT_EQ(letti.dimensione, caso.dimensione) << caso.riga;
        const std::string scritto = ScriviOpzioni(letti);
        const std::vector<std::string> righe = Righe(scritto);
        EXPECT_EQ(righe.size(), caso.dimensione == 100 ? 15U : 16U) << caso.riga;
        EXPECT_EQ(LeggiOpzioni(scritto), letti) << caso.riga;
        if (caso.dimensione != 100) {
            EXPECT_EQ(righe.back(), "Dimensione=" + std::to_string(caso.dimensione));
        }
    }
}
