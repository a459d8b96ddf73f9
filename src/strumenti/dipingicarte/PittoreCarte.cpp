#include "PittoreCarte.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <vector>

#include "Figure.h"
#include "SimboliSemi.h"

namespace {

const QColor kBianco(255, 255, 255);
const QColor kBordo(88, 88, 92);
const QColor kCarta(255, 255, 255);
const QColor kFondoFigura(250, 243, 224);

constexpr double kCentroX = kLarghezzaCarta / 2.0;
constexpr double kCentroY = kAltezzaCarta / 2.0;

// Pixels cut at each end of the first four rows (and, mirrored, of the last four).
constexpr std::array<int, 4> kTaglio{4, 2, 1, 1};

// The pixels of the card's edge: the outermost rows and columns and those beside a cut
// corner, an unbroken line one pixel wide.
bool Bordo(int x, int y) {
    if (AngoloTagliato(x, y)) {
        return false;
    }
    if (x == 0 || y == 0 || x == kLarghezzaCarta - 1 || y == kAltezzaCarta - 1) {
        return true;
    }
    return AngoloTagliato(x - 1, y) || AngoloTagliato(x + 1, y) || AngoloTagliato(x, y - 1) ||
           AngoloTagliato(x, y + 1);
}

// Edge and corners are set pixel by pixel (blocks of scala x scala), so they stay sharp and
// match the game's mask exactly whatever was painted beneath.
void RifinisciBordo(QImage& immagine, int scala) {
    for (int y = 0; y < kAltezzaCarta; ++y) {
        for (int x = 0; x < kLarghezzaCarta; ++x) {
            const bool angolo = AngoloTagliato(x, y);
            if (!angolo && !Bordo(x, y)) {
                continue;
            }
            const QRgb colore = (angolo ? kBianco : kBordo).rgb();
            for (int dy = 0; dy < scala; ++dy) {
                for (int dx = 0; dx < scala; ++dx) {
                    immagine.setPixel(x * scala + dx, y * scala + dy, colore);
                }
            }
        }
    }
}

QImage NuovaImmagine(int larghezza, int altezza, int scala) {
    QImage immagine(larghezza * scala, altezza * scala, QImage::Format_RGB32);
    immagine.fill(kCarta);
    return immagine;
}

void PreparaPittore(QPainter& p, int scala) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scala, scala);
}

QFont CarattereIndice() {
    QFont carattere(QStringLiteral("DejaVu Serif"));
    carattere.setBold(true);
    carattere.setPixelSize(11);
    carattere.setHintingPreference(QFont::PreferNoHinting);
    return carattere;
}

// Rank letter with a small suit symbol beneath, in the top-left corner.
void DisegnaIndice(QPainter& p, const Mazzo& mazzo, int seme, int faccia) {
    const QString lettera = mazzo.lettereValori[static_cast<size_t>(faccia)];
    QPainterPath testo;
    testo.addText(0, 0, CarattereIndice(), lettera);
    const QRectF ingombro = testo.boundingRect();
    // Narrow letters are centred on the index column; the 10 of no deck here would be wider.
    const double colonna = 6.5;
    p.save();
    p.translate(colonna - ingombro.center().x(), 3.0 - ingombro.top());
    p.setPen(Qt::NoPen);
    p.setBrush(ColoreSeme(mazzo.stile, seme));
    p.drawPath(testo);
    p.restore();
    if (mazzo.stile == Stile::Italiano && seme >= 2) {
        // Lying across so small a box a club or a sword would be a smudge: stand it upright.
        DisegnaSimbolo(p, mazzo.stile, seme, QRectF(colonna - 3.0, 14.5, 6.0, 10.5), false, true);
    } else {
        DisegnaSimbolo(p, mazzo.stile, seme, QRectF(colonna - 3.75, 15.5, 7.5, 7.5));
    }
}

// Pip centres of Asso..Sette on a printed deck: two columns, three rows, the Sette's extra
// pip between the upper rows.
constexpr double kAlto = 22.0;
constexpr double kMezzoSette = (kAlto + kCentroY) / 2.0;

std::vector<QPointF> PosizioniSemi(int numero) {
    constexpr double sinistra = 19.0, destra = 36.0, alto = kAlto, basso = 79.0;
    constexpr double c = kCentroX, m = kCentroY;
    switch (numero) {
    case 2:
        return {{c, alto}, {c, basso}};
    case 3:
        return {{c, alto}, {c, m}, {c, basso}};
    case 4:
        return {{sinistra, alto}, {destra, alto}, {sinistra, basso}, {destra, basso}};
    case 5:
        return {{sinistra, alto}, {destra, alto}, {c, m}, {sinistra, basso}, {destra, basso}};
    case 6:
        return {{sinistra, alto}, {destra, alto},    {sinistra, m},
                {destra, m},      {sinistra, basso}, {destra, basso}};
    default:
        return {{sinistra, alto}, {destra, alto},    {c, kMezzoSette}, {sinistra, m},
                {destra, m},      {sinistra, basso}, {destra, basso}};
    }
}

