#include <gtest/gtest.h>

#include <sys/stat.h>

#include <iterator>
#include <random>
#include <string>

#include "aiuto/AiutoPartita.h"
#include "carte/Carta.h"
#include "carte/NomiCarte.h"
#include "comune/Testo.h"

namespace {

class NomiCarte : public ConStatoPulito {
protected:
    CartellaTemporanea cartella;
    std::string ini = cartella.File("Carte.ini");

    static void NomiPredefinitiIntatti() {
        EXPECT_EQ(Carta(kAsso, 0).NomeLungo(), "Asso di Cuori");
        EXPECT_EQ(Carta(kRe, 3).NomeLungo(), "Re di Picche");
        EXPECT_EQ(Carta(kTre, 1).NomeBreve(), "3Q");
        EXPECT_EQ(NomeSeme(2, false), "Fiori");
        EXPECT_EQ(NomeValore(7, false), "Fante");
    }
};

// A Napoletane card set: Italian suits and court cards.
const std::string kNapoletane = "[Nomi]\r\n"
                                "C0=Asso\r\nC1=Due\r\nC2=Tre\r\nC3=Quattro\r\nC4=Cinque\r\n"
                                "C5=Sei\r\nC6=Sette\r\nC7=Fante\r\nC8=Cavallo\r\nC9=Re\r\n"
                                "B0=A\r\nB1=2\r\nB2=3\r\nB3=4\r\nB4=5\r\nB5=6\r\nB6=7\r\n"
                                "B7=F\r\nB8=C\r\nB9=R\r\n"
                                "S0=Coppe\r\nS1=Denari\r\nS2=Bastoni\r\nS3=Spade\r\n"
                                "SB0=C\r\nSB1=D\r\nSB2=B\r\nSB3=S\r\n";

} // namespace

TEST_F(NomiCarte, INomiPredefinitiSonoQuelliItaliani) {
    const char* valori[10] = {"Asso", "Due",   "Tre",   "Quattro", "Cinque",
                              "Sei",  "Sette", "Fante", "Donna",   "Re"};
    const char* lettere[10] = {"A", "2", "3", "4", "5", "6", "7", "F", "D", "R"};
    const char* semi[4] = {"Cuori", "Quadri", "Fiori", "Picche"};
    const char* lettereSemi[4] = {"C", "Q", "F", "P"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(NomeValore(i, false), valori[i]);
        EXPECT_EQ(NomeValore(i, true), lettere[i]);
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(NomeSeme(i, false), semi[i]);
        EXPECT_EQ(NomeSeme(i, true), lettereSemi[i]);
    }
}

TEST_F(NomiCarte, FuoriDalleTabelleIlNomeEVuoto) {
    EXPECT_EQ(NomeValore(10, false), "");
    EXPECT_EQ(NomeValore(-1, true), "");
    EXPECT_EQ(NomeSeme(4, false), "");
    EXPECT_EQ(NomeSeme(-1, true), "");
}

TEST_F(NomiCarte, UnMazzoNapoletanoRinominaSemiEFigure) {
    ScriviByte(ini, kNapoletane);
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(Carta(kAsso, 0).NomeLungo(), "Asso di Coppe");
    EXPECT_EQ(Carta(6, 1).NomeLungo(), "Cavallo di Denari");
    EXPECT_EQ(Carta(6, 1).NomeBreve(), "CD");
    EXPECT_EQ(Carta(kTre, 3).NomeBreve(), "3S");
    // Only the names change: order, points and index stay.
    EXPECT_EQ(Carta(6, 1).Punti(), 3);
    EXPECT_EQ(Carta(6, 1).Indice(), 16);
}

TEST_F(NomiCarte, UnFileConLaSolaChiaveS0SvuotaTuttoIlResto) {
    ScriviByte(ini, "S0=Coppe\n");
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(NomeSeme(0, false), "Coppe");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(NomeValore(i, false), "") << i;
        EXPECT_EQ(NomeValore(i, true), "") << i;
    }
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(NomeSeme(i, false), "") << i;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(NomeSeme(i, true), "") << i;
    }
    EXPECT_EQ(Carta(kAsso, 0).NomeLungo(), " di Coppe");
}

TEST_F(NomiCarte, UnFileMancanteLasciaTuttiINomi) {
    EXPECT_FALSE(CaricaNomiCarte(cartella.File("NonCe.ini")));
    NomiPredefinitiIntatti();
    EXPECT_FALSE(CaricaNomiCarte(cartella.Percorso().string()));
    NomiPredefinitiIntatti();
}

TEST_F(NomiCarte, SoloUnFileRegolareSiLegge) {
    // A FIFO would wait for a writer for ever; a device may never end.
    const std::string fifo = cartella.File("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& percorso :
         {fifo, std::string("/dev/zero"), cartella.Percorso().string()}) {
        std::string motivo;
        EXPECT_FALSE(CaricaNomiCarte(percorso, &motivo)) << percorso;
        EXPECT_EQ(motivo, "non è un file regolare") << percorso;
        NomiPredefinitiIntatti();
    }
    std::string motivo;
    EXPECT_FALSE(CaricaNomiCarte(cartella.File("NonCe.ini"), &motivo));
    EXPECT_EQ(motivo, "non si può aprire");
}

