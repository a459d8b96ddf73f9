#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <random>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "comune/Casuale.h"
#include "partita/Licitazione.h"
#include "partita/RegistroPartita.h"

namespace {

class StrategiaDiLicitazione : public ConStatoPulito {
protected:
    // Deals mano to seat giocatore, values it and sets the standing bid.
    LicitazioneAPunti Prepara(int giocatore, const std::vector<Carta>& mano,
                              Chiamata inPiedi = ChiamataNulla) {
        DistribuisciConMano(giocatore, mano);
        Registro().chiamata = inPiedi;
        LicitazioneAPunti strategia(giocatore);
        strategia.Siedi(TavoloDelTest());
        strategia.ValutaMano();
        return strategia;
    }

    // A hand of the Cuori ranks given plus low cards of the other suits.
    static std::vector<Carta> ManoDiCuori(const std::vector<int>& valori) {
        const std::array<Carta, 8> riempitivo = {Carta(kDue, kQuadri),    Carta(kDue, kFiori),
                                                 Carta(kDue, kPicche),    Carta(kQuattro, kQuadri),
                                                 Carta(kQuattro, kFiori), Carta(kQuattro, kPicche),
                                                 Carta(kCinque, kQuadri), Carta(kCinque, kFiori)};
        std::vector<Carta> mano;
        for (const int v : valori) {
            mano.emplace_back(v, kCuori);
        }
        for (std::size_t i = 0; mano.size() < 8; ++i) {
            mano.push_back(riempitivo[i]);
        }
        return mano;
    }
};

} // namespace

TEST_F(StrategiaDiLicitazione, ValutaManoSommaIValoriDellaTabellaPerSeme) {
    auto l = Prepara(1, {Carta(kDue, kCuori), Carta(kQuattro, kCuori), Carta(kCinque, kQuadri),
                         Carta(kSei, kQuadri), Carta(kSette, kFiori), Carta(kFante, kFiori),
                         Carta(kDonna, kPicche), Carta(kRe, kPicche)});
    EXPECT_EQ(l.SommaSeme(kCuori), 6 + 7);
    EXPECT_EQ(l.SommaSeme(kQuadri), 8 + 9);
    EXPECT_EQ(l.SommaSeme(kFiori), 10 + 13);
    EXPECT_EQ(l.SommaSeme(kPicche), 18 + 35);
    EXPECT_EQ(l.SemeMigliore(), kPicche);
    EXPECT_EQ(l.Forza(), 47); // 53 * 0.9 = 47.7
}

TEST_F(StrategiaDiLicitazione, EsempioAssoTreReDiCuori) {
    ImpostaSemeCasuale(2024);
    auto l = Prepara(0, {Carta(kAsso, kCuori), Carta(kTre, kCuori), Carta(kRe, kCuori),
                         Carta(kFante, kQuadri), Carta(kSette, kQuadri), Carta(kDue, kFiori),
                         Carta(kSei, kFiori), Carta(kCinque, kPicche)});
    EXPECT_EQ(l.SommaSeme(kCuori), 205);
    EXPECT_EQ(l.Forza(), 184);
    EXPECT_EQ(l.SemeMigliore(), kCuori);
    EXPECT_EQ(l.ScegliBriscola(), Briscola(kCuori));
    // It holds the Asso, the Tre and the Re of Cuori and skips them.
    EXPECT_EQ(l.Licita(), Chiamata(kDonna));
}

TEST_F(StrategiaDiLicitazione, EsempioAssoTreReDiCuoriArrivaADueCon73PiuUnCasuale) {
    auto l = Prepara(0, {Carta(kAsso, kCuori), Carta(kTre, kCuori), Carta(kRe, kCuori),
                         Carta(kFante, kQuadri), Carta(kSette, kQuadri), Carta(kDue, kFiori),
                         Carta(kSei, kFiori), Carta(kCinque, kPicche)});
    for (std::uint32_t seme = 1; seme <= 30; ++seme) {
        // Three lines apply (above 160, 170 and 180): the third draw sets the maximum.
        std::mt19937 riferimento(seme);
        riferimento.discard(2);
        const int massimo = 73 + static_cast<int>(riferimento() % 7);

        ImpostaSemeCasuale(seme);
        Registro().chiamata = Chiamata(massimo - 1);
        EXPECT_EQ(l.Licita(), Chiamata(massimo)) << seme;
        ImpostaSemeCasuale(seme);
        Registro().chiamata = Chiamata(massimo);
        EXPECT_EQ(l.Licita(), ChiamataPasso) << seme;
    }
    Registro().chiamata = Chiamata(72);
    EXPECT_EQ(l.Licita(), Chiamata(73));
    Registro().chiamata = Chiamata(79);
    EXPECT_EQ(l.Licita(), ChiamataPasso);
}