void DisegnaSemi(QPainter& p, const Mazzo& mazzo, int seme, int numero) {
    // Clubs and swords lie across their box, so they are given a larger one.
    const double lato = mazzo.stile == Stile::Francese ? 12.0 : seme >= 2 ? 15.0 : 13.0;
    for (const QPointF& centro : PosizioniSemi(numero)) {
        // The Sette's middle pip is squeezed between two rows: a little smaller keeps it clear.
        const double l =
            centro.y() == kMezzoSette && mazzo.stile == Stile::Italiano ? lato * 0.8 : lato;
        const QRectF riquadro(centro.x() - l / 2, centro.y() - l / 2, l, l);
        DisegnaSimbolo(p, mazzo.stile, seme, riquadro, centro.y() > kCentroY + 1);
    }
}

// One large pip in a ring of the suit's ink with four small leaves on the diagonals.
void DisegnaAsso(QPainter& p, const Mazzo& mazzo, int seme) {
    const QColor inchiostro = ColoreSeme(mazzo.stile, seme);
    const bool lungo = mazzo.stile == Stile::Italiano && seme >= 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(inchiostro, 0.8));
    p.setBrush(Qt::NoBrush);
    const double rx = 19.0, ry = lungo ? 38.0 : 22.0;
    p.drawEllipse(QPointF(kCentroX, kCentroY), rx, ry);
    p.setPen(QPen(inchiostro, 0.5));
    p.drawEllipse(QPointF(kCentroX, kCentroY), rx - 2.0, ry - 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(inchiostro);
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) {
            const QPointF punta(kCentroX + sx * rx * 0.78, kCentroY + sy * ry * 0.78);
            QPainterPath foglia;
            foglia.moveTo(punta);
            foglia.quadTo(punta + QPointF(sx * 4.0, 0), punta + QPointF(sx * 4.5, sy * 4.5));
            foglia.quadTo(punta + QPointF(0, sy * 4.0), punta);
            p.drawPath(foglia);
        }
    }
    p.restore();
    if (lungo) {
        DisegnaSimbolo(p, mazzo.stile, seme, QRectF(kCentroX - 12, kCentroY - 33, 24, 66), false,
                       true);
    } else {
        const double lato = mazzo.stile == Stile::Francese ? 25.0 : 27.0;
        DisegnaSimbolo(p, mazzo.stile, seme,
                       QRectF(kCentroX - lato / 2, kCentroY - lato / 2, lato, lato));
    }
}

void DisegnaFigura(QPainter& p, const Mazzo& mazzo, int seme, int faccia) {
    const QRectF cornice(12.5, 5.5, 30.0, 90.0);
    const QColor inchiostro = ColoreSeme(mazzo.stile, seme);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kFondoFigura);
    p.drawRect(cornice);
    const QRectF meta(cornice.left(), cornice.top(), cornice.width(), cornice.height() / 2);
    for (int volta = 0; volta < 2; ++volta) {
        p.save();
        if (volta == 1) {
            p.translate(kLarghezzaCarta, kAltezzaCarta);
            p.rotate(180);
        }
        p.setClipRect(meta);
        DisegnaMezzaFigura(p, mazzo, seme, faccia, meta);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(inchiostro, 1.0));
    p.drawRect(cornice);
    p.setPen(QPen(inchiostro, 0.6));
    p.drawLine(QPointF(cornice.left(), kCentroY), QPointF(cornice.right(), kCentroY));
    p.restore();
}

} // namespace

bool AngoloTagliato(int x, int y) {
    const int riga = std::min(y, kAltezzaCarta - 1 - y);
    const int colonna = std::min(x, kLarghezzaCarta - 1 - x);
    return riga >= 0 && riga < 4 && colonna >= 0 && colonna < kTaglio[static_cast<size_t>(riga)];
}

