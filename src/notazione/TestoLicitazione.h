#pragma once

#include <string>
#include <string_view>

#include "partita/Chiamata.h"

// A bid as the notation writes it: "passo"; a bid on rank as the rank's letter of the card
// code ("A", "3", "R", ...); a points bid as its points ("75"); a bid that names a suit with
// the suit's letter after it ("3Q", "75P").
std::string TestoLicitazione(const Chiamata& chiamata);

// The bid a text names; raises "Licitazione non valida: ..." for anything else.
Chiamata LicitazioneDaTesto(std::string_view testo);
