#pragma once

#include <QPainter>
#include <QRectF>

#include "Mazzo.h"

// A court card's half-length figure inside metà, the upper half of the card's frame (the
// caller turns the card round to paint the lower half). Fante, Donna (Cavallo) and Re differ
// by headgear, dress and what they hold, so they are told apart at a glance.
void DisegnaMezzaFigura(QPainter& pittore, const Mazzo& mazzo, int seme, int faccia,
                        const QRectF& meta);
