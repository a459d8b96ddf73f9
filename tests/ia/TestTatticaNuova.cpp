#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportoPartita.h"
#include "carte/NomiCarte.h"
#include "ia/OsservatoreTattica.h"
#include "ia/SchemaTattica.h"
#include "ia/TatticaNuova.h"

namespace {

// Writes down every call, as the step window would receive it.
class OsservatoreRegistra : public OsservatoreTattica {
public:
    std::vector<std::string> chiamate;
    std::string schema, analisi, righe, cartaGiocata;
    int giocatore = -1;
    NomiCarte nomi;

    const NomiCarte& Nomi() const override { return nomi; }

    void Schema(const std::string& etichetta) override {
        chiamate.push_back("Schema");
        schema = etichetta;
    }
    void Giocatore(int g) override {
        chiamate.push_back("Giocatore");
        giocatore = g;
    }
    void Analisi(const std::string& ruoli) override {
        chiamate.push_back("Analisi");
        analisi = ruoli;
    }
    void CarteMigliori(const std::string& testo) override {
        chiamate.push_back("CarteMigliori");
        righe = testo;
    }
    void CartaGiocata(const std::string& nome) override {
        chiamate.push_back("CartaGiocata");
        cartaGiocata = nome;
    }
};

class TatticaNuovaTest : public ::testing::Test {
protected:
    RegistroPartita registro;
    OsservatoreRegistra osservatore;

    void SetUp() override { AzzeraStatoGlobale(); }
    void TearDown() override { AzzeraStatoGlobale(); }

    // Seat s is dealt cards 8s .. 8s+7 (seat 0 all Cuori up to the Re, seat 4 the Picche from
    // the Cinque up); the caller and the called card are set; then each seat in turn, 0 to 4,
    // plays its lowest card, trick after trick, for the given number of cards.
    void PartitaInOrdine(int chiamante, int valore, int seme, int carte) {
        std::array<int, 40> posti{};
        for (int c = 0; c < 40; ++c) {
            posti[static_cast<std::size_t>(c)] = c / 8;
        }
        registro.DistribuisciMani(posti);
        ImpostaChiamata(registro, chiamante, valore, seme);
        for (int n = 0; n < carte; ++n) {
            for (int k = 0; k < 8; ++k) {
                const Carta carta = registro.CartaInMano(n % 5, k);
                if (carta.Definita()) {
                    GiocaCarte(registro, {carta});
                    break;
                }
            }
        }
    }
};

std::string Messaggio(const Coefficienti& c) {
    try {
        TatticaNuova tattica(c);
        return {};
    } catch (const Errore& e) {
        return e.what();
    }
}

TEST(CoefficientiTattica, LimitiInclusi) {
    const auto con = [](auto imposta) {
        Coefficienti c;
        imposta(c);
        return Messaggio(c);
    };
    EXPECT_EQ(con([](Coefficienti&) {}), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.IP = 0; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.PP = 0; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.CH = 0; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.CH = 0.11; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.IR = 0; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.PS = 0; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.PS = 1.0; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.MN = 0; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.MN = 1.0; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.CC = -50; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.CC = 1e6; }), "");
    EXPECT_EQ(con([](Coefficienti& c) { c.IP = 1e6; }), "");
}

TEST(CoefficientiTattica, LimitiEsclusi) {
    const auto con = [](auto imposta) {
        Coefficienti c;
        imposta(c);
        return Messaggio(c);
    };
    EXPECT_EQ(con([](Coefficienti& c) { c.IP = -1e-9; }),
              "Coefficiente Importanza Punti minore di zero");
    EXPECT_EQ(con([](Coefficienti& c) { c.PP = -1e-9; }),
              "Coefficiente Presa Punti minore di zero");
    EXPECT_EQ(con([](Coefficienti& c) { c.CH = 0.1100001; }),
              "Coefficiente Carte Chiamante troppo grande");
    EXPECT_EQ(con([](Coefficienti& c) { c.CH = -1e-9; }),
              "Coefficiente Carte Chiamante minore di zero");
    EXPECT_EQ(con([](Coefficienti& c) { c.IR = -1e-9; }),
              "Coefficiente Importanza Relativa Carte minore di zero");
    EXPECT_EQ(con([](Coefficienti& c) { c.PS = 1.0000001; }),
              "Coefficiente Posizione troppo grande");
    EXPECT_EQ(con([](Coefficienti& c) { c.PS = -1e-9; }), "Coefficiente Posizione minore di zero");
    EXPECT_EQ(con([](Coefficienti& c) { c.MN = 1.0000001; }), "Coefficiente Mano troppo grande");
    EXPECT_EQ(con([](Coefficienti& c) { c.MN = -1e-9; }), "Coefficiente Mano minore di zero");
}

