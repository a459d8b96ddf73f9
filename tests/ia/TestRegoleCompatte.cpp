#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "ia/IntelligenzaArtificiale.h"

namespace {

// The same rules twice: in an engine (flat, bit-mask score) and as plain rules summed one by
// one as _Regola::Valuta does. Both must agree exactly, targets included.
struct Gemelli {
    IntelligenzaArtificiale ia;
    std::vector<Predicato*> suoi;
    std::vector<std::unique_ptr<Predicato>> predicati;
    std::vector<std::unique_ptr<_Regola>> regole;

    double Riferimento() {
        double somma = 0.0;
        for (const auto& regola : regole) {
            somma += regola->Valuta();
        }
        // The engine's noise factor, 1 without noise but for the rounding it brings.
        return somma * 10000 * 0.0001;
    }
};

// How the weights of the random rules are drawn.
enum class Pesi { Misti, Interi, InteriEnormi };

double PesoACaso(Pesi pesi, const std::function<int(int)>& n) {
    switch (pesi) {
    case Pesi::Interi:
        return n(61) - 30;
    case Pesi::InteriEnormi: {
        // Near 2^51: a few of them add up past 2^53, where the order of the sum matters.
        const double grande = std::ldexp(1.0, 51) + n(1000);
        return n(3) == 0 ? n(61) - 30 : (n(2) == 0 ? grande : -grande - 1);
    }
    case Pesi::Misti:
        break;
    }
    return n(2) == 0 ? n(61) - 30 : (n(2001) - 1000) / 7.0;
}

void Costruisci(Gemelli& g, int numeroPredicati, std::mt19937& caso, Pesi pesi = Pesi::Misti) {
    auto n = [&caso](int limite) {
        return static_cast<int>(caso() % static_cast<unsigned>(limite));
    };
    for (int i = 0; i < numeroPredicati; ++i) {
        const std::string nome = "P" + std::to_string(i);
        g.suoi.push_back(&g.ia.NuovoPredicato(nome));
        g.predicati.push_back(std::make_unique<Predicato>(nome));
    }
    const int numeroRegole = 1 + n(40);
    for (int r = 0; r < numeroRegole; ++r) {
        const bool conBersaglio = n(4) == 0;
        const int b = n(numeroPredicati);
        const double peso = PesoACaso(pesi, n);
        _Regola& veloce = conBersaglio ? g.ia.NuovaRegola(*g.suoi[static_cast<std::size_t>(b)], "R")
                                       : g.ia.NuovaRegola(peso, "R");
        g.regole.push_back(
            conBersaglio ? std::make_unique<_Regola>(*g.predicati[static_cast<std::size_t>(b)], "R")
                         : std::make_unique<_Regola>(peso, "R"));
        _Regola& lenta = *g.regole.back();
        const int antecedenti = n(7);
        for (int a = 0; a < antecedenti; ++a) {
            const auto p = static_cast<std::size_t>(n(numeroPredicati));
            switch (n(a == 0 ? 5 : 6)) {
            case 0:
                veloce.ENon(*g.suoi[p]);
                lenta.ENon(*g.predicati[p]);
                break;
            case 1:
                veloce.O(*g.suoi[p]);
                lenta.O(*g.predicati[p]);
                break;
            case 2:
                veloce.ONon(*g.suoi[p]);
                lenta.ONon(*g.predicati[p]);
                break;
            default:
                veloce.E(*g.suoi[p]);
                lenta.E(*g.predicati[p]);
            }
        }
    }
}

void ConfrontaConLeRegoleUnaAUna(Pesi pesi, unsigned seme) {
    std::mt19937 caso(seme);
    for (int prova = 0; prova < 400; ++prova) {
        const int numeroPredicati = std::array{3, 45, 64, 70}[static_cast<std::size_t>(prova % 4)];
        Gemelli g;
        Costruisci(g, numeroPredicati, caso, pesi);
        for (int turno = 0; turno < 6; ++turno) {
            const int modo = static_cast<int>(caso() % 3);
            if (modo == 0) {
                // All at once, fully true or false.
                const std::uint64_t veri = (std::uint64_t{caso()} << 32) | caso();
                g.ia.ImpostaMaschera(veri);
                for (int i = 0; i < numeroPredicati; ++i) {
                    g.predicati[static_cast<std::size_t>(i)]->ImpostaVero(i < 64 &&
                                                                          ((veri >> i) & 1));
                }
            } else {
                // One by one, binary or not: the engine cannot rely on the bits it knew.
                const auto i =
                    static_cast<std::size_t>(caso() % static_cast<unsigned>(numeroPredicati));
                const double v =
                    modo == 1 ? static_cast<double>(caso() % 2) : (caso() % 1001) / 1000.0;
                g.suoi[i]->ImpostaProbabilita(v);
                g.predicati[i]->ImpostaProbabilita(v);
            }
            ASSERT_EQ(g.ia.Valuta(), g.Riferimento()) << prova << " " << turno;
            for (int i = 0; i < numeroPredicati; ++i) {
                ASSERT_EQ(g.suoi[static_cast<std::size_t>(i)]->Probabilita(),
                          g.predicati[static_cast<std::size_t>(i)]->Probabilita());
            }
        }
    }
}

} // namespace

