#pragma once

class QLocale;

// Loads Qt's own translation of its dialogs and buttons (Yes/No, the file dialog) for the
// language of lingua, replacing the one loaded before; false when Qt has none for it, and
// then Qt's texts stay as they are.
bool CaricaTraduzioniQt(const QLocale& lingua);

// The language of the window for the choice of the options (0 the system's, 1 Italian,
// 2 English): the system's is English when its language is English, Italian for any other
// and for the C locale.
QLocale LinguaFinestra(int scelta, const QLocale& sistema);

// Shows the window's texts, and Qt's own, in the language of lingua (English, or else Italian,
// the texts' own), in place of the one before; windows made afterwards use it.
void ImpostaLingua(const QLocale& lingua);

// True while the window's texts are shown in English.
bool LinguaInglese();
