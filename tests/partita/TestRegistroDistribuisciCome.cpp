#include <gtest/gtest.h>

#include "partita/RegistroPartita.h"

namespace {

std::array<std::int8_t, 40> ManiInOrdine() {
    std::array<std::int8_t, 40> mani{};
    for (int c = 0; c < 40; ++c) {
        mani[static_cast<std::size_t>(c)] = static_cast<std::int8_t>(c / 8);
    }
    return mani;
}

TEST(RegistroDistribuisciCome, OgniCartaAlPostoIndicato) {
    RegistroPartita registro;
    auto mani = ManiInOrdine();
    std::swap(mani[0], mani[39]); // Due di Cuori to seat 4, Asso di Picche to seat 0
    registro.DistribuisciCome(mani);
    EXPECT_EQ(registro.CartaInMano(0, 7), Carta(kAsso, 3));
    EXPECT_EQ(registro.CartaInMano(4, 0), Carta(kDue, 0));
    EXPECT_EQ(registro.CartaInMano(0, 0), Carta::DaIndice(1));
    EXPECT_EQ(registro.NumeroCarteGiocate(), 0);
    EXPECT_EQ(registro.chiamante, -1);
}

TEST(RegistroDistribuisciCome, ManiSbagliateRifiutateSenzaCambiareNulla) {
    RegistroPartita registro;
    registro.DistribuisciCome(ManiInOrdine());
    registro.RegistraGiocata(Carta::DaIndice(3));

    auto noveAlPrimo = ManiInOrdine();
    noveAlPrimo[8] = 0;
    auto postoFuori = ManiInOrdine();
    postoFuori[8] = 5;
    for (const auto& mani : {noveAlPrimo, postoFuori}) {
        try {
            registro.DistribuisciCome(mani);
            ADD_FAILURE() << "nessuna eccezione";
        } catch (const Errore& e) {
            EXPECT_STREQ(e.what(), "Distribuzione non valida");
        }
        EXPECT_EQ(registro.NumeroCarteGiocate(), 1);
        EXPECT_FALSE(registro.InMano(3));
        EXPECT_EQ(registro.Distribuzione(8), 1);
    }
}

} // namespace
