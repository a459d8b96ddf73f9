#include <gtest/gtest.h>

#include <random>
#include <string>

#include "aiuto/AiutoPartita.h"
#include "comune/Testo.h"

TEST(Testo, LAsciiEUTF8Valido) {
    EXPECT_TRUE(UTF8Valido(""));
    EXPECT_TRUE(UTF8Valido("Asso di Cuori"));
    EXPECT_TRUE(UTF8Valido("Probabilit\xC3\xA0")); // à
    EXPECT_TRUE(UTF8Valido("\xE2\x82\xAC"));       // €
    EXPECT_TRUE(UTF8Valido("\xF0\x9F\x83\x8F"));   // a four-byte character
}

TEST(Testo, SequenzeCheNonSonoUTF8) {
    EXPECT_FALSE(UTF8Valido("Probabilit\xE0"));   // à in Windows-1252
    EXPECT_FALSE(UTF8Valido("\xC3"));             // cut short
    EXPECT_FALSE(UTF8Valido("\xE2\x82"));         // cut short
    EXPECT_FALSE(UTF8Valido("\x80"));             // a lone continuation byte
    EXPECT_FALSE(UTF8Valido("\xC0\xAF"));         // overlong
    EXPECT_FALSE(UTF8Valido("\xE0\x80\xAF"));     // overlong
    EXPECT_FALSE(UTF8Valido("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(UTF8Valido("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(UTF8Valido("\xC3\x28"));         // no continuation
}

TEST(Testo, UnTestoUTF8RestaComE) {
    EXPECT_EQ(DecodificaTesto("Citt\xC3\xA0 \xE2\x82\xAC"), "Citt\xC3\xA0 \xE2\x82\xAC");
}

TEST(Testo, UnTestoWindows1252DiventaUTF8) {
    EXPECT_EQ(DecodificaTesto("Citt\xE0"), "Citt\xC3\xA0");
    EXPECT_EQ(DecodificaTesto("\x80 5"), "\xE2\x82\xAC 5"); // euro sign
    EXPECT_EQ(DecodificaTesto("\x93"
                              "ok"
                              "\x94"),
              "\xE2\x80\x9Cok\xE2\x80\x9D");
    EXPECT_EQ(DecodificaTesto("\xFF"), "\xC3\xBF");
    // Bytes without a character in the code page become the replacement character.
    EXPECT_EQ(DecodificaTesto("\x81"), "\xEF\xBF\xBD");
}

TEST(Testo, LeggiFileDaIByteCosiComeSono) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella.File("dati.bin");
    const std::string byte("a\0b\r\n\xFF", 6);
    ScriviByte(percorso, byte);
    EXPECT_EQ(LeggiFile(percorso), byte);
    ScriviByte(percorso, std::string());
    EXPECT_EQ(LeggiFile(percorso), std::string());
}

TEST(Testo, UnFileCheNonSiPuoLeggereNonDaNiente) {
    CartellaTemporanea cartella;
    EXPECT_FALSE(LeggiFile(cartella.File("manca.txt")).has_value());
    EXPECT_FALSE(LeggiFile(cartella.Percorso().string()).has_value());
    EXPECT_FALSE(LeggiFileTesto(cartella.File("manca.txt")).has_value());
}

TEST(Testo, UnFileOltreIlLimiteNonSiLegge) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella.File("grande.bin");
    ScriviByte(percorso, std::string(10000, 'x'));
    EXPECT_EQ(LeggiFile(percorso, 10000)->size(), 10000u);
    EXPECT_FALSE(LeggiFile(percorso, 9999).has_value());
    EXPECT_FALSE(LeggiFile(percorso, 0).has_value());
    // A device that never ends is cut at the limit.
    EXPECT_FALSE(LeggiFile("/dev/zero", 100000).has_value());
}

TEST(Testo, LeggiFileTestoDecodificaEToglieLaMarcaUTF8) {
    CartellaTemporanea cartella;
    const std::string percorso = cartella.File("nomi.txt");
    ScriviByte(percorso, "\xEF\xBB\xBFS0=Citt\xC3\xA0");
    EXPECT_EQ(LeggiFileTesto(percorso), "S0=Citt\xC3\xA0");
    ScriviByte(percorso, "S0=Citt\xE0");
    EXPECT_EQ(LeggiFileTesto(percorso), "S0=Citt\xC3\xA0");
}

TEST(Testo, ByteCasualiDecodificatiSonoSempreUTF8Valido) {
    std::mt19937 gen(2025);
    for (int prova = 0; prova < 2000; ++prova) {
        std::string byte(gen() % 48, '\0');
        for (char& c : byte) {
            // Mostly high bytes, where the decoding has work to do.
            c = static_cast<char>(gen() % 3 == 0 ? gen() % 128 : 128 + gen() % 128);
        }
        const std::string testo = DecodificaTesto(byte);
        ASSERT_TRUE(UTF8Valido(testo)) << prova;
        if (UTF8Valido(byte)) {
            ASSERT_EQ(testo, byte);
        } else {
            // Windows-1252: one character for each byte.
            ASSERT_GE(testo.size(), byte.size());
        }
    }
}