// With every coefficient wrong, the messages come one at a time as each is mended in order.
TEST(CoefficientiTattica, VinceIlPrimoMessaggio) {
    Coefficienti c{-1, -1, 0.2, -1, 2, 2, 0};
    EXPECT_EQ(Messaggio(c), "Coefficiente Importanza Punti minore di zero");
    c.IP = 1;
    EXPECT_EQ(Messaggio(c), "Coefficiente Presa Punti minore di zero");
    c.PP = 1;
    EXPECT_EQ(Messaggio(c), "Coefficiente Carte Chiamante troppo grande");
    c.CH = -1;
    EXPECT_EQ(Messaggio(c), "Coefficiente Carte Chiamante minore di zero");
    c.CH = 0.05;
    EXPECT_EQ(Messaggio(c), "Coefficiente Importanza Relativa Carte minore di zero");
    c.IR = 2;
    EXPECT_EQ(Messaggio(c), "Coefficiente Posizione troppo grande");
    c.PS = -1;
    EXPECT_EQ(Messaggio(c), "Coefficiente Posizione minore di zero");
    c.PS = 0.5;
    EXPECT_EQ(Messaggio(c), "Coefficiente Mano troppo grande");
    c.MN = -1;
    EXPECT_EQ(Messaggio(c), "Coefficiente Mano minore di zero");
    c.MN = 0.5;
    EXPECT_EQ(Messaggio(c), "");
}

TEST(SchemaTattica, Etichette) {
    EXPECT_EQ(EtichettaSchema(0), "Caaaa");
    EXPECT_EQ(EtichettaSchema(1), "cAaaa");
    EXPECT_EQ(EtichettaSchema(5), "Maaaa");
    EXPECT_EQ(EtichettaSchema(10), "Csaaa");
    EXPECT_EQ(EtichettaSchema(13), "csaAa");
    EXPECT_EQ(EtichettaSchema(149), "aaaaM");
    EXPECT_EQ(EtichettaSchema(-1), "");
    EXPECT_EQ(EtichettaSchema(150), "");
    // Third place, caller leading (0), partner third (code 3): 2 + 0 + 15.
    EXPECT_EQ(IndiceSchema(2, 0, 3), 17);
    EXPECT_EQ(EtichettaSchema(17), "caSaa");
}

// Seat 0 calls the Asso, trump Cuori (the Asso di Cuori is with seat 1) and leads the first
// trick: the partner is hidden to him.
TEST_F(TatticaNuovaTest, ChiamanteCheApreSenzaSocioNoto) {
    PartitaInOrdine(0, kAsso, kCuori, 0);
    TatticaNuova tattica{Coefficienti{}, &osservatore};
    tattica.Scegli(registro, 0);
    EXPECT_EQ(tattica.Schema(), 0);
    EXPECT_EQ(osservatore.schema, "Caaaa");
    EXPECT_EQ(osservatore.analisi, "Chiamante Neutro Neutro Neutro Neutro ");
    EXPECT_EQ(osservatore.giocatore, 0);
}

// Seat 0 calls the Due di Fiori, which seat 2 holds; seat 2 decides third in the first trick.
TEST_F(TatticaNuovaTest, SocioInTerzaPosizioneColChiamanteDiMano) {
    PartitaInOrdine(0, kDue, kFiori, 2);
    TatticaNuova tattica{Coefficienti{}, &osservatore};
    tattica.Scegli(registro, 2);
    EXPECT_EQ(tattica.Schema(), 17);
    EXPECT_EQ(osservatore.schema, "caSaa");
    EXPECT_EQ(osservatore.analisi, "Chiamante Avversario Socio Avversario Avversario ");
    EXPECT_EQ(osservatore.giocatore, 2);
}

