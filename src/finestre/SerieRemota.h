#pragma once

#include <functional>

#include "partita/TipoStoriaPartite.h"
#include "rete/MessaggioServer.h"

// A table's series as its server tells it, turned into a history of the window's places
// (locale gives the place of each table seat): the score panel then shows the whole series,
// games this window never saw included. Their card points and deals are not known. Raises
// Errore when the games listed do not end at the series' last.
TipoStoriaPartite StoriaDellaSerie(const SerieVista& serie, const std::function<int(int)>& locale);
