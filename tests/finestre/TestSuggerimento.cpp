// The expert's hint and the analysis of a game, as the person asks for them in the window.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "analisi/Suggerimento.h"
#include "finestre/FinestraAnalisi.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/Suggeritore.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "motori/MotoreOK.h"
#include "motori/Semaforo.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

// Plays as the person until the game asks for the person's card.
void FinoAllaCarta(TavoloDiProva& tavolo) {
    for (int passo = 0; passo < 200; ++passo) {
        ASSERT_TRUE(tavolo.AttendiInattivo());
        if (NumeroStato(tavolo.Finestra()) == 5) {
            return;
        }
        DecidiComeUmano(tavolo.Finestra());
    }
    FAIL() << "the person is never asked for a card";
}

} // namespace

TEST(Suggerimento, NonBloccaLaFinestraESegnaLaCartaDellEsperto) {
    TavoloDiProva tavolo(0, 21);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    finestra.menuNuovaPartitaClick();
    FinoAllaCarta(tavolo);
    ASSERT_FALSE(HasFatalFailure());
    const RegistroPartita posizione = Registro();

    // While the hint is worked out the event loop keeps turning.
    int giri = 0;
    QTimer contatore;
    QObject::connect(&contatore, &QTimer::timeout, [&] { ++giri; });
    contatore.start(1);
    finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    QTest::keyClick(&finestra, Qt::Key_H);
    Suggeritore* suggeritore = finestra.SuggeritoreGioco();
    ASSERT_NE(suggeritore, nullptr);
    ASSERT_TRUE(suggeritore->InCorso());
    ASSERT_TRUE(AttendiCondizione([&] { return !suggeritore->InCorso(); }, 60000));
    contatore.stop();
    EXPECT_GT(giri, 10) << "the event loop stood still while the hint was worked out";

    // The expert's card, for the person's seat from its position, is the one marked.
    const Consigliere consigliere(MotoreOK::kFileRegole, Consigliere::BudgetPredefinito(),
                                  Suggeritore::kSeme);
    const Suggerimento atteso = consigliere.Suggerisci(posizione);
    ASSERT_TRUE(suggeritore->Mostrato().has_value());
    const Carta carta = atteso.Preferita().carta;
    EXPECT_EQ(suggeritore->Mostrato()->Preferita().carta, carta);
    EXPECT_EQ(suggeritore->Segnato(), finestra.Immagine(carta.Indice()));
    for (const Alternativa& a : atteso.alternative) {
        EXPECT_TRUE(finestra.Immagine(a.carta.Indice())
                        ->toolTip()
                        .contains(QString::number(a.media, 'f', 2)))
            << a.carta.Indice();
    }
    SalvaSchermata(finestra, QStringLiteral("suggerimento"));

    // The person plays another card: the mark and the tooltips go.
    const std::vector<Carta> mano = ManoUmano();
    const Carta altra = mano.front() == carta ? mano.back() : mano.front();
    Clicca(finestra, altra);
    ASSERT_TRUE(AttendiCondizione([&] { return !(Registro() == posizione); }));
    EXPECT_FALSE(suggeritore->Mostrato().has_value());
    EXPECT_EQ(suggeritore->Segnato(), nullptr);
    EXPECT_TRUE(finestra.Immagine(carta.Indice())->toolTip().isEmpty());

    // A hint asked for and overtaken by the person's card is dropped when it arrives.
    FinoAllaCarta(tavolo);
    ASSERT_FALSE(HasFatalFailure());
    if (ManoUmano().size() > 1) {
        finestra.AzioneSuggerimento()->trigger();
        ASSERT_TRUE(suggeritore->InCorso());
        Clicca(finestra, ManoUmano().front());
        ASSERT_TRUE(AttendiCondizione([&] { return !suggeritore->InCorso(); }));
        QTest::qWait(1500);
        EXPECT_FALSE(suggeritore->Mostrato().has_value());
    }
}

TEST(Suggerimento, LAnalisiElencaLeDecisioniDellaPartita) {
    TavoloDiProva tavolo(0, 22);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    // Before any game there is nothing to analyse.
    EXPECT_FALSE(finestra.MostraAnalisi());
    GiocaFinche(tavolo, [] { return StoriaPartite().numeroPartite == 1; });
    ASSERT_FALSE(HasFatalFailure());
    finestra.AzioneAnalisi()->trigger();
    FinestraAnalisi* analisi = finestra.FinestraAnalisiAperta();
    ASSERT_NE(analisi, nullptr);
    ASSERT_TRUE(AttendiCondizione([&] { return !analisi->InCorso(); }, 120000));
    ASSERT_TRUE(analisi->Analisi().has_value());
    // Eight cards at least, and a bid; each row names what was played and the expert's choice.
    const int righe = analisi->Tabella()->rowCount();
    EXPECT_EQ(righe, static_cast<int>(analisi->Analisi()->decisioni.size()));
    EXPECT_GE(righe, 9);
    double somma = 0.0;
    for (const DecisioneAnalizzata& d : analisi->Analisi()->decisioni) {
        EXPECT_GE(d.costo, 0.0);
        somma += d.costo;
    }
    EXPECT_DOUBLE_EQ(somma, analisi->Analisi()->totale);
    EXPECT_TRUE(analisi->Totale()->text().contains(QString::number(somma, 'f', 2)));
    analisi->Tabella()->selectRow(righe - 1);
    EXPECT_TRUE(analisi->Posizione()->toPlainText().contains(QStringLiteral("Mano: ")));
    EXPECT_TRUE(analisi->Posizione()->toPlainText().contains(QStringLiteral("Licitazioni: ")));
    analisi->Tabella()->selectRow(0);
    SalvaSchermata(*analisi, QStringLiteral("analisi"));
}
