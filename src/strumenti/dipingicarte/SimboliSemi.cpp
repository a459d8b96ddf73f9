#include "SimboliSemi.h"

#include <QPainterPath>

#include <cmath>

namespace {

const QColor kRosso(200, 26, 42);
const QColor kNero(24, 24, 28);
const QColor kOro(236, 184, 48);
const QColor kOroScuro(120, 78, 12);
const QColor kRossoItaliano(186, 30, 36);

// French shapes in the unit square, the symbol's centre at (0.5, 0.5).
QPainterPath Cuore() {
    QPainterPath p;
    p.moveTo(0.5, 1.0);
    p.cubicTo(0.36, 0.8, 0.0, 0.62, 0.0, 0.32);
    p.cubicTo(0.0, 0.1, 0.14, 0.0, 0.28, 0.0);
    p.cubicTo(0.4, 0.0, 0.48, 0.08, 0.5, 0.2);
    p.cubicTo(0.52, 0.08, 0.6, 0.0, 0.72, 0.0);
    p.cubicTo(0.86, 0.0, 1.0, 0.1, 1.0, 0.32);
    p.cubicTo(1.0, 0.62, 0.64, 0.8, 0.5, 1.0);
    p.closeSubpath();
    return p;
}

QPainterPath Quadro() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.68, 0.28, 0.9, 0.5);
    p.quadTo(0.68, 0.72, 0.5, 1.0);
    p.quadTo(0.32, 0.72, 0.1, 0.5);
    p.quadTo(0.32, 0.28, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

QPainterPath Gambo() {
    QPainterPath p;
    p.moveTo(0.47, 0.62);
    p.quadTo(0.46, 0.9, 0.3, 1.0);
    p.lineTo(0.7, 1.0);
    p.quadTo(0.54, 0.9, 0.53, 0.62);
    p.closeSubpath();
    return p;
}

QPainterPath Fiore() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    const double r = 0.235;
    p.addEllipse(QPointF(0.5, 0.25), r, r);
    p.addEllipse(QPointF(0.245, 0.6), r, r);
    p.addEllipse(QPointF(0.755, 0.6), r, r);
    p.addEllipse(QPointF(0.5, 0.55), 0.12, 0.12);
    p.addPath(Gambo());
    return p;
}

QPainterPath Picca() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.62, 0.2, 1.0, 0.36, 1.0, 0.6);
    p.cubicTo(1.0, 0.78, 0.86, 0.86, 0.74, 0.86);
    p.cubicTo(0.62, 0.86, 0.54, 0.8, 0.5, 0.7);
    p.cubicTo(0.46, 0.8, 0.38, 0.86, 0.26, 0.86);
    p.cubicTo(0.14, 0.86, 0.0, 0.78, 0.0, 0.6);
    p.cubicTo(0.0, 0.36, 0.38, 0.2, 0.5, 0.0);
    p.closeSubpath();
    p.addPath(Gambo());
    return p;
}

// Italian shapes are drawn about the origin in a box from -0.5 to 0.5; tratto is a hairline
// in those units.
void Coppa(QPainter& p, double tratto) {
    const QPen contorno(kOroScuro, tratto * 1.2);
    QPainterPath coppa;
    coppa.moveTo(-0.42, -0.34);
    coppa.cubicTo(-0.42, -0.02, -0.2, 0.08, 0.0, 0.08);
    coppa.cubicTo(0.2, 0.08, 0.42, -0.02, 0.42, -0.34);
    coppa.closeSubpath();
    QPainterPath piede;
    piede.moveTo(-0.07, 0.06);
    piede.lineTo(-0.06, 0.3);
    piede.cubicTo(-0.12, 0.38, -0.3, 0.4, -0.3, 0.48);
    piede.lineTo(0.3, 0.48);
    piede.cubicTo(0.3, 0.4, 0.12, 0.38, 0.06, 0.3);
    piede.lineTo(0.07, 0.06);
    piede.closeSubpath();
    p.setPen(contorno);
    p.setBrush(kOro);
    p.drawPath(piede);
    p.drawEllipse(QPointF(0.0, 0.2), 0.11, 0.055);
    p.drawPath(coppa);
    // A red band round the bowl, as painted on the old cups.
    p.save();
    p.setClipPath(coppa);
    p.setPen(Qt::NoPen);
    p.setBrush(kRossoItaliano);
    p.drawRect(QRectF(-0.5, -0.2, 1.0, 0.12));
    p.restore();
    p.setPen(contorno);
    p.setBrush(Qt::NoBrush);
    p.drawPath(coppa);
    p.setBrush(QColor(150, 24, 30));
    p.drawEllipse(QPointF(0.0, -0.34), 0.42, 0.08);
}

