#include <gtest/gtest.h>

#include "carte/Carta.h"

TEST(Carta, IndiceEPuntiDellAssoDiCuori) {
    const Carta asso(kAsso, 0);
    EXPECT_EQ(asso.Indice(), 9);
    EXPECT_EQ(asso.Punti(), 11);
    EXPECT_EQ(asso.NomeLungo(), "Asso di Cuori");
}
