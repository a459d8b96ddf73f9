// Whole games through the real main window and Qt's event loop.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include "carte/NomiCarte.h"
#include "finestre/CicloGioco.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "motori/Semaforo.h"
#include "motori/Tavolo.h"
#include "notazione/LeggiNotazione.h"
#include "notazione/PartitaNotata.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

// Plays as the human until the history holds partite games.
void GiocaFinoA(TavoloDiProva& tavolo, int partite) {
    GiocaFinche(tavolo, [partite] { return StoriaPartite().numeroPartite >= partite; });
}

std::array<int, 5> TotaliStoria() {
    std::array<int, 5> totali{};
    for (int s = 0; s < 5; ++s) {
        totali[static_cast<std::size_t>(s)] = StoriaPartite().Totale(s);
    }
    return totali;
}

double SecondiProcessore() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
           static_cast<double>(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

} // namespace

// Two windows in one process, each with a computer-only series of its own, stepped by one
// event loop: each ends with the totals the headless tool gives for its seating and seed.
TEST(FinestraDiGioco, DueSerieDiSoliComputerInUnProcessoUgualiAlleSerieSenzaFinestra) {
    struct Caso {
        int tipo;
        std::uint32_t seme;
        int partite = 0;
        std::array<int, 5> totali{};
    };
    std::array<Caso, 2> casi = {{{1, 4242}, {2, 99}}};
    {
        TavoloDiProva primo(casi[0].tipo, casi[0].seme);
        TavoloDiProva secondo(casi[1].tipo, casi[1].seme);
        const std::array<TavoloDiProva*, 2> tavoli = {&primo, &secondo};
        const auto Storia = [](const TavoloDiProva* t) -> const TipoStoriaPartite& {
            return t->Finestra().TavoloGioco().Stato().storia;
        };
        ASSERT_TRUE(AttendiCondizione(
            [&] {
                return Storia(&primo).numeroPartite >= 8 && Storia(&secondo).numeroPartite >= 8;
            },
            60000));
        for (std::size_t k = 0; k < casi.size(); ++k) {
            TfrmBriscolaMain& finestra = tavoli[k]->Finestra();
            finestra.SemaforoGioco().Ferma();
            ASSERT_TRUE(AttendiCondizione([&] { return finestra.Ciclo().Terminato(); }));
            casi[k].partite = Storia(tavoli[k]).numeroPartite;
            for (int s = 0; s < 5; ++s) {
                casi[k].totali[static_cast<std::size_t>(s)] = Storia(tavoli[k]).Totale(s);
            }
            EXPECT_TRUE(tavoli[k]->Dialoghi().mostrati.empty());
        }
        SalvaSchermata(primo.Finestra(), QStringLiteral("serie-D1"));
    }
    for (const Caso& caso : casi) {
        SCOPED_TRACE(std::to_string(caso.tipo) + " seme " + std::to_string(caso.seme));
        QProcess serie;
        serie.start(QStringLiteral(PENTALUDO_STRUMENTI_BUILD "/pentaludo-serie"),
                    {QStringLiteral("--tipo"), QString::number(caso.tipo), QStringLiteral("--seme"),
                     QString::number(caso.seme), QStringLiteral("--partite"),
                     QString::number(caso.partite), QStringLiteral("--json"),
                     QStringLiteral("--regole"),
                     QStringLiteral(PENTALUDO_DATI_SORGENTE "/regole.OK.txt")});
        ASSERT_TRUE(serie.waitForFinished(60000));
        const QJsonObject risultato =
            QJsonDocument::fromJson(serie.readAllStandardOutput()).object();
        ASSERT_EQ(risultato.value(QStringLiteral("partite")).toInt(), caso.partite);
        const QJsonArray attesi = risultato.value(QStringLiteral("totale")).toArray();
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(caso.totali[static_cast<std::size_t>(s)], attesi.at(s).toInt())
                << "posto " << s;
        }
    }
}

