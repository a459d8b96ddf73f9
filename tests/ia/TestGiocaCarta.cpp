#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "aiuto/AiutoPartita.h"
#include "comune/Casuale.h"
#include "ia/GiocaCarta.h"
#include "partita/RegistroPartita.h"

namespace {

class GiocaCartaACasoProva : public ConStatoPulito {
protected:
    // Seat 2 keeps only the cards at positions tenute of its eight dealt cards.
    static void LasciaInMano(const std::vector<int>& tenute) {
        Registro().DistribuisciMani(DistribuzioneCon({}));
        for (int k = 0; k < 8; ++k) {
            if (std::find(tenute.begin(), tenute.end(), k) == tenute.end()) {
                Registro().RegistraGiocata(Registro().CartaDistribuita(2, k));
            }
        }
    }
};

} // namespace

TEST_F(GiocaCartaACasoProva, NomeEDettaglio) {
    const GiocaCartaACaso strategia(1);
    EXPECT_EQ(strategia.Nome(), "Gioca a Caso");
    EXPECT_EQ(strategia.Dettaglio(), "");
    EXPECT_EQ(strategia.Giocatore(), 1);
}

TEST_F(GiocaCartaACasoProva, LaBriscolaPrevistaParteNonNominata) {
    GiocaCartaACaso strategia(0);
    strategia.Siedi(TavoloDelTest());
    EXPECT_EQ(strategia.BriscolaPrevista(), BriscolaIndefinita);
    strategia.ImpostaBriscola(Briscola(3));
    EXPECT_EQ(strategia.BriscolaPrevista(), Briscola(3));
    strategia.AzzeraBriscola();
    EXPECT_EQ(strategia.BriscolaPrevista(), BriscolaIndefinita);
}

TEST_F(GiocaCartaACasoProva, ConUnaSolaCartaGiocaQuella) {
    LasciaInMano({5});
    GiocaCartaACaso strategia(2);
    strategia.Siedi(TavoloDelTest());
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(strategia.ScegliCarta(), Registro().CartaDistribuita(2, 5));
    }
}

TEST_F(GiocaCartaACasoProva, TreCarteRimasteEscononoUnTerzoDelleVolteCiascuna) {
    LasciaInMano({0, 3, 7});
    GiocaCartaACaso strategia(2);
    strategia.Siedi(TavoloDelTest());
    std::map<int, int> volte;
    const int estrazioni = 6000;
    for (int i = 0; i < estrazioni; ++i) {
        const Carta c = strategia.ScegliCarta();
        ASSERT_TRUE(Registro().InMano(c.Indice()));
        ++volte[c.Indice()];
    }
    EXPECT_EQ(volte.size(), 3u);
    for (const auto& [indice, n] : volte) {
        EXPECT_NEAR(n, estrazioni / 3, estrazioni / 20) << indice;
    }
}

TEST_F(GiocaCartaACasoProva, ConLaManoVuotaSollevaInveceDiGirareASempre) {
    LasciaInMano({});
    GiocaCartaACaso strategia(2);
    strategia.Siedi(TavoloDelTest());
    try {
        (void)strategia.ScegliCarta();
        FAIL() << "nessuna eccezione";
    } catch (const Errore& e) {
        EXPECT_STREQ(e.what(), "Nessuna carta in mano al giocatore 2");
    }
    // Before any deal, too.
    Registro() = RegistroPartita();
    EXPECT_THROW((void)GiocaCartaACaso(0).ScegliCarta(), Errore);
}
