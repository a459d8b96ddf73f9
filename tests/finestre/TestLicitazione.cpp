// The bidding panel: whole games in which the test bids, names the trump and plays by clicking,
// and the panel's answers to bids made at the table.

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "finestre/CicloGioco.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/SfondoTavolo.h"
#include "finestre/SuperficieMascherata.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "motori/Semaforo.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

void Clicca(QWidget* controllo) {
    ASSERT_NE(controllo, nullptr);
    ASSERT_TRUE(controllo->isVisible());
    QTest::mouseClick(controllo, Qt::LeftButton, {},
                      QPoint(controllo->width() / 2, controllo->height() / 2));
}

bool Visibile(const QWidget* w) {
    return w->isVisible();
}

// How the test plays the human: while ranks are bid it outbids by the smallest step (once only,
// unless deciso); once the Due is bid on points it raises with plus while the counter is below
// fino (when deciso); otherwise it passes.
struct Umano {
    bool deciso = true;
    int fino = 85;
    int seme = 2;
    int rango = 0;
    int piu = 0;
    int passi = 0;
    int semi = 0;
    int carte = 0;
    bool chiamante = false;
    int carteAlSeme = -1;
    // The suit the human's panel shows once the trump is named (the end of the game clears it).
    int semeMostrato = -1;
    // The caller's bid as his panel shows it during the play.
    Chiamata chiamataMostrata;
    bool schermate = false;
};

void Licita(TfrmBriscolaMain& finestra, Umano& umano) {
    PanelLicitazione& panel = *finestra.Licitazione();
    ASSERT_TRUE(panel.isVisible());
    const Chiamata migliore = Registro().chiamata;
    const bool nessuna = migliore == ChiamataNulla;
    // Only the ranks that beat the best bid can be clicked, and the counter stays above it.
    for (int v = 0; v < 10; ++v) {
        EXPECT_EQ(Visibile(panel.EtichettaValore(v)), nessuna || v < migliore.Valore) << v;
    }
    EXPECT_GT(panel.Punti(), nessuna ? 60 : migliore.Punti);
    EXPECT_EQ(panel.EtichettaPunti()->text(), QString::number(panel.Punti()));
    if (umano.schermate && umano.rango == 0) {
        SalvaSchermata(finestra, QStringLiteral("licitazione-asta"));
    }

    Chiamata attesa = ChiamataPasso;
    if (nessuna || migliore.Punti == 60) {
        // The weakest rank that still beats the best bid: the smallest raise.
        int scelto = -1;
        for (int v = 0; v < 10; ++v) {
            if (Visibile(panel.EtichettaValore(v))) {
                scelto = v;
            }
        }
        if (scelto >= 0 && (umano.deciso || umano.rango == 0)) {
            attesa = Chiamata(scelto);
            Clicca(panel.EtichettaValore(scelto));
            ++umano.rango;
        }
    } else if (umano.deciso && panel.Punti() < umano.fino) {
        const int prima = panel.Punti();
        Clicca(panel.EtichettaPiu());
        ASSERT_EQ(panel.Punti(), prima + 1);
        EXPECT_EQ(panel.EtichettaPunti()->toolTip(),
                  QStringLiteral("Chiama il due al %1").arg(prima + 1));
        attesa = Chiamata(prima + 1);
        Clicca(panel.EtichettaPunti());
        ++umano.piu;
    }
    if (attesa == ChiamataPasso) {
        Clicca(panel.EtichettaPasso(umano.passi % 2));
        ++umano.passi;
    }
    // The click woke the loop: once it idles again the bid has been made and shown.
    ASSERT_TRUE(finestra.Ciclo().Attivo());
    ASSERT_TRUE(AttendiCondizione(
        [&] { return !finestra.Ciclo().Attivo() && !finestra.Ciclo().InPasso(); }));
    EXPECT_EQ(finestra.Pannello(kUmano).ChiamataMostrata(), attesa);
}