TEST_F(StrategiaDiLicitazione, EsempioAssoESeiDelSemeMigliore) {
    const std::vector<Carta> mano = {Carta(kAsso, kFiori),    Carta(kSei, kFiori),
                                     Carta(kDue, kCuori),     Carta(kQuattro, kCuori),
                                     Carta(kCinque, kQuadri), Carta(kSette, kQuadri),
                                     Carta(kDue, kPicche),    Carta(kFante, kPicche)};
    auto l = Prepara(2, mano);
    EXPECT_EQ(l.SommaSeme(kFiori), 109);
    EXPECT_EQ(l.Forza(), 98);
    EXPECT_EQ(l.SemeMigliore(), kFiori);
    // No bid standing: it skips the Asso, which it holds.
    EXPECT_EQ(l.Licita(), Chiamata(kTre));
    Registro().chiamata = Chiamata(kRe);
    EXPECT_EQ(l.Licita(), Chiamata(kDonna));
    Registro().chiamata = Chiamata(kDonna);
    EXPECT_EQ(l.Licita(), ChiamataPasso);
    Registro().chiamata = Chiamata(kTre);
    EXPECT_EQ(l.Licita(), Chiamata(kRe));
}

TEST_F(StrategiaDiLicitazione, UnaManoSottoIlTreNonDisegnaNumeriCasuali) {
    auto l = Prepara(2, {Carta(kAsso, kFiori), Carta(kSei, kFiori), Carta(kDue, kCuori),
                         Carta(kQuattro, kCuori), Carta(kCinque, kQuadri), Carta(kSette, kQuadri),
                         Carta(kDue, kPicche), Carta(kFante, kPicche)});
    ImpostaSemeCasuale(11);
    (void)l.Licita();
    std::mt19937 riferimento(11);
    EXPECT_EQ(Casuale(1000), static_cast<int>(riferimento() % 1000));
}

TEST_F(StrategiaDiLicitazione, OgniSogliaEStrettamenteMaggiore) {
    // Forza on each threshold and one above it, with the highest rank allowed.
    struct Caso {
        std::vector<int> cuori;
        int forza;
        int massimo;
    };
    const std::vector<Caso> casi = {
        {{2, 8}, 70, kAsso},
        {{0, 1, 5, 6, 7}, 71, kTre},
        {{0, 1, 4, 5, 6, 7}, 80, kTre},
        {{1, 5, 8}, 81, kRe},
        {{9}, 90, kRe},
        {{3, 4, 5, 8}, 91, kDonna},
        {{1, 7, 8}, 100, kDonna},
        {{0, 1, 9}, 101, kFante},
        {{6, 7, 8}, 110, kFante},
        {{0, 6, 9}, 111, kSette},
        {{1, 3, 6, 9}, 120, kSette},
        {{7, 9}, 121, kSei},
        {{4, 7, 9}, 130, kSei},
        {{0, 3, 5, 6, 9}, 131, kCinque},
        {{0, 3, 4, 5, 6, 9}, 140, kCinque},
        {{3, 5, 7, 9}, 141, kQuattro},
        {{0, 2, 6, 7, 9}, 150, kQuattro},
        {{1, 2, 6, 7, 9}, 151, kDue},
    };
    for (const Caso& caso : casi) {
        DistribuisciConMano(3, ManoDiCuori(caso.cuori));
        LicitazioneAPunti l(3);
        l.Siedi(TavoloDelTest());
        l.ValutaMano();
        ASSERT_EQ(l.SemeMigliore(), kCuori);
        ASSERT_EQ(l.Forza(), caso.forza);
        // One rung below the maximum it still bids the maximum (it does not hold that card);
        // on the maximum it passes.
        Registro().chiamata = caso.massimo == kAsso ? ChiamataNulla : Chiamata(caso.massimo + 1);
        EXPECT_EQ(l.Licita(), Chiamata(caso.massimo)) << caso.forza;
        Registro().chiamata = Chiamata(caso.massimo);
        EXPECT_EQ(l.Licita(), ChiamataPasso) << caso.forza;
    }
}

