#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "ia/TestoNumero.h"

namespace {

// A C++ locale whose decimal separator is the comma, as an Italian user's would be.
struct Virgola : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

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

TEST(NumeroFisso, IlPuntoResisteAlLocaleConLaVirgola) {
    const std::locale prima = std::locale::global(std::locale(std::locale::classic(), new Virgola));
    const std::string testo = NumeroFisso(0.34, 4);
    std::locale::global(prima);
    EXPECT_EQ(testo, "0.3400");

    // The C locale too, when an Italian or German one is installed here.
    for (const char* nome : {"it_IT.UTF-8", "de_DE.UTF-8", "it_IT", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, nome) != nullptr) {
            const std::string conLocaleC = NumeroFisso(2.15, 4);
            std::setlocale(LC_NUMERIC, "C");
            EXPECT_EQ(conLocaleC, "2.1500") << nome;
            break;
        }
    }
}

} // namespace
