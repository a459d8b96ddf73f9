#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ia/RisposteModello.h"

namespace {

// Questions that differ from a first one in a single field each, then many that differ in the
// hand alone, enough to double the table several times; the answer of each is a card of its
// own.
std::vector<DomandaModello> Domande(int quante) {
    const DomandaModello base{0x00ff00ff00ull, 7u, 12, 3, false};
    std::vector<DomandaModello> domande = {base};
    DomandaModello d = base;
    d.mano ^= 1u;
    domande.push_back(d);
    d = base;
    d.coperte = 8u;
    domande.push_back(d);
    d = base;
    d.giocate = 13;
    domande.push_back(d);
    d = base;
    d.chi = 4;
    domande.push_back(d);
    d = base;
    d.tattico = true;
    domande.push_back(d);
    for (int i = 0; static_cast<int>(domande.size()) < quante; ++i) {
        d = base;
        // Hands that share their low bits, so that they crowd the same places.
        d.mano = static_cast<std::uint64_t>(i) << 40;
        domande.push_back(d);
    }
    domande.resize(static_cast<std::size_t>(quante));
    return domande;
}

Carta Risposta(std::size_t n) {
    return Carta::DaIndice(static_cast<int>(n % 40));
}

} // namespace

TEST(RisposteModello, OgniDomandaSiCalcolaUnaVoltaESiRitrovaAncheDopoCheLaTabellaCresce) {
    for (const int quante : {1, 6, 511, 512, 513, 5000}) {
        SCOPED_TRACE(quante);
        const std::vector<DomandaModello> domande = Domande(quante);
        RisposteModello risposte;
        int calcoli = 0;
        for (std::size_t n = 0; n < domande.size(); ++n) {
            EXPECT_EQ(risposte.Risposta(domande[n],
                                        [&] {
                                            ++calcoli;
                                            return Risposta(n);
                                        }),
                      Risposta(n));
        }
        EXPECT_EQ(calcoli, quante);
        EXPECT_EQ(risposte.Numero(), static_cast<std::size_t>(quante));
        // At most half full, and a power of two, so that probes stay short and wrap.
        EXPECT_GE(risposte.Posti(), 2 * risposte.Numero());
        EXPECT_EQ(risposte.Posti() & (risposte.Posti() - 1), 0u);

        // Asked again, in the reverse order, every answer is the remembered one.
        for (std::size_t n = domande.size(); n-- > 0;) {
            EXPECT_EQ(risposte.Risposta(domande[n],
                                        [&] {
                                            ++calcoli;
                                            return CartaIndefinita;
                                        }),
                      Risposta(n))
                << n;
        }
        EXPECT_EQ(calcoli, quante);
        EXPECT_EQ(risposte.Numero(), static_cast<std::size_t>(quante));
    }
}
