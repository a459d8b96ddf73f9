#include "Figure.h"

#include <QPainterPath>

#include "SimboliSemi.h"

namespace {

const QColor kPelle(243, 214, 184);
const QColor kLinea(70, 46, 30);
const QColor kOro(232, 180, 40);
const QColor kBianco(255, 255, 255);

struct Abito {
    QColor veste;
    QColor rifinitura;
};

// Each court rank keeps its colours in every suit: the dress is the first thing the eye meets.
Abito AbitoDi(int faccia) {
    switch (faccia) {
    case 7:
        return {QColor(40, 120, 60), kOro};
    case 8:
        return {QColor(44, 80, 160), kBianco};
    default:
        return {QColor(180, 30, 40), kOro};
    }
}

void Busto(QPainter& p, const Abito& abito, double cx) {
    QPainterPath veste;
    veste.moveTo(cx - 14.5, 46);
    veste.lineTo(cx - 14.5, 35);
    veste.cubicTo(cx - 14.5, 29.0, cx - 9.0, 26.5, cx - 3.5, 26.0);
    veste.lineTo(cx + 3.5, 26.0);
    veste.cubicTo(cx + 9.0, 26.5, cx + 14.5, 29.0, cx + 14.5, 35);
    veste.lineTo(cx + 14.5, 46);
    veste.closeSubpath();
    p.setPen(QPen(kLinea, 0.5));
    p.setBrush(abito.veste);
    p.drawPath(veste);
    // A V neck and a placket in the trim colour, and a shoulder seam each side.
    p.setPen(QPen(abito.rifinitura, 1.3));
    p.setBrush(Qt::NoBrush);
    QPainterPath scollo;
    scollo.moveTo(cx - 4.0, 26.2);
    scollo.lineTo(cx, 32.0);
    scollo.lineTo(cx + 4.0, 26.2);
    scollo.moveTo(cx, 32.0);
    scollo.lineTo(cx, 46.0);
    p.drawPath(scollo);
    p.setPen(QPen(abito.rifinitura, 0.8));
    p.drawLine(QPointF(cx - 10.5, 28.5), QPointF(cx - 9.0, 46.0));
    p.drawLine(QPointF(cx + 10.5, 28.5), QPointF(cx + 9.0, 46.0));
    p.setPen(Qt::NoPen);
    p.setBrush(kPelle);
    p.drawRect(QRectF(cx - 1.8, 20.0, 3.6, 6.5));
    QPainterPath gola;
    gola.moveTo(cx - 3.6, 26.2);
    gola.lineTo(cx, 31.0);
    gola.lineTo(cx + 3.6, 26.2);
    gola.closeSubpath();
    p.drawPath(gola);
}

// Heads and headgear are drawn a little larger than the body would ask: at 55 x 101 the face
// and what it wears are what tell the ranks apart.
void IngrandisciTesta(QPainter& p, double cx) {
    p.translate(cx, 13.0);
    p.scale(1.18, 1.18);
    p.translate(-cx, -13.0);
}

void Testa(QPainter& p, double cx) {
    p.setPen(QPen(kLinea, 0.5));
    p.setBrush(kPelle);
    p.drawEllipse(QPointF(cx, 16.0), 4.4, 5.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kLinea);
    p.drawEllipse(QPointF(cx - 1.7, 15.6), 0.55, 0.55);
    p.drawEllipse(QPointF(cx + 1.7, 15.6), 0.55, 0.55);
    p.setPen(QPen(QColor(170, 50, 50), 0.6));
    p.drawLine(QPointF(cx - 1.0, 19.0), QPointF(cx + 1.0, 19.0));
}

void Re(QPainter& p, double cx) {
    p.save();
    IngrandisciTesta(p, cx);
    // Ermine collar.
    p.setPen(QPen(kLinea, 0.4));
    p.setBrush(kBianco);
    p.drawEllipse(QPointF(cx, 26.0), 8.0, 2.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    for (double dx : {-5.0, -2.0, 1.5, 4.5}) {
        p.drawRect(QRectF(cx + dx, 25.6, 0.8, 0.8));
    }
    Testa(p, cx);
    QPainterPath barba;
    barba.moveTo(cx - 4.3, 16.5);
    barba.cubicTo(cx - 4.0, 22.0, cx - 2.0, 24.0, cx, 24.5);
    barba.cubicTo(cx + 2.0, 24.0, cx + 4.0, 22.0, cx + 4.3, 16.5);
    barba.cubicTo(cx + 2.5, 19.5, cx - 2.5, 19.5, cx - 4.3, 16.5);
    p.setPen(QPen(kLinea, 0.4));
    p.setBrush(QColor(120, 80, 44));
    p.drawPath(barba);
    QPainterPath corona;
    corona.moveTo(cx - 5.0, 11.2);
    corona.lineTo(cx - 5.4, 5.0);
    corona.lineTo(cx - 2.6, 8.2);
    corona.lineTo(cx, 3.5);
    corona.lineTo(cx + 2.6, 8.2);
    corona.lineTo(cx + 5.4, 5.0);
    corona.lineTo(cx + 5.0, 11.2);
    corona.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 10), 0.5));
    p.setBrush(kOro);
    p.drawPath(corona);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 30));
    for (const QPointF& gemma :
         {QPointF(cx - 5.4, 5.0), QPointF(cx, 3.5), QPointF(cx + 5.4, 5.0)}) {
        p.drawEllipse(gemma, 0.9, 0.9);
    }
    p.restore();
    // Sceptre.
    p.setPen(QPen(QColor(120, 80, 10), 1.0));
    p.drawLine(QPointF(cx + 9.5, 45.0), QPointF(cx + 10.5, 24.0));
    p.setPen(QPen(QColor(120, 80, 10), 0.4));
    p.setBrush(kOro);
    p.drawEllipse(QPointF(cx + 10.6, 22.5), 1.7, 1.7);
}

