#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The table's small pictures, drawn by the program at the scale asked for (1, or 2 for
// screens scaled above 100%), with the ratio set so they lay out at their normal size.

// The turn marker: a red star edged in yellow, 13 x 13.
QImage DisegnaStellaTurno(int scala);
// A small face-down card, 14 x 25: a seat that has taken a trick.
QImage DisegnaPreso(int scala);
// A ball lettered with an initial, 25 x 26, on white (shown through a round mask).
QImage DisegnaPalla(const QColor& colore, const QString& lettera, int scala);