void Denaro(QPainter& p, double tratto) {
    p.setPen(QPen(kOroScuro, tratto * 1.2));
    p.setBrush(kOro);
    p.drawEllipse(QPointF(0, 0), 0.48, 0.48);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 0.36, 0.36);
    // A rosette in the middle: red petals round a golden eye.
    p.setPen(Qt::NoPen);
    p.setBrush(kRossoItaliano);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3.0;
        p.drawEllipse(QPointF(0.17 * std::cos(a), 0.17 * std::sin(a)), 0.09, 0.09);
    }
    p.drawEllipse(QPointF(0, 0), 0.16, 0.16);
    p.setBrush(kOro);
    p.drawEllipse(QPointF(0, 0), 0.07, 0.07);
}

// Upright club from its grip (bottom) to its thick knotty head (top), lunghezza long.
void Bastone(QPainter& p, double tratto, double lunghezza) {
    const double h = lunghezza / 2.0;
    QPainterPath corpo;
    corpo.moveTo(-0.08, h);
    corpo.lineTo(-0.13, -h * 0.55);
    corpo.cubicTo(-0.2, -h * 0.85, -0.13, -h, 0.0, -h);
    corpo.cubicTo(0.13, -h, 0.2, -h * 0.85, 0.13, -h * 0.55);
    corpo.lineTo(0.08, h);
    corpo.closeSubpath();
    p.setPen(QPen(QColor(36, 60, 20), tratto * 1.2));
    p.setBrush(QColor(96, 142, 44));
    p.drawPath(corpo);
    // Lopped twigs, alternating sides.
    p.setBrush(QColor(168, 70, 30));
    const double nodi[][2] = {{-0.085, -0.3}, {0.08, -0.05}, {-0.075, 0.2}};
    for (const auto& n : nodi) {
        p.drawEllipse(QPointF(n[0] * 1.7, n[1] * lunghezza), 0.07, 0.07);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 40, 36));
    p.drawRect(QRectF(-0.09, h * 0.72, 0.18, h * 0.12));
}

void Spada(QPainter& p, double tratto, double lunghezza) {
    const double h = lunghezza / 2.0;
    const double guardia = h * 0.45;
    QPainterPath lama;
    lama.moveTo(0.0, -h);
    lama.lineTo(0.1, -h + 0.2);
    lama.lineTo(0.1, guardia);
    lama.lineTo(-0.1, guardia);
    lama.lineTo(-0.1, -h + 0.2);
    lama.closeSubpath();
    const QPen contorno(QColor(22, 40, 78), tratto * 1.1);
    p.setPen(contorno);
    p.setBrush(QColor(92, 140, 204));
    p.drawPath(lama);
    p.setPen(QPen(QColor(214, 230, 250), tratto));
    p.drawLine(QPointF(0.0, -h + 0.12), QPointF(0.0, guardia - 0.04));
    p.setPen(contorno);
    p.setBrush(QColor(196, 40, 36));
    p.drawRect(QRectF(-0.065, guardia, 0.13, h - guardia - 0.08));
    p.setBrush(kOro);
    p.drawRoundedRect(QRectF(-0.26, guardia - 0.045, 0.52, 0.09), 0.04, 0.04);
    p.drawEllipse(QPointF(0.0, h - 0.06), 0.08, 0.08);
}

} // namespace

QColor ColoreSeme(Stile stile, int seme) {
    if (stile == Stile::Francese) {
        return seme < 2 ? kRosso : kNero;
    }
    static const QColor inchiostri[] = {QColor(170, 28, 36), QColor(176, 112, 0),
                                        QColor(40, 100, 30), QColor(26, 56, 128)};
    return inchiostri[seme & 3];
}

void DisegnaSimbolo(QPainter& p, Stile stile, int seme, const QRectF& riquadro, bool capovolto,
                    bool grande) {
    const double lato = std::min(riquadro.width(), riquadro.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(riquadro.center());
    if (stile == Stile::Francese) {
        if (capovolto) {
            p.rotate(180);
        }
        // The hearts, clubs and spades are a little narrower than they are tall.
        const double larghezza = seme == 1 ? lato : lato * 0.92;
        p.scale(larghezza, lato);
        p.translate(-0.5, -0.5);
        const QPainterPath forme[] = {Cuore(), Quadro(), Fiore(), Picca()};
        p.setPen(Qt::NoPen);
        p.setBrush(ColoreSeme(stile, seme));
        p.drawPath(forme[seme & 3]);
        p.restore();
        return;
    }
    const double tratto = 0.6 / lato;
    const bool lungo = seme >= 2;
    if (lungo && grande) {
        // Upright, as long as the box is tall; the box's width is the unit.
        const double unita = riquadro.width();
        p.scale(unita, unita);
        const double lunghezza = riquadro.height() / unita;
        seme == 2 ? Bastone(p, 0.6 / unita, lunghezza) : Spada(p, 0.6 / unita, lunghezza);
        p.restore();
        return;
    }
    p.scale(lato, lato);
    switch (seme) {
    case 0:
        Coppa(p, tratto);
        break;
    case 1:
        Denaro(p, tratto);
        break;
    case 2:
        p.rotate(45);
        Bastone(p, tratto, 1.3);
        break;
    default:
        p.rotate(-45);
        Spada(p, tratto, 1.3);
        break;
    }
    p.restore();
}