TEST_F(NomiCarte, UnCROSoloChiudeLaRiga) {
    ScriviByte(ini, "S0=Coppe\rS1=Denari\r\nS2=Bastoni\nC8=Cavallo\r");
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(NomeSeme(0, false), "Coppe");
    EXPECT_EQ(NomeSeme(1, false), "Denari");
    EXPECT_EQ(NomeSeme(2, false), "Bastoni");
    EXPECT_EQ(NomeValore(8, false), "Cavallo");
}

TEST_F(NomiCarte, UnFileMancanteDopoUnMazzoLasciaINomiDelMazzo) {
    ScriviByte(ini, kNapoletane);
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_FALSE(CaricaNomiCarte(cartella.File("NonCe.ini")));
    EXPECT_EQ(Carta(kAsso, 2).NomeLungo(), "Asso di Bastoni");
}

TEST_F(NomiCarte, UnFileUTF8SiLeggeComE) {
    ScriviByte(ini, "S0=Cuori \xE2\x99\xA5\nC8=Donn\xC3\xA0\n");
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(NomeSeme(0, false), "Cuori \xE2\x99\xA5");
    EXPECT_EQ(NomeValore(8, false), "Donn\xC3\xA0");
}

TEST_F(NomiCarte, UnFileUTF8ConMarcaIniziale) {
    ScriviByte(ini, "\xEF\xBB\xBF"
                    "C0=Asso\nS0=Coppe\n");
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(NomeValore(0, false), "Asso");
    EXPECT_EQ(NomeSeme(0, false), "Coppe");
}

TEST_F(NomiCarte, UnFileWindows1252DiventaUTF8) {
    ScriviByte(ini, "S0=Cuor\xE9\r\nS1=Quadri \x80\r\nC8=Donn\xE0\r\n");
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(NomeSeme(0, false), "Cuor\xC3\xA9");
    EXPECT_EQ(NomeSeme(1, false), "Quadri \xE2\x82\xAC");
    EXPECT_EQ(NomeValore(8, false), "Donn\xC3\xA0");
    EXPECT_EQ(Carta(6, 0).NomeLungo(), "Donn\xC3\xA0 di Cuor\xC3\xA9");
}

TEST_F(NomiCarte, LeChiaviNonBadanoAlleMaiuscole) {
    ScriviByte(ini, "s0=Coppe\nsb0=c\nc9=Re\nb9=r\n");
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(NomeSeme(0, false), "Coppe");
    EXPECT_EQ(NomeSeme(0, true), "c");
    EXPECT_EQ(NomeValore(9, false), "Re");
    EXPECT_EQ(NomeValore(9, true), "r");
}

TEST_F(NomiCarte, ValeLaPrimaRigaDellaChiaveEIlTestoDopoIlPrimoUguale) {
    ScriviByte(ini, "S0=Coppe=Calici\nS0=Altro\nS1\nS1=Denari\n=S2\nS2 =Bastoni\n");
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(NomeSeme(0, false), "Coppe=Calici");
    EXPECT_EQ(NomeSeme(1, false), "Denari");
    // The text before the "=" must equal the key: "S2 " is another key.
    EXPECT_EQ(NomeSeme(2, false), "");
}

TEST_F(NomiCarte, UnValoreVuotoEUnNomeVuoto) {
    ScriviByte(ini, "S0=\nS1=Quadri");
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(NomeSeme(0, false), "");
    EXPECT_EQ(NomeSeme(1, false), "Quadri");
}

TEST_F(NomiCarte, UnFileVuotoSvuotaOgniNome) {
    ScriviByte(ini, std::string());
    ASSERT_TRUE(CaricaNomiCarte(ini));
    EXPECT_EQ(NomeSeme(0, false), "");
    EXPECT_EQ(NomeValore(0, true), "");
}

TEST_F(NomiCarte, ByteQualsiasiNonFannoDanni) {
    std::mt19937 gen(31337);
    const std::string pezzi[] = {"S0", "SB3", "C9", "b0", "=", "\n", "\r\n", "\xE0", "\xC3"};
    for (int prova = 0; prova < 300; ++prova) {
        std::string byte;
        const int quanti = static_cast<int>(gen() % 60);
        for (int i = 0; i < quanti; ++i) {
            if (gen() % 2 == 0) {
                byte += pezzi[gen() % std::size(pezzi)];
            } else {
                byte += static_cast<char>(gen());
            }
        }
        ScriviByte(ini, byte + "\nS3=Spade\n");
        ASSERT_TRUE(CaricaNomiCarte(ini));
        for (int i = 0; i < 10; ++i) {
            ASSERT_TRUE(UTF8Valido(NomeValore(i, false)));
            ASSERT_TRUE(UTF8Valido(NomeValore(i, true)));
        }
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(UTF8Valido(NomeSeme(i, false)));
        }
        (void)Carta(kAsso, 1).NomeLungo();
    }
}

TEST_F(NomiCarte, RipristinaTornaAiNomiPredefiniti) {
    ScriviByte(ini, kNapoletane);
    ASSERT_TRUE(CaricaNomiCarte(ini));
    RipristinaNomiCarte();
    NomiPredefinitiIntatti();
}
