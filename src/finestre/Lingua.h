#pragma once

class QLocale;

// Loads Qt's own translation of its dialogs and buttons (Yes/No, the file dialog) for the
// language of lingua, replacing the one loaded before; false when Qt has none for it, and
// then Qt's texts stay as they are.
bool CaricaTraduzioniQt(const QLocale& lingua);
