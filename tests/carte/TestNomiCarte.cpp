#include <gtest/gtest.h>

#include <sys/stat.h>

#include <iterator>
#include <random>
#include <string>
#include <utility>

#include "aiuto/AiutoPartita.h"
#include "carte/Carta.h"
#include "carte/NomiCarte.h"
#include "comune/Testo.h"

namespace {

class NomiDaFile : public ::testing::Test {
protected:
    CartellaTemporanea cartella;
    std::string ini = cartella.File("Carte.ini");
    NomiCarte nomi;

    void NomiPredefinitiIntatti() const {
        EXPECT_EQ(nomi, NomiCarte::Predefiniti());
        EXPECT_EQ(Carta(kAsso, 0).NomeLungo(nomi), "Asso di Cuori");
        EXPECT_EQ(Carta(kRe, 3).NomeLungo(nomi), "Re di Picche");
        EXPECT_EQ(Carta(kTre, 1).NomeBreve(nomi), "3Q");
        EXPECT_EQ(nomi.Seme(2, false), "Fiori");
        EXPECT_EQ(nomi.Valore(7, false), "Fante");
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

TEST_F(NomiDaFile, INomiPredefinitiSonoQuelliItaliani) {
    const char* valori[10] = {"Asso", "Due",   "Tre",   "Quattro", "Cinque",
                              "Sei",  "Sette", "Fante", "Donna",   "Re"};
    const char* lettere[10] = {"A", "2", "3", "4", "5", "6", "7", "F", "D", "R"};
    const char* semi[4] = {"Cuori", "Quadri", "Fiori", "Picche"};
    const char* lettereSemi[4] = {"C", "Q", "F", "P"};
    for (const NomiCarte* predefiniti : {&std::as_const(nomi), &NomiCarte::Predefiniti()}) {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(predefiniti->Valore(i, false), valori[i]);
            EXPECT_EQ(predefiniti->Valore(i, true), lettere[i]);
        }
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(predefiniti->Seme(i, false), semi[i]);
            EXPECT_EQ(predefiniti->Seme(i, true), lettereSemi[i]);
        }
    }
}

TEST_F(NomiDaFile, FuoriDalleTabelleIlNomeEVuoto) {
    EXPECT_EQ(nomi.Valore(10, false), "");
    EXPECT_EQ(nomi.Valore(-1, true), "");
    EXPECT_EQ(nomi.Seme(4, false), "");
    EXPECT_EQ(nomi.Seme(-1, true), "");
}

TEST_F(NomiDaFile, UnMazzoNapoletanoRinominaSemiEFigure) {
    ScriviByte(ini, kNapoletane);
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(Carta(kAsso, 0).NomeLungo(nomi), "Asso di Coppe");
    EXPECT_EQ(Carta(6, 1).NomeLungo(nomi), "Cavallo di Denari");
    EXPECT_EQ(Carta(6, 1).NomeBreve(nomi), "CD");
    EXPECT_EQ(Carta(kTre, 3).NomeBreve(nomi), "3S");
    // Only the names change: order, points and index stay.
    EXPECT_EQ(Carta(6, 1).Punti(), 3);
    EXPECT_EQ(Carta(6, 1).Indice(), 16);
}

TEST_F(NomiDaFile, UnFileConLaSolaChiaveS0SvuotaTuttoIlResto) {
    ScriviByte(ini, "S0=Coppe\n");
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(nomi.Seme(0, false), "Coppe");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(nomi.Valore(i, false), "") << i;
        EXPECT_EQ(nomi.Valore(i, true), "") << i;
    }
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(nomi.Seme(i, false), "") << i;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(nomi.Seme(i, true), "") << i;
    }
    EXPECT_EQ(Carta(kAsso, 0).NomeLungo(nomi), " di Coppe");
}

TEST_F(NomiDaFile, UnFileMancanteLasciaTuttiINomi) {
    EXPECT_FALSE(nomi.Carica(cartella.File("NonCe.ini")));
    NomiPredefinitiIntatti();
    EXPECT_FALSE(nomi.Carica(cartella.Percorso().string()));
    NomiPredefinitiIntatti();
}

TEST_F(NomiDaFile, SoloUnFileRegolareSiLegge) {
    // A FIFO would wait for a writer for ever; a device may never end.
    const std::string fifo = cartella.File("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& percorso :
         {fifo, std::string("/dev/zero"), cartella.Percorso().string()}) {
        std::string motivo;
        EXPECT_FALSE(nomi.Carica(percorso, &motivo)) << percorso;
        EXPECT_EQ(motivo, "non è un file regolare") << percorso;
        NomiPredefinitiIntatti();
    }
    std::string motivo;
    EXPECT_FALSE(nomi.Carica(cartella.File("NonCe.ini"), &motivo));
    EXPECT_EQ(motivo, "non si può aprire");
}

TEST_F(NomiDaFile, UnCROSoloChiudeLaRiga) {
    ScriviByte(ini, "S0=Coppe\rS1=Denari\r\nS2=Bastoni\nC8=Cavallo\r");
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(nomi.Seme(0, false), "Coppe");
    EXPECT_EQ(nomi.Seme(1, false), "Denari");
    EXPECT_EQ(nomi.Seme(2, false), "Bastoni");
    EXPECT_EQ(nomi.Valore(8, false), "Cavallo");
}

