#pragma once

#include <string>

class QWidget;
class TipoStoriaPartite;

// "Salva Partita" and "Carica Partita": the series of games so far (the history, never the
// game on the table) to and from a .bri file chosen by the user. Every failure is told to the
// user; a failed load leaves the series as it was.

// True when the series was written.
bool SalvaSerie(QWidget* padre, const TipoStoriaPartite& storia);
// True when a series was read and replaced storia.
bool CaricaSerie(QWidget* padre, TipoStoriaPartite& storia);

// "Esporta partite…": the notation of the session's games (testo) to a text file chosen by the
// user, written as a whole or not at all. True when it was written.
bool EsportaPartite(QWidget* padre, const std::string& testo);