// The last trick: seat 0 (caller, holding his own called Re di Cuori) leads it, then seats 1-3
// add the Fante di Quadri, the Sei di Fiori and the Quattro di Picche: 6 points, the Re wins.
// Seat 4 has only the Asso di Picche: v = 6 + 11 = 17, all of it to the caller, who is the
// other side: -17. Nothing is left to come, so the control value is 0.
TEST_F(TatticaNuovaTest, LaFinestraRiceveLaDecisioneInOrdine) {
    PartitaInOrdine(0, kRe, kCuori, 39);
    TatticaNuova tattica{Coefficienti{}, &osservatore};
    EXPECT_EQ(tattica.Scegli(registro, 4), Carta(kAsso, kPicche));
    EXPECT_EQ(osservatore.chiamate, (std::vector<std::string>{"Schema", "Giocatore", "Analisi",
                                                              "CarteMigliori", "CartaGiocata"}));
    EXPECT_EQ(osservatore.schema, "caaaA");
    EXPECT_EQ(osservatore.analisi, "Chiamante Avversario Avversario Avversario Avversario ");
    EXPECT_EQ(osservatore.righe, "  -17.00  0.00  -17.00    -  Asso di Picche\n");
    EXPECT_EQ(osservatore.cartaGiocata, "Asso di Picche");
}

// The same decision shown by a window with Italian suits: the cards come in its names.
TEST_F(TatticaNuovaTest, LaFinestraRiceveLeCarteNeiSuoiNomi) {
    PartitaInOrdine(0, kRe, kCuori, 39);
    osservatore.nomi.CaricaDaByte("C0=Asso\nS3=Spade\n");
    TatticaNuova tattica{Coefficienti{}, &osservatore};
    EXPECT_EQ(tattica.Scegli(registro, 4), Carta(kAsso, kPicche));
    EXPECT_EQ(osservatore.righe, "  -17.00  0.00  -17.00    -  Asso di Spade\n");
    EXPECT_EQ(osservatore.cartaGiocata, "Asso di Spade");
}

// Seat 3 plays fourth in trick 7 holding the Due and the Quattro di Picche, plain cards worth
// nothing that cannot take the Donna di Cuori leading: both score exactly alike, and the
// lower card index (the Due) is played.
TEST_F(TatticaNuovaTest, APariValoreLaCartaDiIndiceMinore) {
    PartitaInOrdine(0, kRe, kCuori, 33);
    TatticaNuova tattica{Coefficienti{}};
    EXPECT_EQ(tattica.Scegli(registro, 3), Carta(kDue, kPicche));
    ASSERT_EQ(tattica.NumeroCandidate(), 2);
    EXPECT_EQ(tattica.CandidataN(0).valoreTotale, tattica.CandidataN(1).valoreTotale);
}

// With an enormous IP every total of the same position falls below the starting bar of
// -10,000,000: a card of the hand is still played, the first.
TEST_F(TatticaNuovaTest, TotaliSottoLaSogliaGiocanoComunqueUnaCarta) {
    PartitaInOrdine(0, kRe, kCuori, 33);
    Coefficienti c;
    c.IP = 1e9;
    TatticaNuova tattica(c, &osservatore);
    EXPECT_EQ(tattica.Scegli(registro, 3), Carta(kDue, kPicche));
    ASSERT_EQ(tattica.NumeroCandidate(), 2);
    EXPECT_LT(tattica.CandidataN(0).valoreTotale, -1e7);
    EXPECT_LT(tattica.CandidataN(1).valoreTotale, -1e7);
    EXPECT_EQ(osservatore.cartaGiocata, "Due di Picche");
}

TEST_F(TatticaNuovaTest, ManoVuotaNessunaCarta) {
    PartitaInOrdine(0, kRe, kCuori, 40);
    TatticaNuova tattica{Coefficienti{}};
    EXPECT_EQ(tattica.Scegli(registro, 2), CartaIndefinita);
    EXPECT_EQ(tattica.NumeroCandidate(), 0);
}

} // namespace
