#pragma once

#include <string>

#include "analisi/AnalisiPartita.h"

// A choice as the notation writes it: a bid ("passo", "3", "75"), a suit letter, a card code.
std::string TestoAlternativa(const Alternativa& alternativa, TipoDecisione tipo);

// What a decision was: "licitazione", "briscola", or "presa N" (from 1) for a card.
std::string TestoDecisione(const DecisioneAnalizzata& decisione);

// An analysis as a table, one row a decision and its total, and as a JSON object.
std::string TabellaAnalisi(const AnalisiGiocatore& analisi);
std::string JsonAnalisi(const AnalisiGiocatore& analisi);
