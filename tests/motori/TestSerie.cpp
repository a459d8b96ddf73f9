#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "aiuto/AiutoPartita.h"
#include "ia/RegoleLette.h"
#include "motori/Serie.h"
#include "partita/TipoStoriaPartite.h"

namespace {

class SerieSenzaFinestra : public ConStatoPulito {
protected:
    CartellaTemporanea cartella;

    OpzioniSerie Opzioni(int tipo, long long partite, int fili) const {
        OpzioniSerie opzioni;
        opzioni.tipo = tipo;
        opzioni.partite = partite;
        opzioni.seme = 4242;
        opzioni.fili = fili;
        opzioni.tavolo.fileRegole = std::string(PENTALUDO_DATI_SORGENTE) + "/regole.OK.txt";
        opzioni.tavolo.logTest = cartella.File("test.txt");
        return opzioni;
    }

    // Plays a series from the history given (an empty one by default); the history it leaves.
    TipoStoriaPartite Gioca(const OpzioniSerie& opzioni, EsitoSerie* esito = nullptr,
                            const TipoStoriaPartite& prima = TipoStoriaPartite()) {
        Serie serie(opzioni, prima);
        const EsitoSerie fatto = serie.Gioca();
        if (esito != nullptr) {
            *esito = fatto;
        } else {
            EXPECT_EQ(fatto.errore, "");
        }
        return serie.Storia();
    }
};

} // namespace

TEST_F(SerieSenzaFinestra, LeQuoteDiUnaSerieDiSoliComputerSonoLaSerieIntera) {
    // Computer-only games deal by seed and game number: shares played side by side under the
    // numbers of a single series play its very games.
    for (const int tipo : {1, 3}) {
        SCOPED_TRACE(tipo);
        EsitoSerie uno;
        EsitoSerie tre;
        const TipoStoriaPartite intera = Gioca(Opzioni(tipo, 23, 1), &uno);
        const TipoStoriaPartite aQuote = Gioca(Opzioni(tipo, 23, 3), &tre);
        EXPECT_EQ(aQuote, intera);
        EXPECT_EQ(tre.giocate, 23);
        EXPECT_EQ(tre.statistica.Partite(), 23);
        EXPECT_DOUBLE_EQ(tre.statistica.Posto(4).erroreStandard,
                         uno.statistica.Posto(4).erroreStandard);
    }
}

TEST_F(SerieSenzaFinestra, IGiocatoriDalleRegoleGiaLetteGiocanoLeStessePartite) {
    // What a server does for its tables: the rules read once, every standard player filled
    // from them, plays the very games of players that each read the file.
    const OpzioniSerie leggono = Opzioni(1, 12, 1);
    const RegoleLette regole = RegoleLette::DaFile(leggono.tavolo.fileRegole);
    OpzioniSerie condivise = leggono;
    condivise.tavolo.regoleLette = &regole;
    condivise.tavolo.fileRegole = "regole-che-non-servono.txt";
    EXPECT_EQ(Gioca(condivise), Gioca(leggono));
}

TEST_F(SerieSenzaFinestra, LeQuoteAccodateSonoLaSerieInteraConLeSueStatistiche) {
    // A share hands back its history and statistics, not its games: after a loaded series of
    // three games (so that a block of five is cut between two shares), the shares played side
    // by side leave the very history and statistics of one series, the ring of its last
    // games included.
    const TipoStoriaPartite tre = Gioca(Opzioni(1, 3, 1));
    for (const int tipo : {1, 2, 3}) {
        for (const int fili : {2, 4}) {
            SCOPED_TRACE(std::to_string(tipo) + " " + std::to_string(fili));
            EsitoSerie uno;
            EsitoSerie aQuote;
            const TipoStoriaPartite intera = Gioca(Opzioni(tipo, 61, 1), &uno, tre);
            const TipoStoriaPartite accodata = Gioca(Opzioni(tipo, 61, fili), &aQuote, tre);
            EXPECT_EQ(aQuote.errore, "");
            EXPECT_EQ(accodata.SalvaInByte(), intera.SalvaInByte());
            EXPECT_TRUE(aQuote.statistica == uno.statistica);
            EXPECT_EQ(aQuote.giocate, 61);
        }
    }
}

