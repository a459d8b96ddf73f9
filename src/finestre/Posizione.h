#pragma once

class QWidget;

// Puts a top-level window, frame included, in the middle of the available area of its screen
// (of the primary screen when it has none yet).
void Centra(QWidget& finestra);
