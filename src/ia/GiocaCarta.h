#pragma once

#include <cstdint>
#include <string>

#include "carte/Briscola.h"
#include "carte/Carta.h"

class RegistroPartita;
class StatoTavolo;

// A card-choice strategy: picks the card its seat plays, from its table's record.
class GiocaCarta {
public:
    explicit GiocaCarta(int giocatore) : giocatore(giocatore) {}
    virtual ~GiocaCarta() = default;

    // After each deal the trump is forgotten, then set to the suit the seat's bidding
    // strategy would name.
    virtual void AzzeraBriscola() { briscola = BriscolaIndefinita; }
    virtual Carta ScegliCarta() = 0;
    // The card this seat would play if the game stood as in registro, a record the caller
    // owns (a simulation's); the table's record is not read. Raises for a strategy that can
    // only read the table's record.
    virtual Carta ScegliCartaDa(const RegistroPartita& registro);
    virtual std::string Nome() const = 0;
    virtual std::string Dettaglio() const { return {}; }

    // The table whose record ScegliCarta reads and whose generator every draw comes from (not
    // owned); set by the table's engine manager.
    virtual void Siedi(StatoTavolo& tavolo) { this->tavolo = &tavolo; }

    void ImpostaBriscola(const Briscola& seme) { briscola = seme; }
    const Briscola& BriscolaPrevista() const { return briscola; }
    int Giocatore() const { return giocatore; }

protected:
    std::int32_t giocatore;
    Briscola briscola;
    StatoTavolo* tavolo = nullptr;

    // Raises when the strategy sits at no table.
    StatoTavolo& Tavolo() const;
};

// Plays a card drawn uniformly from those left in the hand; the fall-back of the real players.
class GiocaCartaACaso : public GiocaCarta {
public:
    using GiocaCarta::GiocaCarta;

    // Both read the record through ScegliCartaDa; the card is drawn with the table's
    // generator.
    Carta ScegliCarta() override;
    Carta ScegliCartaDa(const RegistroPartita& registro) override;
    std::string Nome() const override { return "Gioca a Caso"; }
};
