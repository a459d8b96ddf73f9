#pragma once

#include <QImage>
#include <QRect>

// Pictures with see-through corners, composed the way the table paints them: the mask (black
// where the picture goes, white where the table must show) is OR-ed in inverted, then the
// picture is AND-ed over it. A picture whose corners are white lets the table show there; a
// coloured corner comes out darkened by the table.

// The 55 x 101 card mask at the given scale: black but for the 32 cut-corner pixels (each a
// scala x scala block).
QImage MascheraCarta(int scala = 1);
// A black disc (or ellipse) on white filling a w x h picture, at the given scale.
QImage MascheraEllisse(int larghezza, int altezza, int scala = 1);

// Composes immagine through maschera over sotto (which gives the size): both are stretched to
// sotto's size. The result has sotto's size and no device pixel ratio.
QImage ComponiMascherata(const QImage& sotto, const QImage& maschera, const QImage& immagine);
