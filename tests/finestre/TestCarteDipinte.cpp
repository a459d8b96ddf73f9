#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>

#include <array>
#include <string>
#include <vector>

#include "carte/NomiCarte.h"

namespace {

const QString kCartella = QStringLiteral(PENTALUDO_FINESTRE_BUILD);

struct MazzoAtteso {
    const char* cartella;
    std::array<const char*, 4> semi;
    const char* ottavaFaccia;
};

const MazzoAtteso kMazzi[] = {
    {"Milanesi", {"Cuori", "Quadri", "Fiori", "Picche"}, "Donna"},
    {"Napoletane", {"Coppe", "Denari", "Bastoni", "Spade"}, "Cavallo"},
};

QString Percorso(const MazzoAtteso& mazzo, const QString& nome, int scala) {
    return kCartella + "/Carte/" + mazzo.cartella + "/" + nome + (scala == 2 ? "@2x" : "") + ".bmp";
}

// The back first, then the 40 faces by suit and face digit.
std::vector<QString> NomiFile() {
    std::vector<QString> nomi{QStringLiteral("XX")};
    for (int seme = 0; seme < 4; ++seme) {
        for (int faccia = 0; faccia < 10; ++faccia) {
            nomi.push_back(QString::number(seme) + QString::number(faccia));
        }
    }
    return nomi;
}

// Pixels cut at each end of the first four rows and, mirrored, of the last four.
constexpr std::array<int, 4> kTaglio{4, 2, 1, 1};

bool Bianco(const QImage& immagine, int x, int y) {
    return (immagine.pixel(x, y) & 0xffffff) == 0xffffff;
}

// True when every pixel of the scala x scala block at (x, y) of the 1x grid is white.
bool BloccoBianco(const QImage& immagine, int x, int y, int scala) {
    for (int dy = 0; dy < scala; ++dy) {
        for (int dx = 0; dx < scala; ++dx) {
            if (!Bianco(immagine, x * scala + dx, y * scala + dy)) {
                return false;
            }
        }
    }
    return true;
}

TEST(CarteDipinte, OgniCartaHaLaMisuraEGliAngoliTagliatiBianchi) {
    for (const auto& mazzo : kMazzi) {
        for (const QString& nome : NomiFile()) {
            for (int scala : {1, 2}) {
                SCOPED_TRACE(Percorso(mazzo, nome, scala).toStdString());
                const QImage carta(Percorso(mazzo, nome, scala));
                ASSERT_FALSE(carta.isNull());
                ASSERT_EQ(carta.size(), QSize(55 * scala, 101 * scala));
                EXPECT_FALSE(carta.hasAlphaChannel());
                // Each corner: its cut pixels white, and the edge just inside them drawn.
                for (int angolo = 0; angolo < 4; ++angolo) {
                    bool bordoDisegnato = false;
                    for (int riga = 0; riga < 4; ++riga) {
                        const int y = angolo < 2 ? riga : 100 - riga;
                        const int taglio = kTaglio[static_cast<size_t>(riga)];
                        for (int i = 0; i < taglio; ++i) {
                            const int x = angolo % 2 == 0 ? i : 54 - i;
                            EXPECT_TRUE(BloccoBianco(carta, x, y, scala)) << x << "," << y;
                        }
                        const int dentro = angolo % 2 == 0 ? taglio : 54 - taglio;
                        bordoDisegnato = bordoDisegnato || !BloccoBianco(carta, dentro, y, scala);
                    }
                    EXPECT_TRUE(bordoDisegnato) << "angolo " << angolo;
                }
            }
        }
    }
}

TEST(CarteDipinte, OgniFacciaEDiversaDalleAltreEDalDorso) {
    for (const auto& mazzo : kMazzi) {
        for (int scala : {1, 2}) {
            std::vector<QImage> carte;
            for (const QString& nome : NomiFile()) {
                carte.emplace_back(Percorso(mazzo, nome, scala));
            }
            for (size_t i = 0; i < carte.size(); ++i) {
                for (size_t j = i + 1; j < carte.size(); ++j) {
                    EXPECT_NE(carte[i], carte[j])
                        << mazzo.cartella << " " << NomiFile()[i].toStdString() << " "
                        << NomiFile()[j].toStdString() << " scala " << scala;
                }
            }
        }
    }
}

// Twice the size is painted again, not enlarged: an enlargement would repeat every pixel.
TEST(CarteDipinte, IlDoppioNonEUnIngrandimento) {
    for (const auto& mazzo : kMazzi) {
        for (const QString& nome : {QStringLiteral("XX"), QStringLiteral("20"),
                                    QStringLiteral("38"), QStringLiteral("S3")}) {
            const QImage semplice(Percorso(mazzo, nome, 1));
            const QImage doppio(Percorso(mazzo, nome, 2));
            ASSERT_FALSE(semplice.isNull());
            EXPECT_NE(semplice.scaled(doppio.size()).convertToFormat(doppio.format()), doppio)
                << mazzo.cartella << " " << nome.toStdString();
        }
    }
}

TEST(CarteDipinte, ISemiHannoLaMisuraEUnSimbolo) {
    for (const auto& mazzo : kMazzi) {
        for (int seme = 0; seme < 4; ++seme) {
            for (int scala : {1, 2}) {
                const QImage figurino(Percorso(mazzo, QStringLiteral("S%1").arg(seme), scala));
                ASSERT_EQ(figurino.size(), QSize(26 * scala, 27 * scala))
                    << mazzo.cartella << " S" << seme;
                int inchiostro = 0;
                for (int y = 0; y < figurino.height(); ++y) {
                    for (int x = 0; x < figurino.width(); ++x) {
                        inchiostro += Bianco(figurino, x, y) ? 0 : 1;
                    }
                }
                // A bold symbol on white: neither a blank nor a filled square.
                const int area = figurino.width() * figurino.height();
                EXPECT_GT(inchiostro, area / 5) << mazzo.cartella << " S" << seme;
                EXPECT_LT(inchiostro, area * 4 / 5) << mazzo.cartella << " S" << seme;
            }
        }
    }
}

TEST(CarteDipinte, CarteIniDaINomiDelMazzo) {
    for (const auto& mazzo : kMazzi) {
        const QString ini = kCartella + "/Carte/" + mazzo.cartella + "/Carte.ini";
        NomiCarte nomi;
        ASSERT_TRUE(nomi.Carica(ini.toStdString())) << mazzo.cartella;
        for (int seme = 0; seme < 4; ++seme) {
            EXPECT_EQ(nomi.Seme(seme, false), mazzo.semi[static_cast<size_t>(seme)]);
            EXPECT_EQ(nomi.Seme(seme, true),
                      std::string(1, mazzo.semi[static_cast<size_t>(seme)][0]));
        }
        EXPECT_EQ(nomi.Valore(0, false), "Asso");
        EXPECT_EQ(nomi.Valore(8, false), mazzo.ottavaFaccia);
        EXPECT_EQ(nomi.Valore(8, true), std::string(1, mazzo.ottavaFaccia[0]));
        EXPECT_EQ(nomi.Valore(9, true), "R");
    }
}

TEST(CarteDipinte, GliSfondiCopronoIlTavolo) {
    const QStringList sfondi =
        QDir(kCartella + "/Sfondi").entryList({QStringLiteral("*.bmp")}, QDir::Files);
    ASSERT_GE(sfondi.size(), 3);
    for (const QString& nome : sfondi) {
        const QImage sfondo(kCartella + "/Sfondi/" + nome);
        EXPECT_GE(sfondo.width(), 500) << nome.toStdString();
        EXPECT_GE(sfondo.height(), 311) << nome.toStdString();
    }
}

} // namespace
