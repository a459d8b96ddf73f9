#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "Mazzo.h"

// Draws the symbol of a suit (0..3) centred in riquadro, as large as fits. French pips below
// the middle of a card are printed upside down (capovolto); Italian ones always stand upright.
// Clubs and swords lie across their box as on a pip card; grande stands them upright, as on
// the Asso.
void DisegnaSimbolo(QPainter& pittore, Stile stile, int seme, const QRectF& riquadro,
                    bool capovolto = false, bool grande = false);

// The ink of a suit: corner indices, frames, the Asso's ornament.
QColor ColoreSeme(Stile stile, int seme);
