#include <gtest/gtest.h>

#include "ia/TestoNumero.h"

namespace {

TEST(NumeroFisso, DecimaliFissiConIlPunto) {
    EXPECT_EQ(NumeroFisso(1.0, 4), "1.0000");
    EXPECT_EQ(NumeroFisso(0.675, 4), "0.6750");
    EXPECT_EQ(NumeroFisso(-13.28, 2), "-13.28");
    EXPECT_EQ(NumeroFisso(2.005, 2), "2.00"); // 2.005 is slightly below in binary
    EXPECT_EQ(NumeroFisso(1234567.0, 2), "1234567.00");
}

TEST(NumeroFisso, ZeroSenzaSegno) {
    EXPECT_EQ(NumeroFisso(-0.0, 2), "0.00");
    EXPECT_EQ(NumeroFisso(-0.001, 2), "0.00");
    EXPECT_EQ(NumeroFisso(-0.006, 2), "-0.01");
}

} // namespace
