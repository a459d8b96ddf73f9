// The table's size: Mostra -> Dimensione, its widgets at twice their place, the window filled.

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>

#include <map>

#include "finestre/ImmagineCarta.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/PanelPunti.h"
#include "finestre/SegnoTastiera.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "partita/RegistroPartita.h"

namespace {

// What the table shows of one widget: its place on the table and its font's pixel size.
struct Posto {
    QRect area;
    int pixel;
    bool operator==(const Posto&) const = default;
};

// Every widget the table lays out, by itself (the list's own scroll bars and header, which it
// lays out from its font, are its business; a keyboard mark rings the widget it follows).
std::map<const QWidget*, Posto> Posti(const TfrmBriscolaMain& finestra) {
    std::map<const QWidget*, Posto> posti;
    QWidget* tavolo = finestra.AreaTavolo();
    for (const QWidget* w : tavolo->findChildren<QWidget*>()) {
        bool interno = false;
        for (const QWidget* p = w->parentWidget(); p != tavolo; p = p->parentWidget()) {
            interno = interno || qobject_cast<const QAbstractScrollArea*>(p) != nullptr;
        }
        if (!interno && qobject_cast<const SegnoTastiera*>(w) == nullptr) {
            posti[w] = {QRect(w->mapTo(tavolo, QPoint(0, 0)), w->size()), w->font().pixelSize()};
        }
    }
    return posti;
}

// A game under way, the loop idle for the human's card with two or more cards on the table: the
// trick, the hand, the bids and the markers all shown.
void FinoAMetaPresa(TavoloDiProva& tavolo) {
    GiocaFinche(tavolo, [&tavolo] {
        const RegistroPartita& r = Registro();
        return tavolo.AttendiInattivo() && r.CarteInTavola() >= 2 && r.NumeroCarteGiocate() > 10;
    });
}

// Where a 1920 x 1080 screen shows the window: centred, or filling it.
void SalvaSuSchermo(QWidget& finestra, const QString& nome) {
    QImage schermo(1920, 1080, QImage::Format_RGB32);
    schermo.fill(QColor(40, 44, 52));
    const QPixmap presa = finestra.grab();
    QPainter pittore(&schermo);
    pittore.drawPixmap((schermo.width() - presa.width()) / 2,
                       (schermo.height() - presa.height()) / 2, presa);
    pittore.end();
    const QString cartella = QStringLiteral(PENTALUDO_BUILD) + QStringLiteral("/schermate");
    QDir().mkpath(cartella);
    schermo.save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
}

} // namespace

// At 100% the table is where it always was; at 200% every widget is at twice its place and
// size, every font twice as large; back at 100% nothing differs, pixel for pixel.
TEST(DimensioneTavolo, DuecentoPerCentoRaddoppiaOgniPostoECentoResaUguale) {
    TavoloDiProva tavolo(0, 19);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    FinoAMetaPresa(tavolo);
    ASSERT_FALSE(HasFatalFailure());
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    finestra.Punti().show();
    finestra.Licitazione()->show();

    // The places the table has always had, at 100%.
    EXPECT_EQ(finestra.AreaTavolo()->size(), QSize(500, 311));
    EXPECT_EQ(finestra.centralWidget()->size(), QSize(500, 311));
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(finestra.Pannello(s).EtichettaNome()->geometry(), QRect(100 * s, 0, 100, 20));
        EXPECT_EQ(finestra.Pannello(s).EtichettaChiamata()->geometry(),
                  QRect(100 * s, 20, 100, 30));
        EXPECT_EQ(finestra.Pannello(s).ImmaginePresa()->geometry(),
                  QRect(100 * s + 20, 40, 15, 25));
    }
    EXPECT_EQ(finestra.Licitazione()->geometry(), QRect(0, 62, 500, 137));
    EXPECT_EQ(finestra.Punti().geometry(), QRect(0, 63, 505, 248));
    for (int g = 0; g < Registro().CarteInTavola(); ++g) {
        const Carta c = Registro().CartaInTavola(g);
        ASSERT_TRUE(c.Definita());
        EXPECT_EQ(finestra.Immagine(c.Indice())->size(), QSize(55, 101));
        EXPECT_EQ(finestra.Immagine(c.Indice())->y(), 70);
        EXPECT_EQ((finestra.Immagine(c.Indice())->x() - 20) % 100, 0);
    }
    for (const Carta& c : ManoUmano()) {
        EXPECT_EQ(finestra.Immagine(c.Indice())->y(), 200);
        EXPECT_EQ((finestra.Immagine(c.Indice())->x() - 10) % 60, 0);
    }
    const QSize cento = finestra.size();
    const auto posti = Posti(finestra);
    const QImage presa = finestra.AreaTavolo()->grab().toImage();
    const Carta primaInMano = ManoUmano().front();
    const QImage cartaCento = finestra.Immagine(primaInMano.Indice())->grab().toImage();

    finestra.AzioneDimensione(200)->trigger();
    EXPECT_EQ(finestra.Dimensione(), 200);
    EXPECT_EQ(finestra.AreaTavolo()->size(), QSize(1000, 622));
    EXPECT_EQ(finestra.size(), QSize(cento.width() * 2, cento.height() + 311));
    const auto doppi = Posti(finestra);
    ASSERT_EQ(doppi.size(), posti.size());
    int caratteri = 0;
    for (const auto& [w, posto] : posti) {
        const Posto& doppio = doppi.at(w);
        EXPECT_EQ(doppio.area, QRect(posto.area.topLeft() * 2, posto.area.size() * 2))
            << w->metaObject()->className() << " " << w->objectName().toStdString();
        if (posto.pixel > 0) {
            ++caratteri;
            EXPECT_EQ(doppio.pixel, posto.pixel * 2) << w->metaObject()->className();
        }
    }
    EXPECT_GT(caratteri, 20);
    // The cards come from the twice-size pictures, not a 100% card blown up.
    const QImage cartaDuecento = finestra.Immagine(primaInMano.Indice())->grab().toImage();
    ASSERT_EQ(cartaDuecento.size(), QSize(110, 202));
    EXPECT_NE(cartaDuecento.convertToFormat(QImage::Format_RGB32),
              cartaCento.scaled(110, 202).convertToFormat(QImage::Format_RGB32));

    finestra.AzioneDimensione(100)->trigger();
    EXPECT_EQ(finestra.size(), cento);
    EXPECT_EQ(Posti(finestra), posti);
    // The list lays out its header once the event loop turns, as on the screen.
    QCoreApplication::processEvents();
    const QImage dopo = finestra.AreaTavolo()->grab().toImage();
    EXPECT_EQ(dopo, presa);
}