TEST(FinestraDiGioco, UnUmanoGiocaPartiteIntereCliccandoLeCarte) {
    TavoloDiProva tavolo(0, 31);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_EQ(NumeroStato(finestra), -1) << "no game before Nuova Partita";

    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    SalvaSchermata(finestra, QStringLiteral("umano-distribuzione"));
    for (const Carta& c : ManoUmano()) {
        EXPECT_TRUE(finestra.Immagine(c.Indice())->isVisible());
        EXPECT_TRUE(finestra.Immagine(c.Indice())->Cliccabile());
    }

    // A card clicked out of turn lies in the mailbox until a computer's card empties it.
    bool cliccataFuoriTurno = false;
    Carta fuoriTurno;
    while (!(NumeroStato(finestra) == 5 && finestra.SemaforoGioco().GiocatoreCorrente() == 4)) {
        if (!cliccataFuoriTurno) {
            fuoriTurno = ManoUmano().back();
            Clicca(finestra, fuoriTurno);
            cliccataFuoriTurno = true;
        }
        DecidiComeUmano(finestra);
        ASSERT_TRUE(tavolo.AttendiInattivo());
    }
    ASSERT_GT(Registro().NumeroCarteGiocate(), 0) << "the seed must let a computer lead";
    EXPECT_EQ(Registro().ChiHaGiocato(fuoriTurno), -1);

    const Carta scelta = ManoUmano().front();
    Clicca(finestra, scelta);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_EQ(Registro().ChiHaGiocato(scelta), kUmano);
    SalvaSchermata(finestra, QStringLiteral("umano-a-meta-presa"));

    GiocaFinoA(tavolo, 3);
    EXPECT_EQ(StoriaPartite().numeroPartite, 3);
    int somma = 0;
    for (int totale : TotaliStoria()) {
        somma += totale;
    }
    EXPECT_EQ(somma, 0);
    // Only the end of each game speaks (and, until the card sets are built, the pictures).
    for (const auto& box : tavolo.Dialoghi().mostrati) {
        if (box.testo != QStringLiteral("Impossibile caricare le immagini delle carte")) {
            EXPECT_EQ(box.titolo, QStringLiteral("Fine Partita")) << box.testo.toStdString();
        }
    }
}

TEST(FinestraDiGioco, NuovaPartitaChiedePrimaDiAzzerareIPunteggi) {
    TavoloDiProva tavolo(0, 8);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    GiocaFinoA(tavolo, 1);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    ASSERT_TRUE(finestra.SemaforoGioco().InCorso());
    const auto totali = TotaliStoria();
    const RegistroPartita prima = Registro();

    tavolo.Dialoghi().risposte = {false};
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    ASSERT_FALSE(tavolo.Dialoghi().mostrati.empty());
    EXPECT_EQ(tavolo.Dialoghi().mostrati.back().testo,
              QStringLiteral("Vuoi ricominciare la partita ?\r\nI punteggi verranno azzerati."));
    EXPECT_EQ(tavolo.Dialoghi().mostrati.back().titolo, QStringLiteral("Briscola Chiamata"));
    EXPECT_EQ(TotaliStoria(), totali);
    EXPECT_EQ(StoriaPartite().numeroPartite, 1);
    for (int s = 0; s < 5; ++s) {
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(Registro().CartaDistribuita(s, k), prima.CartaDistribuita(s, k));
        }
    }

    tavolo.Dialoghi().risposte = {true};
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_EQ(TotaliStoria(), (std::array<int, 5>{}));
    EXPECT_EQ(StoriaPartite().numeroPartite, 0);
    EXPECT_TRUE(finestra.SemaforoGioco().InCorso());
}

TEST(FinestraDiGioco, MentreAttendeLUmanoNonConsumaProcessore) {
    TavoloDiProva tavolo(0, 3);
    tavolo.Finestra().menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    ASSERT_TRUE(tavolo.Finestra().SemaforoGioco().InCorso());
    const double inizio = SecondiProcessore();
    QTest::qWait(2000);
    EXPECT_LT(SecondiProcessore() - inizio, 0.1);
    EXPECT_FALSE(tavolo.Finestra().Ciclo().Attivo());
}

TEST(FinestraDiGioco, UnErroreNelPassoSiMostraEFermaLaPartitaFinoAUnaNuova) {
    TavoloDiProva tavolo(0, 12);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    finestra.menuNuovaPartitaClick();
    while (!(NumeroStato(finestra) == 5 && finestra.SemaforoGioco().GiocatoreCorrente() == 4)) {
        ASSERT_TRUE(tavolo.AttendiInattivo());
        DecidiComeUmano(finestra);
    }
    // A card already on the table: the game refuses it.
    const int giocate = Registro().NumeroCarteGiocate();
    ASSERT_GT(giocate, 0) << "the seed must let a computer lead";
    const Carta altrui = Registro().CartaGiocata(0);
    tavolo.Dialoghi().mostrati.clear();
    finestra.ImpostaCartaScelta(altrui);
    finestra.Ciclo().Sveglia();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1u);
    EXPECT_EQ(tavolo.Dialoghi().mostrati[0].icona, Dialoghi::Icona::Errore);
    EXPECT_EQ(tavolo.Dialoghi().mostrati[0].testo, QStringLiteral("Carta già giocata!"));
    EXPECT_TRUE(finestra.Ciclo().Bloccato());

    // A click no longer moves the stopped game.
    Clicca(finestra, ManoUmano().front());
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_EQ(Registro().NumeroCarteGiocate(), giocate);

    tavolo.Dialoghi().risposte = {true};
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    EXPECT_FALSE(finestra.Ciclo().Bloccato());
    EXPECT_TRUE(finestra.SemaforoGioco().InCorso());
    GiocaFinoA(tavolo, 1);
    EXPECT_EQ(StoriaPartite().numeroPartite, 1);
}