TEST_F(SerieSenzaFinestra, AlLimiteDeiPuntiLeQuoteSiFermanoDoveSiFermaLaSerieIntera) {
    // Every total a few points below the limit: some seat passes it within a few games, and
    // the shares stop at that very game, with the history and figures of one series.
    TipoStoriaPartite alBordo;
    alBordo.numeroPartite = 7;
    alBordo.totale.fill(std::numeric_limits<std::int32_t>::max() -
                        TipoStoriaPartite::kPunteggioMassimo - 2);
    for (const int tipo : {1, 3}) {
        SCOPED_TRACE(tipo);
        EsitoSerie uno;
        EsitoSerie tre;
        const TipoStoriaPartite intera = Gioca(Opzioni(tipo, 40, 1), &uno, alBordo);
        const TipoStoriaPartite aQuote = Gioca(Opzioni(tipo, 40, 3), &tre, alBordo);
        EXPECT_EQ(uno.errore.rfind("La serie ha raggiunto il limite dei punti che può contare "
                                   "nel totale del posto ",
                                   0),
                  0u)
            << uno.errore;
        EXPECT_LT(uno.giocate, 40);
        EXPECT_EQ(tre.errore, uno.errore);
        EXPECT_EQ(tre.partitaErrore, uno.partitaErrore);
        EXPECT_EQ(tre.giocate, uno.giocate);
        EXPECT_EQ(aQuote, intera);
        EXPECT_TRUE(tre.statistica == uno.statistica);
    }
    // A full series plays no game, and says why.
    alBordo.totale[2] = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(Messaggio([&] { Serie serie(Opzioni(1, 1, 1), alBordo); }),
              "La serie ha raggiunto il limite dei punti che può contare nel totale del posto 2: "
              "per continuare, iniziane una nuova");
    EXPECT_NO_THROW(Serie(Opzioni(1, 0, 1), alBordo));
}

TEST_F(SerieSenzaFinestra, ConIlPostoUmanoLaPrimaQuotaEIlPrincipioDellaSerie) {
    const TipoStoriaPartite intera = Gioca(Opzioni(0, 20, 1));
    const TipoStoriaPartite aQuote = Gioca(Opzioni(0, 20, 2));
    EXPECT_EQ(aQuote.numeroPartite, 20);
    for (int g = 0; g < 10; ++g) {
        EXPECT_EQ(aQuote.Partita(g), intera.Partita(g)) << g;
    }
    // The second share has a seed of its own, and the same one at every run.
    EXPECT_NE(aQuote, intera);
    EXPECT_EQ(Gioca(Opzioni(0, 20, 2)), aQuote);
}

TEST_F(SerieSenzaFinestra, UnaSerieCaricataSiContinuaFinoAlLimiteDelConteggio) {
    TipoStoriaPartite caricata;
    caricata.numeroPartite = std::numeric_limits<std::int32_t>::max() - 3;
    EXPECT_EQ(Messaggio([&] { Serie serie(Opzioni(1, 4, 2), caricata); }),
              "La serie ha già 2147483644 partite: se ne possono giocare al più altre 3");
    Serie serie(Opzioni(1, 3, 2), caricata);
    const EsitoSerie esito = serie.Gioca();
    EXPECT_EQ(esito.errore, "");
    EXPECT_EQ(esito.giocate, 3);
    EXPECT_EQ(serie.Storia().numeroPartite, std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(serie.Storia().Piena());
}

TEST_F(SerieSenzaFinestra, IGruppiSonoIPostiCheGiocanoAlloStessoModo) {
    OpzioniSerie opzioni = Opzioni(1, 0, 1);
    opzioni.tavolo.fileSfidante = opzioni.tavolo.fileRegole;
    opzioni.tavolo.casuale[1] = true;
    Serie serie(opzioni);
    ASSERT_EQ(serie.Gruppi().size(), 4u);
    const std::vector<std::array<bool, 5>> posti = {{true, false, true, false, false},
                                                    {false, true, false, false, false},
                                                    {false, false, false, true, false},
                                                    {false, false, false, false, true}};
    for (std::size_t g = 0; g < posti.size(); ++g) {
        EXPECT_EQ(serie.Gruppi()[g].posti, posti[g]) << serie.Gruppi()[g].nome;
    }
    EXPECT_EQ(serie.Gruppi()[1].nome, "Gioca a Caso");
    EXPECT_EQ(serie.Gruppi()[3].nome.rfind("sfidante ", 0), 0u);
    EXPECT_EQ(serie.Confronti().size(), 4u);
    // Two groups: the smaller one against the rest says it all.
    const Serie tipo1(Opzioni(1, 0, 1));
    ASSERT_EQ(tipo1.Confronti().size(), 1u);
    EXPECT_EQ(tipo1.Confronti()[0].posti, (std::array<bool, 5>{false, true, false, true, false}));
    const Serie tipo2(Opzioni(2, 0, 1));
    EXPECT_EQ(tipo2.Gruppi().size(), 1u);
    EXPECT_TRUE(tipo2.Confronti().empty());
}

TEST_F(SerieSenzaFinestra, LeRigheDelRegistroPerseSiContano) {
    OpzioniSerie opzioni = Opzioni(3, 6, 2);
    opzioni.tavolo.logTest = cartella.Percorso().string();
    EsitoSerie esito;
    Gioca(opzioni, &esito);
    EXPECT_EQ(esito.giocate, 6);
    EXPECT_EQ(esito.righeLogPerse, 6);
}
