#include <gtest/gtest.h>

#include "comune/Errore.h"
#include "partita/TipoGiocatori.h"

namespace {

class TipoGiocatoriProva : public ::testing::Test {
protected:
    void TearDown() override { ImpostaTipoGiocatori(0); }
};

} // namespace

TEST_F(TipoGiocatoriProva, SiImpostaDaZeroATre) {
    for (int tipo = 0; tipo <= 3; ++tipo) {
        ImpostaTipoGiocatori(tipo);
        EXPECT_EQ(TipoGiocatori(), tipo);
    }
}

TEST_F(TipoGiocatoriProva, UnTipoFuoriDaZeroATreSollevaENonCambia) {
    ImpostaTipoGiocatori(2);
    EXPECT_THROW(ImpostaTipoGiocatori(4), Errore);
    EXPECT_THROW(ImpostaTipoGiocatori(-1), Errore);
    EXPECT_EQ(TipoGiocatori(), 2);
}
