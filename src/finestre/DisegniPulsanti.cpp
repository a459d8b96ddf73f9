#include "finestre/DisegniPulsanti.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

QImage Bianca(int larghezza, int altezza, int scala) {
    QImage immagine(larghezza * scala, altezza * scala, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::white);
    return immagine;
}

// Light from the top left on a raised face; from the bottom right, dimmer, on a pressed one.
QRadialGradient Luce(const QRectF& forma, const QColor& colore, bool premuto) {
    const QPointF centro = forma.center();
    const QPointF spostamento(forma.width() * 0.22, forma.height() * 0.22);
    const QPointF fuoco = premuto ? centro + spostamento : centro - spostamento;
    const double raggio = std::max(forma.width(), forma.height()) * 0.75;
    QRadialGradient luce(fuoco, raggio, fuoco);
    const QColor corpo = premuto ? colore.darker(115) : colore;
    luce.setColorAt(0.0, corpo.lighter(premuto ? 125 : 165));
    luce.setColorAt(0.45, corpo);
    luce.setColorAt(1.0, corpo.darker(premuto ? 150 : 175));
    return luce;
}

void DisegnaForma(QPainter& pittore, const QRectF& forma, const QColor& colore, bool premuto) {
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(Luce(forma, colore, premuto));
    pittore.drawEllipse(forma);
    // A thin rim keeps the edge crisp over a light table.
    pittore.setBrush(Qt::NoBrush);
    pittore.setPen(QPen(colore.darker(premuto ? 210 : 190), 1.0));
    pittore.drawEllipse(forma.adjusted(0.5, 0.5, -0.5, -0.5));
    if (!premuto) {
        // A soft glint near the top.
        QRectF riflesso(forma.x() + forma.width() * 0.2, forma.y() + forma.height() * 0.07,
                        forma.width() * 0.45, forma.height() * 0.28);
        QLinearGradient bianco(riflesso.topLeft(), riflesso.bottomLeft());
        bianco.setColorAt(0.0, QColor(255, 255, 255, 150));
        bianco.setColorAt(1.0, QColor(255, 255, 255, 0));
        pittore.setPen(Qt::NoPen);
        pittore.setBrush(bianco);
        pittore.drawEllipse(riflesso);
    }
}

} // namespace

QImage DisegnaDisco(const QColor& colore, int lato, bool premuto, int scala) {
    QImage disco = Bianca(lato, lato, scala);
    QPainter pittore(&disco);
    pittore.scale(scala, scala);
    // The round mask is 48 x 48 whatever the picture's size: the disc fills it.
    const double diametro = std::min(lato, 48);
    DisegnaForma(pittore, QRectF(0, 0, diametro, diametro), colore, premuto);
    pittore.end();
    disco.setDevicePixelRatio(scala);
    return disco;
}

QImage DisegnaOvale(const QColor& colore, bool premuto, int scala) {
    QImage ovale = Bianca(80, 23, scala);
    QPainter pittore(&ovale);
    pittore.scale(scala, scala);
    DisegnaForma(pittore, QRectF(0, 0, 80, 23), colore, premuto);
    pittore.end();
    ovale.setDevicePixelRatio(scala);
    return ovale;
}

QImage DisegnaSeme(int seme, int scala) {
    QImage immagine(26 * scala, 26 * scala, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.scale(scala, scala);
    const bool rosso = seme == 0 || seme == 1;
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(rosso ? QColor(200, 20, 30) : QColor(20, 20, 20));
    QPainterPath forma;
    switch (seme) {
    case 0: // a heart: two lobes and a point
        forma.moveTo(13, 23);
        forma.cubicTo(2, 15, 1, 9, 4, 5.5);
        forma.cubicTo(7, 2, 11.5, 3.5, 13, 7.5);
        forma.cubicTo(14.5, 3.5, 19, 2, 22, 5.5);
        forma.cubicTo(25, 9, 24, 15, 13, 23);
        break;
    case 1: // a diamond
        forma.moveTo(13, 2);
        forma.quadTo(17, 8, 22, 13);
        forma.quadTo(17, 18, 13, 24);
        forma.quadTo(9, 18, 4, 13);
        forma.quadTo(9, 8, 13, 2);
        break;
    case 2: // a club: three leaves and a stem
        forma.addEllipse(QPointF(13, 7.5), 5, 5);
        forma.addEllipse(QPointF(7.5, 14.5), 5, 5);
        forma.addEllipse(QPointF(18.5, 14.5), 5, 5);
        forma.addRect(QRectF(11.5, 9, 3, 8));
        forma.moveTo(13, 14);
        forma.lineTo(17, 24);
        forma.lineTo(9, 24);
        forma.closeSubpath();
        break;
    default: // a spade: an upturned heart and a stem
        forma.moveTo(13, 2);
        forma.cubicTo(24, 10, 25, 15, 22, 18);
        forma.cubicTo(19, 21, 15, 19.5, 13.5, 16);
        forma.lineTo(17, 24);
        forma.lineTo(9, 24);
        forma.lineTo(12.5, 16);
        forma.cubicTo(11, 19.5, 7, 21, 4, 18);
        forma.cubicTo(1, 15, 2, 10, 13, 2);
        break;
    }
    forma.setFillRule(Qt::WindingFill);
    pittore.drawPath(forma);
    pittore.end();
    immagine.setDevicePixelRatio(scala);
    return immagine;
}

QImage InRiquadro(const QImage& immagine, int larghezza, int altezza, int scala) {
    QImage riquadro(larghezza * scala, altezza * scala, QImage::Format_RGB32);
    riquadro.fill(Qt::white);
    QImage sorgente = immagine;
    sorgente.setDevicePixelRatio(1.0);
    QPainter pittore(&riquadro);
    pittore.drawImage(QPoint(0, 0), sorgente);
    pittore.end();
    riquadro.setDevicePixelRatio(scala);
    return riquadro;
}
