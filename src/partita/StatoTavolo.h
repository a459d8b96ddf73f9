#pragma once

#include <cstdint>

#include "comune/Casuale.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

class OsservatoreTattica;

// What every player and the game of one table read and write: the record of the game in
// progress, the series' history, the generator every draw of its games comes from, its
// seating and whoever watches its tactical players think. A table owns exactly one; nothing
// of it is shared with another table, so tables can be played side by side on one thread.
//
// The draws from the generator, in the order the games make them (a seed gives the same games
// only while this order stays): a new game's base seed (Partita), the deal (Distribuisci; the
// computer-only seatings reseed it first), the points of a points bid (LicitazioneAPunti, and
// the expert's bold bidding where other experts sit), a random player's card
// (GiocaCartaACaso), the noise of a rules file that has some (GiocaCartaRegoleNuovo), the
// third seating's redrawn tactical coefficients (GiocaCartaProbabilita), an expert's seed as
// it is created (MotoreEsperto), and the silent window's simulated person. The expert's card
// and its weighing of bids draw only from generators of their own, seeded from its seed and
// what its seat sees: those decisions can run on another thread. Every other decision that
// draws must run on the table's thread, in turn.
class StatoTavolo {
public:
    // seme seeds the generator; tipoGiocatori as ImpostaTipoGiocatori.
    explicit StatoTavolo(std::uint32_t seme = 5489u, int tipoGiocatori = 0);

    StatoTavolo(const StatoTavolo&) = delete;
    StatoTavolo& operator=(const StatoTavolo&) = delete;

    RegistroPartita registro;
    TipoStoriaPartite storia;
    GeneratoreTavolo generatore;
    // Not owned; none (nullptr) by default, and then the tactical players build no text.
    OsservatoreTattica* osservatore = nullptr;

    // 0 = people and computers, the deals drawn from the generator; 1, 2, 3 = the three
    // computer-only seatings, whose deals are reseeded and rotated. Raises for any other.
    int TipoGiocatori() const { return tipoGiocatori; }
    void ImpostaTipoGiocatori(int tipo);
    bool SoloComputer() const { return tipoGiocatori != 0; }

private:
    int tipoGiocatori = 0;
};

// The table a player of seat giocatore sits at; raises when it sits at none (a strategy that
// only plays the games of its owner's simulations).
StatoTavolo& TavoloDelGiocatore(StatoTavolo* tavolo, int giocatore);
