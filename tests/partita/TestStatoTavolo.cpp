#include <gtest/gtest.h>

#include "comune/Errore.h"
#include "partita/StatoTavolo.h"

TEST(StatoTavolo, LaDisposizioneSiImpostaDaZeroATre) {
    StatoTavolo tavolo;
    for (int tipo = 0; tipo <= 3; ++tipo) {
        tavolo.ImpostaTipoGiocatori(tipo);
        EXPECT_EQ(tavolo.TipoGiocatori(), tipo);
        EXPECT_EQ(tavolo.SoloComputer(), tipo != 0);
    }
}

TEST(StatoTavolo, UnaDisposizioneFuoriDaZeroATreSollevaENonCambia) {
    StatoTavolo tavolo(1, 2);
    EXPECT_THROW(tavolo.ImpostaTipoGiocatori(4), Errore);
    EXPECT_THROW(tavolo.ImpostaTipoGiocatori(-1), Errore);
    EXPECT_EQ(tavolo.TipoGiocatori(), 2);
    EXPECT_THROW(StatoTavolo(1, 7), Errore);
}