// The size chosen is kept in the options file and the next window starts at it; a window
// filled keeps the table's proportions, centred.
TEST(DimensioneTavolo, ScelteRicordateEFinestraRiempitaInProporzione) {
    QByteArray righe;
    {
        TavoloDiProva tavolo(0, 7);
        ASSERT_TRUE(tavolo.AttendiInattivo());
        TfrmBriscolaMain& finestra = tavolo.Finestra();
        EXPECT_TRUE(finestra.AzioneDimensione(100)->isChecked());
        finestra.AzioneDimensione(150)->trigger();
        EXPECT_EQ(finestra.AreaTavolo()->size(), QSize(750, 467));
        QFile file(tavolo.FileOpzioni());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        righe = file.readAll();
        EXPECT_TRUE(righe.contains("\r\nDimensione=150\r\n"));
    }
    TavoloDiProva tavolo(0, 7, QString::fromUtf8(righe.replace("=150", "=0")));
    ASSERT_TRUE(tavolo.AttendiInattivo());
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    EXPECT_EQ(finestra.Dimensione(), 0);
    EXPECT_TRUE(finestra.AzioneDimensione(0)->isChecked());
    const int menu = finestra.menuBar()->height();
    struct Caso {
        QSize finestra;
        QRect tavolo;
    };
    // Bounded by the width, then by the height: the other way the table is centred.
    const std::array<Caso, 2> casi = {{
        {QSize(1000, 700 + menu), QRect(0, 39, 1000, 622)},
        {QSize(1920, 1080), QRect(0, 0, 0, 0)},
    }};
    for (const Caso& caso : casi) {
        finestra.resize(caso.finestra);
        ASSERT_TRUE(AttendiCondizione([&] { return finestra.size() == caso.finestra; }));
        const QWidget* area = finestra.AreaTavolo();
        const QSize centro = finestra.centralWidget()->size();
        const double fattore = std::min(centro.width() / 500.0, centro.height() / 311.0);
        EXPECT_EQ(area->size(), QSize(qRound(500 * fattore), qRound(311 * fattore)));
        EXPECT_EQ(area->x(), (centro.width() - area->width()) / 2);
        EXPECT_EQ(area->y(), (centro.height() - area->height()) / 2);
        if (!caso.tavolo.isEmpty()) {
            EXPECT_EQ(area->geometry(), caso.tavolo);
        }
        EXPECT_EQ(finestra.Pannello(4).EtichettaNome()->geometry(),
                  QRect(qRound(400 * fattore), 0, qRound(100 * fattore), qRound(20 * fattore)));
    }
}

// Pictures for people to look at: the table at 100%, 200% and filling the window, on a
// 1920 x 1080 screen, in mid-game.
TEST(DimensioneTavolo, SchermateAlleTreDimensioni) {
    TavoloDiProva tavolo(0, 19);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    FinoAMetaPresa(tavolo);
    ASSERT_FALSE(HasFatalFailure());
    TfrmBriscolaMain& finestra = tavolo.Finestra();
    SalvaSuSchermo(finestra, QStringLiteral("dimensione-100"));
    finestra.ScegliDimensione(200);
    SalvaSuSchermo(finestra, QStringLiteral("dimensione-200"));
    finestra.ScegliDimensione(0);
    finestra.resize(1920, 1080);
    ASSERT_TRUE(AttendiCondizione([&] { return finestra.size() == QSize(1920, 1080); }));
    SalvaSuSchermo(finestra, QStringLiteral("dimensione-adatta"));
    const QImage schermo(QStringLiteral(PENTALUDO_BUILD) +
                         QStringLiteral("/schermate/dimensione-adatta.png"));
    EXPECT_EQ(schermo.size(), QSize(1920, 1080));
    EXPECT_GT(finestra.AreaTavolo()->height(), 1000);
}
