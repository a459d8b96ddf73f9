#include <gtest/gtest.h>

#include <random>
#include <string>

#include "comune/Errore.h"
#include "ia/CaricaRegole.h"
#include "ia/ErroreRegole.h"
#include "ia/IntelligenzaArtificiale.h"
#include "ia/VocabolarioPredicati.h"

namespace {

// Reads a text into a fresh engine; the reader may only raise its own error, with a line
// inside the text, and what it read must be evaluable.
void LeggiSenzaDanni(const std::string& testo) {
    IntelligenzaArtificiale ia;
    VocabolarioPredicati vocabolario;
    vocabolario.RegistraVocabolario(ia);
    // Lines end with LF, CR LF or a lone CR.
    int righe = 1;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        righe += testo[i] == '\n' || (testo[i] == '\r' && testo[i + 1] != '\n') ? 1 : 0;
    }
    try {
        CaricaRegole(ia, testo);
    } catch (const ErroreRegole& e) {
        ASSERT_GE(e.Riga(), 1);
        ASSERT_LE(e.Riga(), righe);
        const std::string messaggio = e.what();
        ASSERT_TRUE(messaggio.rfind("Predicato ", 0) == 0 ||
                    (messaggio.rfind("La regola ", 0) == 0 &&
                     messaggio.ends_with(" non ha né peso né bersaglio")))
            << messaggio;
    }
    for (int i = 0; i < kNumeroPredicati; ++i) {
        vocabolario[static_cast<IndicePredicato>(i)].ImpostaProbabilita(i % 2);
    }
    ia.Valuta();
}

constexpr std::string_view kBase = "R1 40 PresaSicura & GiocaCarico;\n"
                                   "R2 -30 GiocaCarico !Prendo; # commento\n"
                                   "R3 Prendo Prendo !Briscola|Strozza;\n"
                                   "R4 5 Mano1 & !ManoAlBuio | SemeMessoBene\n";

} // namespace

// Runs under the sanitizers too: any read out of bounds or undefined behaviour fails it.
TEST(FuzzRegole, ByteCasualiEFileMutati) {
    std::mt19937 generatore(20261207);
    auto casuale = [&generatore](int n) {
        return static_cast<int>(generatore() % static_cast<unsigned>(n));
    };
    const std::string alfabeto = "&|!;#<\n\r\t -0123456789PrendoBriscola\xE0\xFF";
    for (int prova = 0; prova < 3000; ++prova) {
        std::string testo;
        const int lunghezza = casuale(200);
        for (int i = 0; i < lunghezza; ++i) {
            testo += prova % 2 == 0 ? static_cast<char>(casuale(256))
                                    : alfabeto[static_cast<std::size_t>(
                                          casuale(static_cast<int>(alfabeto.size())))];
        }
        LeggiSenzaDanni(testo);
    }
    for (int prova = 0; prova < 3000; ++prova) {
        std::string testo(kBase);
        const int mutazioni = 1 + casuale(6);
        for (int m = 0; m < mutazioni; ++m) {
            const auto pos = static_cast<std::size_t>(casuale(static_cast<int>(testo.size()) + 1));
            switch (casuale(3)) {
            case 0:
                if (pos < testo.size()) {
                    testo.erase(pos, 1);
                }
                break;
            case 1:
                testo.insert(
                    pos, 1,
                    alfabeto[static_cast<std::size_t>(casuale(static_cast<int>(alfabeto.size())))]);
                break;
            default:
                if (pos < testo.size()) {
                    testo[pos] = static_cast<char>(casuale(256));
                }
            }
        }
        LeggiSenzaDanni(testo);
    }
}