void Donna(QPainter& p, double cx) {
    p.save();
    IngrandisciTesta(p, cx);
    QPainterPath capelli;
    capelli.moveTo(cx - 5.2, 15.0);
    capelli.cubicTo(cx - 6.5, 6.0, cx + 6.5, 6.0, cx + 5.2, 15.0);
    capelli.cubicTo(cx + 6.8, 21.0, cx + 8.0, 25.0, cx + 6.0, 28.0);
    capelli.lineTo(cx - 6.0, 28.0);
    capelli.cubicTo(cx - 8.0, 25.0, cx - 6.8, 21.0, cx - 5.2, 15.0);
    p.setPen(QPen(kLinea, 0.4));
    p.setBrush(QColor(196, 140, 52));
    p.drawPath(capelli);
    Testa(p, cx);
    // Pearl necklace and a small tiara.
    p.setPen(Qt::NoPen);
    p.setBrush(kBianco);
    for (int i = -3; i <= 3; ++i) {
        p.drawEllipse(QPointF(cx + i * 1.3, 27.0 + 0.12 * i * i), 0.6, 0.6);
    }
    QPainterPath diadema;
    diadema.moveTo(cx - 4.2, 11.4);
    diadema.quadTo(cx, 8.0, cx + 4.2, 11.4);
    diadema.lineTo(cx + 3.0, 9.0);
    diadema.lineTo(cx + 1.2, 9.6);
    diadema.lineTo(cx, 6.4);
    diadema.lineTo(cx - 1.2, 9.6);
    diadema.lineTo(cx - 3.0, 9.0);
    diadema.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 10), 0.4));
    p.setBrush(kOro);
    p.drawPath(diadema);
    p.restore();
    // A rose on a stem.
    p.setPen(QPen(QColor(30, 110, 40), 0.8));
    p.drawLine(QPointF(cx + 8.0, 44.0), QPointF(cx + 10.5, 27.0));
    p.setPen(QPen(QColor(120, 10, 30), 0.4));
    p.setBrush(QColor(214, 40, 70));
    p.drawEllipse(QPointF(cx + 10.6, 25.5), 2.0, 2.0);
}

