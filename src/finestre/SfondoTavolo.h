#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;
class QWidget;

// What the table shows beneath everything: its colour and, when the options name one, a
// picture stretched over the whole area. Pictures with see-through corners compose themselves
// over the part of it they cover.
class SfondoTavolo {
public:
    explicit SfondoTavolo(QSize dimensione) : dimensione(dimensione) {}

    // The widget the table is drawn on: positions are measured from its corner.
    void ImpostaTavolo(const QWidget* widget) { tavolo = widget; }
    // Where w lies on the table.
    QRect AreaDi(const QWidget& w) const;

    void ImpostaColore(const QColor& nuovo);
    // Loads the picture; false (and the background unchanged) when it cannot be loaded.
    // An empty path removes the picture.
    bool ImpostaImmagine(const QString& percorso);
    bool HaImmagine() const { return !immagine.isNull(); }
    QColor Colore() const { return colore; }

    // The part of the table under area (table coordinates), at the given pixel ratio.
    QImage Porzione(const QRect& area, qreal rapporto) const;
    void Disegna(QPainter& pittore, const QRect& area) const;

private:
    QSize dimensione;
    const QWidget* tavolo = nullptr;
    QColor colore{Qt::yellow};
    QImage immagine;
    // The whole table rendered at the last ratio asked for.
    mutable QImage pronta;
    mutable qreal rapportoPronta = 0.0;

    const QImage& Pronta(qreal rapporto) const;
};