TEST_F(StrategiaDiLicitazione, SopraIlCentosessantaIlMassimoEAPuntiConUnCasuale) {
    // Without the Due: each line above 160 that applies draws anew; the last one sets the
    // maximum, which shows as the highest points bid it will make.
    struct Caso {
        std::vector<int> cuori;
        int forza;
        int estrazioni;
        int base;
    };
    const std::vector<Caso> casi = {{{kSette, kTre, kAsso}, 162, 1, 64},
                                    {{kQuattro, kDonna, kTre, kAsso}, 175, 2, 68},
                                    {{kRe, kTre, kAsso}, 184, 3, 73}};
    for (const Caso& caso : casi) {
        DistribuisciConMano(0, ManoDiCuori(caso.cuori));
        LicitazioneAPunti l(0);
        l.Siedi(TavoloDelTest());
        l.ValutaMano();
        ASSERT_EQ(l.Forza(), caso.forza);
        for (std::uint32_t seme = 1; seme <= 20; ++seme) {
            std::mt19937 riferimento(seme);
            riferimento.discard(static_cast<unsigned long long>(caso.estrazioni - 1));
            const int massimo = caso.base + static_cast<int>(riferimento() % 7);
            ImpostaSemeCasuale(seme);
            Registro().chiamata = Chiamata(massimo - 1);
            EXPECT_EQ(l.Licita(), Chiamata(massimo)) << caso.forza << " " << seme;
            ImpostaSemeCasuale(seme);
            Registro().chiamata = Chiamata(massimo);
            EXPECT_EQ(l.Licita(), ChiamataPasso) << caso.forza << " " << seme;
        }
    }
}

TEST_F(StrategiaDiLicitazione, OgniRigaCheValeEstraeUnNuovoNumero) {
    struct Caso {
        std::vector<int> cuori;
        int forza;
        int estrazioni;
    };
    const std::vector<Caso> casi = {
        {{kAsso, kTre}, 153, 0},
        {{kSette, kTre, kAsso}, 162, 1},
        {{kQuattro, kDonna, kTre, kAsso}, 175, 2},
        {{kRe, kTre, kAsso}, 184, 3},
        {{kSei, kRe, kTre, kAsso}, 192, 4},           // + the jump to 70
        {{kDue, kQuattro, kRe, kTre, kAsso}, 196, 3}, // the Due: no jump
        {{kQuattro, kDonna, kRe, kTre, kAsso}, 207, 5},
        {{kDue, kDonna, kRe, kTre, kAsso}, 206, 4},
        {{kQuattro, kFante, kDonna, kRe, kTre, kAsso}, 218, 6}, // + both jumps
        {{kDue, kFante, kDonna, kRe, kTre, kAsso}, 217, 4},
        {{kCinque, kSei, kSette, kFante, kDonna, kRe, kTre, kAsso}, 236, 7},
        {{kDue, kSei, kSette, kFante, kDonna, kRe, kTre, kAsso}, 234, 5},
    };
    for (const Caso& caso : casi) {
        DistribuisciConMano(2, ManoDiCuori(caso.cuori));
        LicitazioneAPunti l(2);
        l.Siedi(TavoloDelTest());
        l.ValutaMano();
        ASSERT_EQ(l.Forza(), caso.forza);
        ImpostaSemeCasuale(99);
        (void)l.Licita();
        std::mt19937 riferimento(99);
        riferimento.discard(static_cast<unsigned long long>(caso.estrazioni));
        EXPECT_EQ(Casuale(1000000), static_cast<int>(riferimento() % 1000000)) << caso.forza;
    }
}

TEST_F(StrategiaDiLicitazione, UnaManoMoltoForteSenzaDueSaltaASettanta) {
    // Asso, Tre, Re, Sei of Cuori: 214, forza 192: whatever stands, it bids 70.
    DistribuisciConMano(0, ManoDiCuori({kSei, kRe, kTre, kAsso}));
    LicitazioneAPunti l(0);
    l.Siedi(TavoloDelTest());
    l.ValutaMano();
    ASSERT_EQ(l.Forza(), 192);
    for (const Chiamata& inPiedi :
         {ChiamataNulla, Chiamata(kAsso), Chiamata(kDue), Chiamata(69), Chiamata(75)}) {
        Registro().chiamata = inPiedi;
        EXPECT_EQ(l.Licita(), Chiamata(70));
    }
}

TEST_F(StrategiaDiLicitazione, UnaManoFortissimaSenzaDueSaltaAOttanta) {
    auto l = Prepara(4, {Carta(kAsso, kPicche), Carta(kTre, kPicche), Carta(kRe, kPicche),
                         Carta(kDonna, kPicche), Carta(kFante, kPicche), Carta(kSette, kPicche),
                         Carta(kSei, kPicche), Carta(kCinque, kPicche)});
    EXPECT_EQ(l.SommaSeme(kPicche), 263);
    EXPECT_EQ(l.Forza(), 236);
    EXPECT_EQ(l.SemeMigliore(), kPicche);
    for (const Chiamata& inPiedi :
         {ChiamataNulla, Chiamata(kAsso), Chiamata(kQuattro), Chiamata(79), Chiamata(95)}) {
        Registro().chiamata = inPiedi;
        EXPECT_EQ(l.Licita(), Chiamata(80));
    }
}