QImage DipingiFaccia(const Mazzo& mazzo, int seme, int faccia, int scala) {
    QImage immagine = NuovaImmagine(kLarghezzaCarta, kAltezzaCarta, scala);
    {
        QPainter p(&immagine);
        PreparaPittore(p, scala);
        if (faccia == 0) {
            DisegnaAsso(p, mazzo, seme);
        } else if (faccia <= 6) {
            DisegnaSemi(p, mazzo, seme, faccia + 1);
        } else {
            DisegnaFigura(p, mazzo, seme, faccia);
        }
        for (int volta = 0; volta < 2; ++volta) {
            p.save();
            if (volta == 1) {
                p.translate(kLarghezzaCarta, kAltezzaCarta);
                p.rotate(180);
            }
            DisegnaIndice(p, mazzo, seme, faccia);
            p.restore();
        }
    }
    RifinisciBordo(immagine, scala);
    return immagine;
}

QImage DipingiDorso(const Mazzo& mazzo, int scala) {
    QImage immagine = NuovaImmagine(kLarghezzaCarta, kAltezzaCarta, scala);
    {
        QPainter p(&immagine);
        PreparaPittore(p, scala);
        const QRectF pannello(3.5, 3.5, kLarghezzaCarta - 7.0, kAltezzaCarta - 7.0);
        p.setPen(Qt::NoPen);
        p.setBrush(mazzo.coloreDorso);
        p.drawRoundedRect(pannello, 2.5, 2.5);
        const QRectF campo = pannello.adjusted(2.5, 2.5, -2.5, -2.5);
        QColor filo = kBianco;
        filo.setAlphaF(0.55);
        // A lattice of diamonds through the card's centre, so it is the same either way up.
        p.save();
        p.setClipRect(campo);
        p.setPen(QPen(filo, 0.6));
        const double passo = 6.0;
        for (int k = -20; k <= 20; ++k) {
            const double d = k * passo;
            p.drawLine(QPointF(kCentroX - 60 + d, kCentroY - 60),
                       QPointF(kCentroX + 60 + d, kCentroY + 60));
            p.drawLine(QPointF(kCentroX + 60 + d, kCentroY - 60),
                       QPointF(kCentroX - 60 + d, kCentroY + 60));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(filo);
        for (int i = -10; i <= 10; ++i) {
            for (int j = -10; j <= 10; ++j) {
                if ((i + j) % 2 == 0) {
                    p.drawEllipse(QPointF(kCentroX + i * passo / 2 * 2, kCentroY + j * passo), 0.7,
                                  0.7);
                }
            }
        }
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kBianco, 0.8));
        p.drawRoundedRect(campo.adjusted(-0.8, -0.8, 0.8, 0.8), 1.5, 1.5);
        // The medallion: an oval with a rosette of eight petals, echoed at both ends.
        auto rosetta = [&](QPointF centro, double raggio) {
            p.setPen(Qt::NoPen);
            p.setBrush(kBianco);
            for (int i = 0; i < 8; ++i) {
                p.save();
                p.translate(centro);
                p.rotate(i * 45.0);
                p.drawEllipse(QPointF(0, -raggio * 0.55), raggio * 0.2, raggio * 0.45);
                p.restore();
            }
            p.setBrush(mazzo.coloreDorso);
            p.drawEllipse(centro, raggio * 0.22, raggio * 0.22);
        };
        p.setPen(QPen(kBianco, 1.0));
        p.setBrush(mazzo.coloreDorso);
        p.drawEllipse(QPointF(kCentroX, kCentroY), 14.0, 20.0);
        p.setPen(QPen(kBianco, 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(kCentroX, kCentroY), 11.5, 17.5);
        rosetta(QPointF(kCentroX, kCentroY), 10.0);
        for (double dy : {-34.0, 34.0}) {
            p.setPen(QPen(kBianco, 0.7));
            p.setBrush(mazzo.coloreDorso);
            p.drawEllipse(QPointF(kCentroX, kCentroY + dy), 7.0, 7.0);
            rosetta(QPointF(kCentroX, kCentroY + dy), 6.0);
        }
    }
    RifinisciBordo(immagine, scala);
    return immagine;
}

QImage DipingiSeme(const Mazzo& mazzo, int seme, int scala) {
    QImage immagine = NuovaImmagine(kLarghezzaSeme, kAltezzaSeme, scala);
    QPainter p(&immagine);
    PreparaPittore(p, scala);
    DisegnaSimbolo(p, mazzo.stile, seme,
                   QRectF(1.5, 2.0, kLarghezzaSeme - 3.0, kAltezzaSeme - 4.0));
    return immagine;
}

QImage MascheraCarta(int scala) {
    QImage maschera(kLarghezzaCarta * scala, kAltezzaCarta * scala, QImage::Format_RGB32);
    for (int y = 0; y < maschera.height(); ++y) {
        for (int x = 0; x < maschera.width(); ++x) {
            maschera.setPixel(x, y,
                              AngoloTagliato(x / scala, y / scala) ? 0xffffffffu : 0xff000000u);
        }
    }
    return maschera;
}
