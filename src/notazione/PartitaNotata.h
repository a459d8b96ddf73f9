#pragma once

#include <array>
#include <string>
#include <vector>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "partita/Chiamata.h"

class RegistroPartita;

// Who sat at a seat: a kind ("umano", "standard", "tattico", "esperto", "casuale": one word)
// and a name, shown as it is (one line of text).
struct GiocatoreNotato {
    std::string tipo;
    std::string nome;

    friend bool operator==(const GiocatoreNotato&, const GiocatoreNotato&) = default;
};

// A bid or a pass, and its seat. A bid may name a suit (the window's person can).
struct LicitazioneNotata {
    int giocatore = -1;
    Chiamata chiamata;

    friend bool operator==(const LicitazioneNotata& a, const LicitazioneNotata& b) {
        return a.giocatore == b.giocatore && a.chiamata == b.chiamata &&
               a.chiamata.Seme == b.chiamata.Seme;
    }
};

// A trick: who led it and its five cards in the order they were played.
struct PresaNotata {
    int primo = -1;
    std::array<Carta, 5> carte{};

    friend bool operator==(const PresaNotata&, const PresaNotata&) = default;
};

// One finished game as the notation holds it: enough to play it again card by card.
struct PartitaNotata {
    // The game's number in its series (from 0).
    long long numero = 0;
    std::array<GiocatoreNotato, 5> giocatori;
    bool manoAlBuio = false;
    // The seat each card index was dealt to.
    std::array<int, 40> distribuzione{};
    std::vector<LicitazioneNotata> licitazioni;
    Briscola briscola;
    Carta chiamata;
    std::array<PresaNotata, 8> prese{};
    std::array<int, 5> punteggi{};

    friend bool operator==(const PartitaNotata&, const PartitaNotata&) = default;
};

// The notation of a finished game from its record (a name's line breaks become blanks).
// Raises when the game is not over.
PartitaNotata NotaPartita(const RegistroPartita& registro,
                          const std::array<GiocatoreNotato, 5>& giocatori, long long numero = 0);

// The game as text, ending with a line break; a series is its games one after the other.
std::string TestoPartita(const PartitaNotata& partita);

// The text of a finished game straight from its record, for whoever keeps a series' games.
std::string NotazionePartita(const RegistroPartita& registro,
                             const std::array<GiocatoreNotato, 5>& giocatori, long long numero = 0);

// The first lines of a file of games: what it is.
std::string IntestazioneNotazione();
