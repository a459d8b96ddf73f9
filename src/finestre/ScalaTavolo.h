#pragma once

#include <QFont>
#include <QImage>
#include <QMargins>
#include <QRect>
#include <QVector>

class QLabel;
class QTreeWidget;
class QWidget;

// The table is laid out in its 100% units. Each widget on it keeps its place, size, font and
// picture in those units, and shows them multiplied by the factor of the table it lies on: the
// window changes the factor in one call, and whatever moves a widget during play gives the 100%
// place. A widget on no table, or on one never given a factor, shows its 100% values.
namespace ScalaTavolo {

// The size of the table at 100%.
inline constexpr int kLarghezza = 500;
inline constexpr int kAltezza = 311;

// Makes tavolo the root of a table shown at fattore, and lays out again every widget on it.
void ImpostaFattore(QWidget* tavolo, qreal fattore);
// The factor of the table w lies on (w itself, or an ancestor); 1 on none.
qreal Fattore(const QWidget* w);
// A length in 100% units at the factor.
int Scala(int lunghezza, qreal fattore);

void Colloca(QWidget* w, const QRect& base);
void Sposta(QWidget* w, const QPoint& base);
void Ridimensiona(QWidget* w, const QSize& base);
// The widget's place in 100% units (its geometry for a widget never placed through here).
QRect Base(const QWidget* w);

// The font at 100% (pixel or point size), shown scaled.
void ImpostaCarattere(QWidget* w, const QFont& base);
// The contents' margins at 100%.
void ImpostaMargini(QWidget* w, const QMargins& base);
// A picture at its 100% size and, when not null, twice that: the larger one is shown when the
// factor together with the screen's own ratio goes above 1.
void ImpostaFigura(QLabel* etichetta, const QImage& normale, const QImage& doppia);
// Column widths of a list at 100%.
void ImpostaColonne(QTreeWidget* lista, const QVector<int>& larghezze);

// 1 or 2: the scale of the pictures to draw for w (its factor times its screen's ratio).
int ScalaFigure(const QWidget* w);

} // namespace ScalaTavolo
