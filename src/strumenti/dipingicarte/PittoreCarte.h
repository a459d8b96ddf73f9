#pragma once

#include <QImage>

#include "Mazzo.h"

// Card pictures are 55 x 101 and the suit pictures of the bidding panel 26 x 27; scala 2
// paints them natively at twice the size for high-density screens.
inline constexpr int kLarghezzaCarta = 55;
inline constexpr int kAltezzaCarta = 101;
inline constexpr int kLarghezzaSeme = 26;
inline constexpr int kAltezzaSeme = 27;

// The cut corners of a card (32 pixels at 1x): the game paints them with the table's colour,
// so every card picture leaves them white.
bool AngoloTagliato(int x, int y);

// faccia in face order: 0 Asso, 1 Due, ..., 6 Sette, 7 Fante, 8 Donna (Cavallo), 9 Re.
QImage DipingiFaccia(const Mazzo& mazzo, int seme, int faccia, int scala);
QImage DipingiDorso(const Mazzo& mazzo, int scala);
QImage DipingiSeme(const Mazzo& mazzo, int seme, int scala);

// Black with white cut corners, as the game composes a card over the table.
QImage MascheraCarta(int scala);