void ScegliSeme(TfrmBriscolaMain& finestra, Umano& umano) {
    PanelLicitazione& panel = *finestra.Licitazione();
    ASSERT_TRUE(panel.isVisible());
    for (int s = 0; s < 4; ++s) {
        EXPECT_TRUE(Visibile(panel.ImmagineSeme(s))) << s;
    }
    for (int v = 0; v < 10; ++v) {
        EXPECT_FALSE(Visibile(panel.EtichettaValore(v))) << v;
    }
    EXPECT_FALSE(Visibile(panel.EtichettaPunti()));
    EXPECT_FALSE(Visibile(panel.EtichettaPiu()));
    EXPECT_FALSE(Visibile(panel.EtichettaPasso(0)));
    if (umano.schermate) {
        SalvaSchermata(finestra, QStringLiteral("licitazione-seme"));
    }
    umano.chiamante = true;
    umano.carteAlSeme = Registro().NumeroCarteGiocate();
    Clicca(panel.ImmagineSeme(umano.seme));
    ++umano.semi;
}

void GiocaCarta(TfrmBriscolaMain& finestra, Umano& umano) {
    EXPECT_FALSE(finestra.Licitazione()->isVisible());
    if (finestra.Chiamante() >= 0) {
        umano.chiamataMostrata = finestra.Pannello(finestra.Chiamante()).ChiamataMostrata();
    }
    if (umano.chiamante && umano.semeMostrato < 0) {
        umano.semeMostrato = finestra.Pannello(kUmano).ChiamataMostrata().Seme;
    }
    for (int k = 0; k < 8; ++k) {
        const Carta c = Registro().CartaInMano(kUmano, k);
        if (c.Definita()) {
            QTest::mouseClick(finestra.Immagine(c.Indice()), Qt::LeftButton, {}, QPoint(27, 50));
            ++umano.carte;
            return;
        }
    }
    FAIL() << "the human has no card left";
}