TEST_F(StrategiaDiLicitazione, UnaManoFortissimaConIlDueNonFaMaiChiamateAPunti) {
    auto l = Prepara(1, {Carta(kAsso, kCuori), Carta(kTre, kCuori), Carta(kRe, kCuori),
                         Carta(kDonna, kCuori), Carta(kFante, kCuori), Carta(kSette, kCuori),
                         Carta(kSei, kCuori), Carta(kDue, kCuori)});
    EXPECT_EQ(l.Forza(), 234);
    EXPECT_EQ(l.Licita(), Chiamata(kCinque));
    Registro().chiamata = Chiamata(kQuattro);
    EXPECT_EQ(l.Licita(), ChiamataPasso);
    Registro().chiamata = Chiamata(kDue);
    EXPECT_EQ(l.Licita(), ChiamataPasso);
}

TEST_F(StrategiaDiLicitazione, IPariFraSemiVannoAlSemePiuBasso) {
    auto l = Prepara(0, {Carta(kAsso, kFiori), Carta(kAsso, kPicche), Carta(kDue, kCuori),
                         Carta(kDue, kQuadri), Carta(kQuattro, kCuori), Carta(kQuattro, kQuadri),
                         Carta(kSei, kFiori), Carta(kSei, kPicche)});
    EXPECT_EQ(l.SommaSeme(kFiori), l.SommaSeme(kPicche));
    EXPECT_EQ(l.SemeMigliore(), kFiori);
    EXPECT_EQ(l.ScegliBriscola(), Briscola(kFiori));

    auto pari = Prepara(0, {Carta(kRe, kCuori), Carta(kRe, kQuadri), Carta(kRe, kFiori),
                            Carta(kRe, kPicche), Carta(kDue, kCuori), Carta(kDue, kQuadri),
                            Carta(kDue, kFiori), Carta(kDue, kPicche)});
    EXPECT_EQ(pari.SemeMigliore(), kCuori);
}

// Properties over many random deals, for every seat and many standing bids.
TEST_F(StrategiaDiLicitazione, ProprietaSuTanteManiCasuali) {
    std::vector<Chiamata> inPiedi = {ChiamataNulla};
    for (int v = 9; v >= 0; --v) {
        inPiedi.emplace_back(v);
    }
    for (int p = 61; p <= 120; p += 3) {
        inPiedi.emplace_back(p);
    }
    for (std::uint32_t seme = 0; seme < 400; ++seme) {
        ImpostaSemeCasuale(seme);
        Registro().Distribuisci(TavoloDelTest().generatore);
        for (int g = 0; g < 5; ++g) {
            LicitazioneAPunti l(g);
            l.Siedi(TavoloDelTest());
            l.ValutaMano();
            const Carta dueMigliore(kDue, l.SemeMigliore());
            bool hoDue = false;
            for (int k = 0; k < 8; ++k) {
                hoDue = hoDue || Registro().CartaInMano(g, k) == dueMigliore;
            }
            for (const Chiamata& c : inPiedi) {
                Registro().chiamata = c;
                const Chiamata offerta = l.Licita();
                // With no bid standing it never passes.
                if (c == ChiamataNulla) {
                    EXPECT_NE(offerta, ChiamataPasso) << seme << " " << g;
                }
                if (offerta == ChiamataPasso) {
                    continue;
                }
                EXPECT_EQ(offerta.Seme, -1);
                if (offerta.Punti > 60) {
                    // A points bid: never with the Due of the suit it would name.
                    EXPECT_FALSE(hoDue) << seme << " " << g;
                    EXPECT_EQ(offerta.Valore, 0);
                } else {
                    // Never a rank whose card of its suit it holds.
                    const Carta chiamata(offerta.Valore, l.SemeMigliore());
                    for (int k = 0; k < 8; ++k) {
                        EXPECT_NE(Registro().CartaInMano(g, k), chiamata);
                    }
                }
                // Higher than the standing bid, unless a jump of a very strong hand.
                if (l.Forza() <= 190 || hoDue) {
                    EXPECT_TRUE(Supera(offerta, c)) << seme << " " << g;
                }
            }
        }
    }
}

TEST_F(StrategiaDiLicitazione, IlGiocatoreEQuelloDellaCostruzione) {
    LicitazioneAPunti l(3);
    l.Siedi(TavoloDelTest());
    EXPECT_EQ(l.Giocatore, 3);
}