TEST(FinestraDiGioco, LeOpzioniConfermateValgonoSubitoESonoScritte) {
    TavoloDiProva tavolo(0, 2);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    tavolo.Dialoghi().azioni.push_back([](QDialog& dialogo) {
        auto& opzioni = dynamic_cast<TfrmOpzioni&>(dialogo);
        opzioni.UpDownAttesa1->setValue(700);
        opzioni.txtDirectory->setText(QStringLiteral("Napoletane"));
        opzioni.txtNome1->setText(QStringLiteral("Ada"));
        return int{QDialog::Accepted};
    });
    finestra.AzioneOpzioni()->trigger();
    EXPECT_EQ(finestra.AttesaGiocataCorrente(), 700);
    EXPECT_EQ(finestra.NomiMazzo().Seme(0, false), "Coppe")
        << "the new card set's names are loaded";
    EXPECT_EQ(finestra.Licitazione()->EtichettaValore(kDonna)->toolTip(),
              QStringLiteral("Cavallo"));
    EXPECT_EQ(finestra.Pannello(0).EtichettaNome()->text(), QStringLiteral("Ada"));
    QFile file(tavolo.FileOpzioni());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray scritto = file.readAll();
    EXPECT_TRUE(scritto.contains("AttesaGiocata=700\r\n"));
    EXPECT_TRUE(scritto.contains("DirectoryCarte=Napoletane\r\n"));
    EXPECT_TRUE(tavolo.Dialoghi().mostrati.empty());
}

TEST(FinestraDiGioco, GliEspertiSiSiedonoAlTavoloConLaPartitaSeguente) {
    TavoloDiProva tavolo(0, 6);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    const QString standard = finestra.TestoTipiGiocatori();
    ASSERT_FALSE(standard.contains(QStringLiteral("Esperto")));

    tavolo.Dialoghi().azioni.push_back([](QDialog& dialogo) {
        dynamic_cast<TfrmOpzioni&>(dialogo).chkEsperti->setChecked(true);
        return int{QDialog::Accepted};
    });
    finestra.AzioneOpzioni()->trigger();
    EXPECT_EQ(finestra.TestoTipiGiocatori(), standard) << "the game under way keeps its players";

    tavolo.Dialoghi().risposte = {true};
    finestra.menuNuovaPartitaClick();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    const QStringList righe = finestra.TestoTipiGiocatori().split(QStringLiteral("\r\n"));
    ASSERT_EQ(righe.size(), 5);
    for (int s = 0; s < 4; ++s) {
        EXPECT_TRUE(righe[s].startsWith(QStringLiteral("Esperto"))) << righe[s].toStdString();
    }
    EXPECT_EQ(righe[4], QStringLiteral("GIOCATORE UMANO"));
    GiocaFinoA(tavolo, 1);
    EXPECT_EQ(StoriaPartite().numeroPartite, 1);
    QFile file(tavolo.FileOpzioni());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith("CarteOrdinate=1\r\nEsperti=1\r\n"));
}

TEST(FinestraDiGioco, EsportaLePartiteDellaSerieInNotazione) {
    TavoloDiProva tavolo(0, 31);
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    ASSERT_TRUE(tavolo.AttendiInattivo());
    finestra.menuNuovaPartitaClick();
    GiocaFinoA(tavolo, 3);
    ASSERT_TRUE(tavolo.AttendiInattivo());

    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("partite.txt"));
    tavolo.Dialoghi().mostrati.clear();
    tavolo.Dialoghi().file = {file};
    finestra.AzioneEsportaPartite()->trigger();
    EXPECT_TRUE(tavolo.Dialoghi().mostrati.empty());
    // Every game of the series, read back and played again to the scores the series counted,
    // each seat under the name its panel shows.
    int numero = 0;
    LeggiFileNotazione(QFile::encodeName(file).toStdString(), [&](const PartitaNotata& p) {
        EXPECT_EQ(p.numero, numero);
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(p.punteggi[static_cast<std::size_t>(s)],
                      StoriaPartite().Punteggio(numero, s));
            EXPECT_EQ(QString::fromStdString(p.giocatori[static_cast<std::size_t>(s)].nome),
                      finestra.Pannello(s).EtichettaNome()->text());
        }
        EXPECT_EQ(p.giocatori[kUmano].tipo, "umano");
        EXPECT_EQ(p.giocatori[0].tipo, "standard");
        ++numero;
    });
    EXPECT_EQ(numero, 3);

    // A place that cannot be written: told, and nothing written.
    const QString irraggiungibile = cartella.filePath(QStringLiteral("manca/partite.txt"));
    tavolo.Dialoghi().file = {irraggiungibile};
    finestra.AzioneEsportaPartite()->trigger();
    ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1u);
    EXPECT_EQ(tavolo.Dialoghi().mostrati[0].testo,
              QStringLiteral("Impossibile esportare le partite in %1: la cartella non esiste.")
                  .arg(irraggiungibile));
    EXPECT_FALSE(QFile::exists(irraggiungibile));
}