// Plays one game from "Nuova Partita" to its end as the human.
void GiocaPartita(TavoloDiProva& tavolo, Umano& umano) {
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    const int partite = StoriaPartite().numeroPartite;
    ASSERT_TRUE(tavolo.AttendiInattivo());
    finestra.menuNuovaPartitaClick();
    for (;;) {
        ASSERT_TRUE(tavolo.AttendiInattivo());
        if (StoriaPartite().numeroPartite != partite) {
            break;
        }
        ASSERT_TRUE(finestra.SemaforoGioco().InCorso());
        switch (NumeroStato(finestra)) {
        case 1:
            Licita(finestra, umano);
            break;
        case 4:
            ScegliSeme(finestra, umano);
            break;
        case 5:
            GiocaCarta(finestra, umano);
            break;
        default:
            FAIL() << "the loop waits in state " << NumeroStato(finestra);
        }
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

} // namespace

TEST(PanelLicitazione, LUmanoLicitaSceglieIlSemeEGiocaCliccando) {
    struct Caso {
        bool alBuio;
        std::uint32_t seme;
        bool deciso;
    };
    // Seeds in which the human wins an auction in each variant, raises on points and passes.
    constexpr std::array<Caso, 4> kCasi = {
        {{true, 14, true}, {false, 19, true}, {true, 26, true}, {false, 9, false}}};
    std::array<bool, 2> vintaInVariante{};
    Umano totale;
    for (const Caso& caso : kCasi) {
        SCOPED_TRACE(caso.seme);
        TavoloDiProva tavolo(0, caso.seme);
        ASSERT_TRUE(tavolo.AttendiInattivo());
        tavolo.Finestra().SemaforoGioco().ImpostaManoAlBuio(caso.alBuio);
        Umano umano;
        umano.deciso = caso.deciso;
        umano.schermate = caso.seme == 19;
        GiocaPartita(tavolo, umano);
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
        EXPECT_EQ(StoriaPartite().numeroPartite, 1);
        EXPECT_EQ(umano.carte, 8);
        EXPECT_EQ(umano.chiamante, tavolo.Finestra().Chiamante() == kUmano);
        EXPECT_EQ(umano.chiamante, StoriaPartite().Chiamante(0) == kUmano);
        if (umano.chiamante) {
            vintaInVariante[caso.alBuio ? 1 : 0] = true;
            EXPECT_EQ(umano.semi, 1);
            EXPECT_EQ(umano.semeMostrato, umano.seme);
            // In the face-down variant the caller names the suit after the first trick.
            EXPECT_EQ(umano.carteAlSeme, caso.alBuio ? 5 : 0);
        }
        totale.rango += umano.rango;
        totale.piu += umano.piu;
        totale.passi += umano.passi;
    }
    EXPECT_TRUE(vintaInVariante[0]) << "the human must win an auction with the first trick open";
    EXPECT_TRUE(vintaInVariante[1])
        << "the human must win an auction with the first trick face down";
    EXPECT_GT(totale.rango, 0);
    EXPECT_GT(totale.piu, 0);
    EXPECT_GT(totale.passi, 0);
}

TEST(PanelLicitazione, UnaSerieGiocataDalPannelloTornaConLaStoria) {
    TavoloDiProva tavolo(0, 19);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    for (int partita = 0; partita < 3; ++partita) {
        SCOPED_TRACE(partita);
        finestra.SemaforoGioco().ImpostaManoAlBuio(partita % 2 == 1);
        Umano umano;
        GiocaPartita(tavolo, umano);
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
        // The history keeps the caller and the bid the table showed.
        const int chiamante = finestra.Chiamante();
        ASSERT_GE(chiamante, 0);
        EXPECT_EQ(StoriaPartite().Chiamante(partita), chiamante);
        EXPECT_EQ(StoriaPartite().ChiamataPartita(partita), umano.chiamataMostrata);
    }
    ASSERT_EQ(StoriaPartite().numeroPartite, 3);
    int somma = 0;
    for (int s = 0; s < 5; ++s) {
        int perPartita = 0;
        for (int partita = 0; partita < 3; ++partita) {
            perPartita += StoriaPartite().Punteggio(partita, s);
        }
        EXPECT_EQ(StoriaPartite().Totale(s), perPartita) << s;
        somma += StoriaPartite().Totale(s);
    }
    EXPECT_EQ(somma, 0);
}

namespace {

std::array<bool, 10> RanghiVisibili(const PanelLicitazione& panel) {
    std::array<bool, 10> visibili{};
    for (int v = 0; v < 10; ++v) {
        visibili[static_cast<std::size_t>(v)] = Visibile(panel.EtichettaValore(v));
    }
    return visibili;
}

} // namespace

TEST(PanelLicitazione, SegueLeChiamateDelTavolo) {
    TavoloDiProva tavolo(0, 3);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    PanelLicitazione& panel = *finestra.Licitazione();
    EXPECT_FALSE(panel.isVisible()) << "hidden until a deal";
    finestra.NotificaDistribuzione(nullptr, kUmano);
    ASSERT_TRUE(panel.isVisible());
    EXPECT_EQ(RanghiVisibili(panel), (std::array<bool, 10>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(panel.EtichettaValore(kRe)->toolTip(), QStringLiteral("Re"));
    EXPECT_EQ(panel.ImmagineSeme(0)->toolTip(), QStringLiteral("Cuori"));
    EXPECT_FALSE(Visibile(panel.ImmagineSeme(0)));

    // A Re can only be beaten by a lower rank: Re, Tre and Asso go.
    finestra.NotificaChiamata(Chiamata(kRe), 1);
    const std::array<bool, 10> dopoRe = {1, 1, 1, 1, 1, 1, 1, 0, 0, 0};
    EXPECT_EQ(RanghiVisibili(panel), dopoRe);
    EXPECT_EQ(panel.Punti(), 61);

    // Another seat's pass changes nothing.
    finestra.NotificaChiamata(ChiamataPasso, 2);
    EXPECT_EQ(RanghiVisibili(panel), dopoRe);
    EXPECT_EQ(panel.Punti(), 61);

    // After the Due at 70 only points are left, from 71 up.
    finestra.NotificaChiamata(Chiamata(70), 3);
    EXPECT_EQ(RanghiVisibili(panel), (std::array<bool, 10>{}));
    EXPECT_EQ(panel.Punti(), 71);
    EXPECT_EQ(panel.EtichettaPunti()->text(), QStringLiteral("71"));
    Clicca(panel.EtichettaMeno());
    EXPECT_EQ(panel.Punti(), 71);
    EXPECT_EQ(panel.EtichettaPunti()->toolTip(), QStringLiteral("Chiama il due al 71"));
    Clicca(panel.EtichettaPiu());
    Clicca(panel.EtichettaPiu());
    Clicca(panel.EtichettaMeno());
    EXPECT_EQ(panel.Punti(), 72);
    EXPECT_EQ(panel.EtichettaPunti()->toolTip(), QStringLiteral("Chiama il due al 72"));

    // Plus stops at 120 and still rewrites the tooltip.
    for (int i = 0; i < 60; ++i) {
        Clicca(panel.EtichettaPiu());
    }
    EXPECT_EQ(panel.Punti(), 120);
    panel.EtichettaPunti()->setToolTip(QString());
    Clicca(panel.EtichettaPiu());
    EXPECT_EQ(panel.Punti(), 120);
    EXPECT_EQ(panel.EtichettaPunti()->text(), QStringLiteral("120"));
    EXPECT_EQ(panel.EtichettaPunti()->toolTip(), QStringLiteral("Chiama il due al 120"));

    // Past the Due at 120 the counter cannot go on to a bid that does not exist.
    finestra.NotificaChiamata(Chiamata(120), 0);
    EXPECT_EQ(panel.Punti(), 120);
    // Only the panel's answer is looked at: no game waits for the click.
    QObject::disconnect(&panel, &PanelLicitazione::ChiamataCliccata, &finestra, nullptr);
    QSignalSpy chiamate(&panel, &PanelLicitazione::ChiamataCliccata);
    Clicca(panel.EtichettaPunti());
    ASSERT_EQ(chiamate.size(), 1);
    EXPECT_EQ(chiamate[0][0].value<Chiamata>(), Chiamata(120));

    // The next deal brings every rank back and the counter to 61.
    finestra.NotificaDistribuzione(nullptr, kUmano);
    EXPECT_EQ(RanghiVisibili(panel), (std::array<bool, 10>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(panel.Punti(), 61);
}

// Each control's click tells the bid or the suit it stands for, and nothing else.
TEST(PanelLicitazione, OgniClicDiceLaChiamataOIlSeme) {
    QWidget tavolo;
    tavolo.resize(500, 300);
    SfondoTavolo sfondo(tavolo.size());
    sfondo.ImpostaTavolo(&tavolo);
    PanelLicitazione panel(sfondo, &tavolo);
    std::vector<Chiamata> chiamate;
    std::vector<int> semi;
    int meno = 0;
    int piu = 0;
    QObject::connect(&panel, &PanelLicitazione::ChiamataCliccata, &panel,
                     [&](const Chiamata& chiamata) { chiamate.push_back(chiamata); });
    QObject::connect(&panel, &PanelLicitazione::SemeCliccato, &panel,
                     [&](int seme) { semi.push_back(seme); });
    QObject::connect(&panel, &PanelLicitazione::MenoCliccato, &panel, [&] { ++meno; });
    QObject::connect(&panel, &PanelLicitazione::PiuCliccato, &panel, [&] { ++piu; });
    panel.Prepara();
    panel.show();
    tavolo.show();

    std::vector<std::pair<QWidget*, Chiamata>> casi;
    for (int v = 0; v < 10; ++v) {
        casi.emplace_back(panel.EtichettaValore(v), Chiamata(v));
    }
    casi.emplace_back(panel.EtichettaPasso(0), ChiamataPasso);
    casi.emplace_back(panel.EtichettaPasso(1), ChiamataPasso);
    casi.emplace_back(panel.EtichettaPunti(), Chiamata(61));
    for (const auto& [comando, attesa] : casi) {
        chiamate.clear();
        Clicca(comando);
        EXPECT_EQ(chiamate, std::vector<Chiamata>{attesa}) << attesa.Valore;
    }
    // Plus and minus only say they were clicked; the counter bids the points it shows.
    chiamate.clear();
    Clicca(panel.EtichettaPiu());
    Clicca(panel.EtichettaPiu());
    Clicca(panel.EtichettaMeno());
    EXPECT_EQ(piu, 2);
    EXPECT_EQ(meno, 1);
    EXPECT_TRUE(chiamate.empty());
    panel.Aumenta();
    panel.Aumenta();
    Clicca(panel.EtichettaPunti());
    EXPECT_EQ(chiamate, std::vector<Chiamata>{Chiamata(63)});
    EXPECT_TRUE(semi.empty());

    panel.ModoSeme();
    chiamate.clear();
    for (int s : {2, 0, 3, 1}) {
        Clicca(panel.ImmagineSeme(s));
    }
    EXPECT_EQ(semi, (std::vector<int>{2, 0, 3, 1}));
    EXPECT_TRUE(chiamate.empty());
}

TEST(PanelLicitazione, UnPulsantePremutoCambiaFacciaESiSposta) {
    TavoloDiProva tavolo(0, 3);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    finestra.NotificaDistribuzione(nullptr, kUmano);
    PanelLicitazione& panel = *finestra.Licitazione();
    QLabel* asso = panel.EtichettaValore(kAsso);
    TipoPulsante* pulsante = panel.Pulsanti().Trova(asso);
    ASSERT_NE(pulsante, nullptr);
    EXPECT_EQ(panel.Pulsanti().Trova(pulsante->Superficie()), pulsante);
    EXPECT_EQ(panel.Pulsanti().Pulsanti().size(), 19u);
    EXPECT_EQ(panel.Pulsanti().Pulsanti().front().get(), pulsante) << "Asso is made first";

    const QPoint posto = asso->pos();
    const QImage su = pulsante->Superficie()->Composta(1.0);
    QTest::mousePress(asso, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_FALSE(pulsante->Su());
    EXPECT_EQ(asso->pos(), posto + QPoint(1, 1));
    EXPECT_NE(pulsante->Superficie()->Composta(1.0), su);
    QTest::mouseRelease(asso, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(pulsante->Su());
    EXPECT_EQ(asso->pos(), posto);
    EXPECT_EQ(pulsante->Superficie()->Composta(1.0), su);

    // Outside the face the table shows through, inside it the face does.
    const QImage faccia = pulsante->Superficie()->Composta(1.0);
    const QColor tavolo0 = finestra.Sfondo().Porzione(QRect(0, 0, 1, 1), 1.0).pixelColor(0, 0);
    EXPECT_EQ(faccia.pixelColor(48, 0), tavolo0);
    EXPECT_NE(faccia.pixelColor(24, 24), tavolo0);
    SalvaSchermata(panel, QStringLiteral("licitazione-pannello"));
}

TEST(PanelLicitazione, NascostoQuandoGiocanoSoloIComputer) {
    TavoloDiProva tavolo(1, 5);
    bool maiVisibile = true;
    ASSERT_TRUE(AttendiCondizione([&] {
        maiVisibile = maiVisibile && tavolo.Finestra().Licitazione()->isHidden();
        return StoriaPartite().numeroPartite >= 1;
    }));
    EXPECT_TRUE(maiVisibile);
}

TEST(PanelLicitazione, ISemiSiCaricanoFinoAlPrimoCheManca) {
    TavoloDiProva tavolo(0, 3);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    PanelLicitazione& panel = *tavolo.Finestra().Licitazione();
    std::array<QImage, 4> prima;
    for (int s = 0; s < 4; ++s) {
        prima[static_cast<std::size_t>(s)] = panel.ImmagineSeme(s)->pixmap().toImage();
        ASSERT_FALSE(prima[static_cast<std::size_t>(s)].isNull());
    }
    CartellaTemporanea cartella;
    std::array<QImage, 4> nuove;
    for (int s : {0, 1, 3}) {
        QImage immagine(26, 26, QImage::Format_RGB32);
        immagine.fill(QColor(40 * s, 200, 100));
        nuove[static_cast<std::size_t>(s)] = immagine;
        ASSERT_TRUE(
            immagine.save(QString::fromStdString(cartella.File("S" + std::to_string(s) + ".bmp"))));
    }
    panel.CaricaSemi(QString::fromStdString(cartella.Percorso().string()));
    const auto Mostrata = [&](int s) {
        return panel.ImmagineSeme(s)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(Mostrata(0), nuove[0]);
    EXPECT_EQ(Mostrata(1), nuove[1]);
    // S2 is missing: it and everything after it stay as they were.
    EXPECT_EQ(Mostrata(2), prima[2].convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(Mostrata(3), prima[3].convertToFormat(QImage::Format_RGB32));
}
