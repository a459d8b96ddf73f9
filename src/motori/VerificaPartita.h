#pragma once

#include <string>
#include <vector>

#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

// Checks a finished and scored game against the rules, from scratch: 40 cards played, each
// seat its own cards, one a trick, in turn; every trick taken by its winning card; 120 card
// points; the scores of the history's game numero as the scoring rule gives them for the bid,
// the caller's side's points and the roles; scores summing to 0. One line per violation;
// none for a sound game.
std::vector<std::string> VerificaPartita(const RegistroPartita& registro,
                                         const TipoStoriaPartite& storia, int numero);
