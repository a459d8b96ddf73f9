#pragma once

class RegistroPartita;

// How likely the bids, the passes and the trump named in mondo are if every seat but giocatore
// bid as the standard bidder: a relative weight, 1 for full agreement, lowered softly for each
// disagreement, since the other seats need not be standard bidders.
double PesoLicitazione(const RegistroPartita& mondo, int giocatore);