TEST_F(NomiDaFile, UnFileMancanteDopoUnMazzoLasciaINomiDelMazzo) {
    ScriviByte(ini, kNapoletane);
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_FALSE(nomi.Carica(cartella.File("NonCe.ini")));
    EXPECT_EQ(Carta(kAsso, 2).NomeLungo(nomi), "Asso di Bastoni");
}

TEST_F(NomiDaFile, UnFileUTF8SiLeggeComE) {
    ScriviByte(ini, "S0=Cuori \xE2\x99\xA5\nC8=Donn\xC3\xA0\n");
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(nomi.Seme(0, false), "Cuori \xE2\x99\xA5");
    EXPECT_EQ(nomi.Valore(8, false), "Donn\xC3\xA0");
}

TEST_F(NomiDaFile, UnFileUTF8ConMarcaIniziale) {
    ScriviByte(ini, "\xEF\xBB\xBF"
                    "C0=Asso\nS0=Coppe\n");
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(nomi.Valore(0, false), "Asso");
    EXPECT_EQ(nomi.Seme(0, false), "Coppe");
}

TEST_F(NomiDaFile, UnFileWindows1252DiventaUTF8) {
    ScriviByte(ini, "S0=Cuor\xE9\r\nS1=Quadri \x80\r\nC8=Donn\xE0\r\n");
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(nomi.Seme(0, false), "Cuor\xC3\xA9");
    EXPECT_EQ(nomi.Seme(1, false), "Quadri \xE2\x82\xAC");
    EXPECT_EQ(nomi.Valore(8, false), "Donn\xC3\xA0");
    EXPECT_EQ(Carta(6, 0).NomeLungo(nomi), "Donn\xC3\xA0 di Cuor\xC3\xA9");
}

TEST_F(NomiDaFile, LeChiaviNonBadanoAlleMaiuscole) {
    ScriviByte(ini, "s0=Coppe\nsb0=c\nc9=Re\nb9=r\n");
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(nomi.Seme(0, false), "Coppe");
    EXPECT_EQ(nomi.Seme(0, true), "c");
    EXPECT_EQ(nomi.Valore(9, false), "Re");
    EXPECT_EQ(nomi.Valore(9, true), "r");
}

TEST_F(NomiDaFile, ValeLaPrimaRigaDellaChiaveEIlTestoDopoIlPrimoUguale) {
    ScriviByte(ini, "S0=Coppe=Calici\nS0=Altro\nS1\nS1=Denari\n=S2\nS2 =Bastoni\n");
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(nomi.Seme(0, false), "Coppe=Calici");
    EXPECT_EQ(nomi.Seme(1, false), "Denari");
    // The text before the "=" must equal the key: "S2 " is another key.
    EXPECT_EQ(nomi.Seme(2, false), "");
}

TEST_F(NomiDaFile, UnValoreVuotoEUnNomeVuoto) {
    ScriviByte(ini, "S0=\nS1=Quadri");
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(nomi.Seme(0, false), "");
    EXPECT_EQ(nomi.Seme(1, false), "Quadri");
}

TEST_F(NomiDaFile, UnFileVuotoSvuotaOgniNome) {
    ScriviByte(ini, std::string());
    ASSERT_TRUE(nomi.Carica(ini));
    EXPECT_EQ(nomi.Seme(0, false), "");
    EXPECT_EQ(nomi.Valore(0, true), "");
}

TEST_F(NomiDaFile, ByteQualsiasiNonFannoDanni) {
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
        ASSERT_TRUE(nomi.Carica(ini));
        for (int i = 0; i < 10; ++i) {
            ASSERT_TRUE(UTF8Valido(nomi.Valore(i, false)));
            ASSERT_TRUE(UTF8Valido(nomi.Valore(i, true)));
        }
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(UTF8Valido(nomi.Seme(i, false)));
        }
        (void)Carta(kAsso, 1).NomeLungo(nomi);
    }
}

TEST_F(NomiDaFile, DueMazziFiancoAFiancoNonSiMescolano) {
    ScriviByte(ini, kNapoletane);
    ASSERT_TRUE(nomi.Carica(ini));
    NomiCarte soloCoppe = nomi;
    soloCoppe.CaricaDaByte("S0=Calici\n");
    const NomiCarte milanesi;

    const Carta donnaDiCuori(kDonna, 0);
    EXPECT_EQ(donnaDiCuori.NomeLungo(nomi), "Cavallo di Coppe");
    EXPECT_EQ(donnaDiCuori.NomeLungo(soloCoppe), " di Calici");
    EXPECT_EQ(donnaDiCuori.NomeLungo(milanesi), "Donna di Cuori");
    EXPECT_EQ(donnaDiCuori.NomeLungo(), "Donna di Cuori");
    EXPECT_EQ(donnaDiCuori.NomeBreve(nomi), "CC");
    EXPECT_EQ(donnaDiCuori.NomeBreve(soloCoppe), "");
    EXPECT_EQ(donnaDiCuori.NomeBreve(milanesi), "DC");
    // Loading one set touches neither the built-in names nor a copy taken before.
    EXPECT_EQ(milanesi, NomiCarte::Predefiniti());
    EXPECT_NE(nomi, soloCoppe);
    EXPECT_EQ(nomi.Seme(0, false), "Coppe");
}
