#pragma once

#include <QColor>
#include <QImage>

// The faces of the bidding panel's buttons, drawn by the program at the scale asked for (1, or
// 2 for screens scaled above 100%) with the ratio set so they lay out at their normal size.
// Each face is white outside its shape, so that drawn through its mask the table shows there.

// A shaded disc in a lato x lato picture, filling the 48 x 48 round mask from the corner; when
// premuto it looks pressed in (light from below, a darker body).
QImage DisegnaDisco(const QColor& colore, int lato, bool premuto, int scala);
// A shaded oval filling an 80 x 23 picture (the pass buttons).
QImage DisegnaOvale(const QColor& colore, bool premuto, int scala);
// A suit symbol (0 Cuori, 1 Quadri, 2 Fiori, 3 Picche), 26 x 26 on a see-through ground: what
// the suit buttons show until a card set gives its own pictures.
QImage DisegnaSeme(int seme, int scala);

// The picture, drawn at the given scale, placed unscaled in the corner of a white w x h picture
// of that scale: how a face or a mask smaller or larger than its paint box is drawn without
// stretching.
QImage InRiquadro(const QImage& immagine, int larghezza, int altezza, int scala);
