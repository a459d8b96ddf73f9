#pragma once

#include <array>
#include <cstdint>

#include "carte/Briscola.h"
#include "partita/Chiamata.h"

class GeneratoreCasuale;
class RegistroPartita;
class StatoTavolo;

// The value of a card of rank valore (0..9) in a hand being bid on.
int ValoreInLicitazione(int valore);

// A computer's bidding strategy: values the hand at the deal, bids, names the trump.
class Licitazione {
public:
    explicit Licitazione(int giocatore) : Giocatore(giocatore) {}
    virtual ~Licitazione() = default;

    virtual void ValutaMano() = 0;
    virtual Chiamata Licita() = 0;
    virtual Briscola ScegliBriscola() = 0;

    // The table whose record and generator ValutaMano and Licita read (not owned); set by the
    // table's engine manager.
    void Siedi(StatoTavolo& tavolo) { this->tavolo = &tavolo; }

    std::int32_t Giocatore;

protected:
    // Raises when the strategy sits at no table.
    StatoTavolo& Tavolo() const;

private:
    StatoTavolo* tavolo = nullptr;
};

// Values each suit of the hand, bids down the ladder as far as the strength of its best suit
// allows (skipping ranks whose card of that suit it holds), and names that suit as trump.
class LicitazioneAPunti final : public Licitazione {
public:
    // aggiuntaForza is added to the strength of every hand: a bolder bidder for a player
    // that plays its hands better than the standard one.
    explicit LicitazioneAPunti(int giocatore, int aggiuntaForza = 0)
        : Licitazione(giocatore), aggiuntaForza(aggiuntaForza) {}

    void ValutaMano() override;
    Chiamata Licita() override;
    Briscola ScegliBriscola() override { return Briscola(semeMigliore); }

    // The same on a record of one's own, drawing the points of a points bid from generatore:
    // the bidder as the expert's games play it.
    void ValutaManoDa(const RegistroPartita& registro);
    Chiamata LicitaDa(const RegistroPartita& registro, GeneratoreCasuale& generatore) const;
    // The next bid down the ladder from the standing one, skipping the ranks whose card of the
    // best suit the hand holds; the pass value when there is none.
    Chiamata Gradino(const RegistroPartita& registro) const;
    // chiamata, unless it is a pass the game would refuse (the last seat in the bidding with no
    // bid standing): then the next bid down the ladder.
    Chiamata Ammessa(const RegistroPartita& registro, const Chiamata& chiamata) const;

    int SommaSeme(int seme) const { return sommaSeme[static_cast<std::size_t>(seme)]; }
    int Forza() const { return forza; }
    int SemeMigliore() const { return semeMigliore; }

private:
    std::array<std::int32_t, 4> sommaSeme{};
    std::int32_t forza = 0;
    std::int32_t semeMigliore = 0;
    std::int32_t aggiuntaForza = 0;

    bool HoCarta(const RegistroPartita& registro, int valore) const;
    // True when card indice was dealt to this seat and is still in its hand.
    bool InManoMia(const RegistroPartita& registro, int indice) const;
    Chiamata Massimo(Chiamata& corrente, bool hoDue, GeneratoreCasuale& generatore) const;
};