void Fante(QPainter& p, double cx) {
    p.save();
    IngrandisciTesta(p, cx);
    QPainterPath capelli;
    capelli.moveTo(cx - 4.8, 14.0);
    capelli.cubicTo(cx - 5.8, 18.0, cx - 5.6, 21.0, cx - 4.0, 22.0);
    capelli.lineTo(cx + 4.0, 22.0);
    capelli.cubicTo(cx + 5.6, 21.0, cx + 5.8, 18.0, cx + 4.8, 14.0);
    capelli.closeSubpath();
    p.setPen(QPen(kLinea, 0.4));
    p.setBrush(QColor(96, 60, 30));
    p.drawPath(capelli);
    Testa(p, cx);
    // A beret worn aslant, with a long feather.
    p.setPen(QPen(QColor(230, 200, 60), 1.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath piuma;
    piuma.moveTo(cx + 3.0, 10.0);
    piuma.cubicTo(cx + 7.0, 8.0, cx + 9.0, 5.0, cx + 11.0, 1.5);
    p.drawPath(piuma);
    p.save();
    p.translate(cx, 10.6);
    p.rotate(-12);
    p.setPen(QPen(kLinea, 0.5));
    p.setBrush(QColor(150, 24, 36));
    p.drawEllipse(QPointF(0, 0), 6.6, 2.4);
    p.drawEllipse(QPointF(0.4, -1.4), 3.6, 1.8);
    p.restore();
    p.restore();
    // A halberd.
    p.setPen(QPen(QColor(110, 70, 30), 0.9));
    p.drawLine(QPointF(cx + 10.0, 45.0), QPointF(cx + 11.0, 21.0));
    QPainterPath lama;
    lama.moveTo(cx + 11.0, 17.0);
    lama.lineTo(cx + 12.6, 22.0);
    lama.lineTo(cx + 11.0, 24.0);
    lama.lineTo(cx + 9.4, 22.0);
    lama.closeSubpath();
    p.setPen(QPen(QColor(40, 50, 70), 0.4));
    p.setBrush(QColor(190, 200, 214));
    p.drawPath(lama);
}

// The knight: a helmeted rider with his horse's head before him.
void Cavallo(QPainter& p, double cx) {
    p.save();
    IngrandisciTesta(p, cx);
    Testa(p, cx);
    QPainterPath elmo;
    elmo.moveTo(cx - 4.8, 15.0);
    elmo.cubicTo(cx - 5.4, 6.5, cx + 5.4, 6.5, cx + 4.8, 15.0);
    elmo.lineTo(cx + 4.0, 13.0);
    elmo.lineTo(cx - 4.0, 13.0);
    elmo.closeSubpath();
    p.setPen(QPen(QColor(40, 46, 56), 0.5));
    p.setBrush(QColor(160, 170, 184));
    p.drawPath(elmo);
    p.setPen(QPen(QColor(200, 30, 40), 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath pennacchio;
    pennacchio.moveTo(cx, 8.0);
    pennacchio.cubicTo(cx - 3.0, 3.0, cx - 7.0, 3.0, cx - 9.0, 6.0);
    p.drawPath(pennacchio);
    p.restore();
    const double x = cx - 15.0;
    QPainterPath testa;
    testa.moveTo(x + 3.0, 46.0);
    testa.cubicTo(x + 4.0, 38.0, x + 5.5, 33.0, x + 5.0, 29.5);
    testa.lineTo(x + 1.2, 31.0);
    testa.cubicTo(x + 0.2, 30.5, x + 0.0, 29.0, x + 0.6, 28.0);
    testa.lineTo(x + 5.0, 19.5);
    testa.lineTo(x + 6.5, 15.0);
    testa.lineTo(x + 8.2, 18.0);
    testa.cubicTo(x + 12.0, 21.0, x + 13.5, 30.0, x + 13.0, 46.0);
    testa.closeSubpath();
    p.setPen(QPen(kLinea, 0.5));
    p.setBrush(QColor(168, 104, 56));
    p.drawPath(testa);
    QPainterPath criniera;
    criniera.moveTo(x + 8.2, 18.0);
    criniera.cubicTo(x + 12.0, 21.0, x + 13.5, 30.0, x + 13.0, 46.0);
    criniera.lineTo(x + 15.0, 46.0);
    criniera.cubicTo(x + 15.5, 30.0, x + 13.5, 20.0, x + 8.2, 18.0);
    p.setBrush(QColor(60, 36, 22));
    p.drawPath(criniera);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 12, 8));
    p.drawEllipse(QPointF(x + 6.0, 21.5), 0.8, 0.8);
    // Bridle.
    p.setPen(QPen(kOro, 0.8));
    p.drawLine(QPointF(x + 2.0, 28.5), QPointF(x + 7.5, 24.5));
    p.drawLine(QPointF(x + 7.5, 24.5), QPointF(x + 7.0, 18.5));
}

} // namespace

void DisegnaMezzaFigura(QPainter& p, const Mazzo& mazzo, int seme, int faccia, const QRectF& meta) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(meta.topLeft());
    const bool cavaliere = faccia == 8 && mazzo.stile == Stile::Italiano;
    const double cx = cavaliere ? 18.0 : 15.0;
    Busto(p, AbitoDi(faccia), cx);
    switch (faccia) {
    case 7:
        Fante(p, cx);
        break;
    case 8:
        cavaliere ? Cavallo(p, cx) : Donna(p, cx);
        break;
    default:
        Re(p, cx);
        break;
    }
    const QRectF angolo = cavaliere ? QRectF(21.5, 1.5, 7.5, 7.5) : QRectF(1.5, 1.5, 7.5, 7.5);
    DisegnaSimbolo(p, mazzo.stile, seme, angolo);
    p.restore();
}
