#pragma once

#include <QString>

class QFontMetrics;
class QLabel;
class QLineEdit;

// The text as it fits in larghezza pixels of metrica: whole, or cut at the right with "…".
QString Eliso(const QFontMetrics& metrica, const QString& testo, int larghezza);

// The width a label or a line edit gives its text.
int LarghezzaTesto(const QLabel& etichetta);
int LarghezzaTesto(const QLineEdit& casella);

// A tooltip that shows testo as it was typed: Qt reads a tooltip that looks like markup as rich
// text, and a name from the network may look like that.
QString TooltipLetterale(const QString& testo);

// Puts testo into the control, cut to the width it gives its text; when it had to be cut the
// full text is the tooltip, else there is none.
void MostraEliso(QLabel& etichetta, const QString& testo);
void MostraEliso(QLineEdit& casella, const QString& testo);