TEST(RegoleCompatte, PunteggioIdenticoAlleRegoleUnaAUna) {
    ConfrontaConLeRegoleUnaAUna(Pesi::Misti, 4242);
}

// Integer weights, as a rules file has them, are summed as integers while that is exact.
TEST(RegoleCompatte, PunteggioIdenticoConPesiInteri) {
    ConfrontaConLeRegoleUnaAUna(Pesi::Interi, 4243);
}

// Past 2^53 doubles round, and only the rule-by-rule order of the sum gives the same result.
TEST(RegoleCompatte, PunteggioIdenticoConPesiInteriEnormi) {
    ConfrontaConLeRegoleUnaAUna(Pesi::InteriEnormi, 4244);
}

TEST(RegoleCompatte, UnaRegolaAggiuntaDopoUnPunteggioConta) {
    IntelligenzaArtificiale ia;
    Predicato& a = ia.NuovoPredicato("A");
    _Regola& r = ia.NuovaRegola(10.0, "R");
    ia.ImpostaMaschera(0);
    EXPECT_EQ(ia.Valuta(), 10.0);
    r.E(a);
    EXPECT_EQ(ia.Valuta(), 0.0);
    Predicato& b = ia.NuovoPredicato("B");
    r.ONon(b);
    EXPECT_EQ(ia.Valuta(), 10.0);
    // A and not-A together is never true.
    ia.NuovaRegola(5.0, "Mai").E(a).ENon(a);
    ia.ImpostaMaschera(1);
    EXPECT_EQ(ia.Valuta(), 10.0);
}

// The engine remembers its last scores: the same truths met again, after others in between,
// must give the same score and leave every target as the rules would write it.
TEST(RegoleCompatte, LeStesseVeritaRitrovateDannoLoStessoPunteggioEGliStessiBersagli) {
    std::mt19937 caso(4245);
    for (int prova = 0; prova < 200; ++prova) {
        const int numeroPredicati = prova % 2 == 0 ? 45 : 64;
        Gemelli g;
        Costruisci(g, numeroPredicati, caso, Pesi::Interi);
        std::array<std::uint64_t, 12> gruppo{};
        for (auto& veri : gruppo) {
            veri = (std::uint64_t{caso()} << 32) | caso();
        }
        for (int turno = 0; turno < 60; ++turno) {
            // A few masks, often repeated, more of them than the engine remembers.
            const std::uint64_t veri = gruppo[caso() % (turno < 30 ? 3 : gruppo.size())];
            g.ia.ImpostaMaschera(veri);
            for (int i = 0; i < numeroPredicati; ++i) {
                g.predicati[static_cast<std::size_t>(i)]->ImpostaVero(((veri >> i) & 1) != 0);
            }
            ASSERT_EQ(g.ia.Valuta(), g.Riferimento()) << prova << " " << turno;
            for (int i = 0; i < numeroPredicati; ++i) {
                ASSERT_EQ(g.suoi[static_cast<std::size_t>(i)]->Probabilita(),
                          g.predicati[static_cast<std::size_t>(i)]->Probabilita())
                    << prova << " " << turno << " " << i;
            }
        }
    }
}
