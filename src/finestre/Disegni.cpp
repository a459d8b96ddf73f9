#include "finestre/Disegni.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

QImage Vuota(int larghezza, int altezza, int scala, const QColor& fondo) {
    QImage immagine(larghezza * scala, altezza * scala, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(fondo);
    return immagine;
}

void ConRapporto(QImage& immagine, int scala) {
    immagine.setDevicePixelRatio(scala);
}

} // namespace

QImage DisegnaStellaTurno(int scala) {
    QImage stella = Vuota(13, 13, scala, Qt::transparent);
    QPainter pittore(&stella);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.scale(scala, scala);
    QPainterPath punte;
    for (int i = 0; i < 10; ++i) {
        const double raggio = i % 2 == 0 ? 6.3 : 2.7;
        const double angolo = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF punto(6.5 + raggio * std::cos(angolo), 6.8 + raggio * std::sin(angolo));
        i == 0 ? punte.moveTo(punto) : punte.lineTo(punto);
    }
    punte.closeSubpath();
    pittore.setPen(QPen(QColor(255, 220, 0), 1.0));
    pittore.setBrush(QColor(220, 20, 20));
    pittore.drawPath(punte);
    ConRapporto(stella, scala);
    return stella;
}

QImage DisegnaPreso(int scala) {
    QImage carta = Vuota(14, 25, scala, Qt::transparent);
    QPainter pittore(&carta);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.scale(scala, scala);
    const QRectF bordo(0.5, 0.5, 13, 24);
    pittore.setPen(QPen(QColor(40, 40, 40), 1.0));
    pittore.setBrush(Qt::white);
    pittore.drawRoundedRect(bordo, 2, 2);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(QColor(30, 70, 150));
    pittore.drawRoundedRect(bordo.adjusted(2, 2, -2, -2), 1, 1);
    pittore.setPen(QPen(QColor(190, 210, 240), 0.7));
    for (double y = 3.0; y < 24.0; y += 3.0) {
        pittore.drawLine(QPointF(3, y), QPointF(11, y + 2));
    }
    ConRapporto(carta, scala);
    return carta;
}

QImage DisegnaPalla(const QColor& colore, const QString& lettera, int scala) {
    QImage palla = Vuota(25, 26, scala, Qt::white);
    QPainter pittore(&palla);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    pittore.scale(scala, scala);
    QRadialGradient luce(QPointF(9, 8), 14);
    luce.setColorAt(0.0, colore.lighter(170));
    luce.setColorAt(0.5, colore);
    luce.setColorAt(1.0, colore.darker(160));
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(luce);
    pittore.drawEllipse(QRectF(0, 0, 24, 24));
    QFont carattere(QStringLiteral("DejaVu Sans"));
    carattere.setPixelSize(15);
    carattere.setBold(true);
    pittore.setFont(carattere);
    pittore.setPen(Qt::white);
    pittore.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, lettera);
    ConRapporto(palla, scala);
    return palla;
}
