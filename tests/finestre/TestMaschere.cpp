// Cards drawn through their mask: the table shows in the cut corners only.

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "finestre/ImmagineCarta.h"
#include "finestre/Maschere.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"

namespace {

const QColor kTavolo(0, 128, 255);

QImage Riempita(int larghezza, int altezza, const QColor& colore) {
    QImage immagine(larghezza, altezza, QImage::Format_RGB32);
    immagine.fill(colore);
    return immagine;
}

// A face: white with a grey frame, its corners painted in angoli.
QImage Faccia(int scala, const QColor& angoli) {
    QImage faccia = Riempita(55 * scala, 101 * scala, Qt::white);
    QPainter pittore(&faccia);
    pittore.setPen(QPen(Qt::gray, scala));
    pittore.drawRect(faccia.rect().adjusted(2 * scala, 2 * scala, -3 * scala, -3 * scala));
    const QImage maschera = MascheraCarta(scala);
    for (int y = 0; y < faccia.height(); ++y) {
        for (int x = 0; x < faccia.width(); ++x) {
            if (maschera.pixelColor(x, y) == Qt::white) {
                faccia.setPixelColor(x, y, angoli);
            }
        }
    }
    return faccia;
}

// The pixels where the composed card still shows the table, and where a white-cornered
// face shows anything but itself.
struct Conteggio {
    int tavolo = 0;
    int diversi = 0;
};

Conteggio Conta(const QImage& composta, const QImage& faccia) {
    Conteggio conteggio;
    for (int y = 0; y < composta.height(); ++y) {
        for (int x = 0; x < composta.width(); ++x) {
            const QColor c = composta.pixelColor(x, y);
            if (c == kTavolo) {
                ++conteggio.tavolo;
            } else if (c != faccia.pixelColor(x, y)) {
                ++conteggio.diversi;
            }
        }
    }
    return conteggio;
}

void ScriviCarte(const QString& cartella, bool senza05) {
    QDir().mkpath(cartella);
    for (int seme = 0; seme < 4; ++seme) {
        for (int faccia = 0; faccia < 10; ++faccia) {
            const QString nome = QString::number(seme) + QString::number(faccia);
            if (senza05 && nome == QStringLiteral("05")) {
                continue;
            }
            Faccia(1, Qt::white).save(cartella + '/' + nome + ".bmp", "BMP");
            Faccia(2, Qt::white).save(cartella + '/' + nome + "@2x.bmp", "BMP");
        }
    }
    Faccia(1, QColor(255, 0, 0)).save(cartella + "/XX.bmp", "BMP");
    Faccia(2, QColor(255, 0, 0)).save(cartella + "/XX@2x.bmp", "BMP");
}

} // namespace

TEST(Maschere, SoloITrentaduePixelDegliAngoliMostranoIlTavolo) {
    for (const int scala : {1, 2}) {
        const QImage faccia = Faccia(scala, Qt::white);
        const QImage composta = ComponiMascherata(Riempita(55 * scala, 101 * scala, kTavolo),
                                                  MascheraCarta(scala), faccia);
        const Conteggio conteggio = Conta(composta, faccia);
        EXPECT_EQ(conteggio.tavolo, 32 * scala * scala) << "scala " << scala;
        EXPECT_EQ(conteggio.diversi, 0) << "scala " << scala;
        EXPECT_EQ(composta.pixelColor(0, 0), kTavolo);
        EXPECT_EQ(composta.pixelColor(4 * scala, 0), Qt::white);
    }
}

TEST(Maschere, AngoliColoratiEsconoScuritiDalTavolo) {
    const QImage faccia = Faccia(1, QColor(255, 0, 0));
    const QImage composta = ComponiMascherata(Riempita(55, 101, kTavolo), MascheraCarta(1), faccia);
    // Red AND the table's blue-green: black.
    EXPECT_EQ(composta.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(composta.pixelColor(54, 100), QColor(0, 0, 0));
    EXPECT_EQ(composta.pixelColor(27, 50), Qt::white);
}

TEST(Maschere, UnaCartaSenzaImmagineUnSoloMessaggioELeAltreNormali) {
    // A table colour no face shares (red 0x00, green 0x80, blue 0xFF).
    TavoloDiProva tavolo(0, 1, QStringLiteral("ColoreSfondo=16744448\r\n"));
    ASSERT_TRUE(AttendiCondizione([&] { return tavolo.Avviato(); }));
    CartellaTemporanea carte;
    const QString cartella = QString::fromStdString(carte.File("Prova"));
    ScriviCarte(cartella, true);
    tavolo.Dialoghi().mostrati.clear();
    tavolo.Finestra().CaricaImmaginiCarte(cartella);
    ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1u);
    EXPECT_EQ(tavolo.Dialoghi().mostrati[0].testo,
              QStringLiteral("Impossibile caricare le immagini delle carte"));

    // Over the window's own table, at ratio 1 and 2 (with the twice-size pictures): every
    // card shows its face with the table in the corners; index 9 (Asso di Cuori, 00.bmp) too.
    for (const qreal rapporto : {1.0, 2.0}) {
        const int scala = static_cast<int>(rapporto);
        const QImage atteso = Faccia(scala, Qt::white);
        const QColor colore = tavolo.Finestra().Sfondo().Colore();
        for (const int indice : {0, 9, 39}) {
            const QImage composta = tavolo.Finestra().Immagine(indice)->Composta(rapporto);
            ASSERT_EQ(composta.size(), atteso.size());
            int angoli = 0;
            int diversi = 0;
            for (int y = 0; y < composta.height(); ++y) {
                for (int x = 0; x < composta.width(); ++x) {
                    const QColor c = composta.pixelColor(x, y);
                    c == colore ? ++angoli : diversi += c != atteso.pixelColor(x, y);
                }
            }
            EXPECT_EQ(angoli, 32 * scala * scala) << indice << " a " << rapporto;
            EXPECT_EQ(diversi, 0) << indice << " a " << rapporto;
        }
    }
    SalvaSchermata(tavolo.Finestra(), QStringLiteral("carte-di-prova"));
}
