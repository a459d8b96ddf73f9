#include <gtest/gtest.h>

#include <string>

#include "comune/Errore.h"
#include "motori/PartitaConservata.h"
#include "partita/FileStoria.h"
#include "partita/TipoStoriaPartite.h"

namespace {

// A game in its trick play: three bids, the trump named, two cards down.
PartitaConservata Esempio() {
    PartitaConservata c;
    c.storia = FileStoria::Scrivi(TipoStoriaPartite());
    c.inCorso = true;
    c.generatoreGiocatori = GeneratoreCasuale(1);
    c.generatorePartita = GeneratoreCasuale(2);
    c.generatoreFinestra = GeneratoreCasuale(3);
    c.generatorePartita.Casuale(7);
    c.esperti = true;
    c.manoAlBuio = false;
    c.puntiMonte = 4;
    c.stato = 5;
    c.licitazioni = {{0, Chiamata(3)}, {1, ChiamataPasso}, {2, Chiamata(75)}};
    c.briscola = 2;
    c.carte = {{3, 17}, {4, 0}};
    return c;
}

} // namespace

// What is written reads back the same, the generators drawing on from where they stood.
TEST(PartitaConservata, ScrittaERilettaUguale) {
    for (const bool inCorso : {true, false}) {
        PartitaConservata c = Esempio();
        if (!inCorso) {
            c = PartitaConservata();
            c.storia = Esempio().storia;
        }
        const std::string testo = ScriviPartitaConservata(c);
        PartitaConservata letta = LeggiPartitaConservata(testo);
        EXPECT_EQ(letta, c);
        EXPECT_EQ(ScriviPartitaConservata(letta), testo);
        EXPECT_EQ(letta.generatorePartita.Numero(), c.generatorePartita.Numero());
    }
}

// Anything the writer could not have written is refused as a whole.
TEST(PartitaConservata, TestiNonValidiRifiutati) {
    const std::string buono = ScriviPartitaConservata(Esempio());
    const auto Sostituito = [&](const std::string& da, const std::string& a) {
        std::string testo = buono;
        const std::size_t dove = testo.find(da);
        EXPECT_NE(dove, std::string::npos) << da;
        return testo.replace(dove, da.size(), a);
    };
    const std::string generatore = GeneratoreCasuale(1).Stato();
    const std::vector<std::string> casi = {
        "",
        buono.substr(0, buono.size() - 1),
        buono.substr(0, buono.size() / 2),
        buono + "x",
        Sostituito("serie in corso 1", "serie in corso 2"),
        Sostituito("\n4 0\n", "\n4 40\n"),
        Sostituito("\n4 0\n", "\n5 0\n"),
        Sostituito("\n2 75\n", "\n2 50\n"),
        Sostituito("\n2 75\n", "\n2 121\n"),
        Sostituito("\n2 75\n", "\n2  75\n"),
        Sostituito("briscola 2", "briscola 4"),
        Sostituito("carte 2", "carte 3"),
        Sostituito("stato 5", "stato 9"),
        Sostituito("monte 4", "monte -1"),
        Sostituito(generatore, generatore + " 1"),
        Sostituito(generatore, "4294967296" + generatore.substr(generatore.find(' '))),
        Sostituito(generatore, generatore.substr(0, generatore.rfind(' ')) + " 625"),
        Sostituito("storia ", "storia 1"),
    };
    for (const std::string& caso : casi) {
        EXPECT_THROW(LeggiPartitaConservata(caso), Errore) << caso.substr(0, 80);
    }
}
