#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "ia/GiocaCarta.h"
#include "partita/Chiamata.h"
#include "partita/Licitazione.h"

class StatoTavolo;

// What sits at one seat of the table and makes its three kinds of decision: the card, the
// bid, the trump. A computer engine only assembles a bidding strategy and a card strategy,
// which it owns; the derived engines differ in the strategies their constructors create.
class Motore {
public:
    // Raises "Identificativo del giocatore non valido" for a seat outside 0..4.
    explicit Motore(int giocatore);
    virtual ~Motore();

    Motore(const Motore&) = delete;
    Motore& operator=(const Motore&) = delete;

    virtual Carta ScegliCarta();
    virtual Chiamata Licita();
    virtual Briscola ScegliBriscola();
    // The card strategy's name, one blank and its detail; empty without a card strategy.
    virtual std::string Descrizione() const;
    // The card strategy's detail alone; empty without a card strategy.
    virtual std::string DettaglioStrategia() const;

    // The table whose record and generator its strategies read (not owned): the engine manager
    // seats every engine it is given.
    void Siedi(StatoTavolo& tavolo);

    int Giocatore() const { return giocatore; }
    bool Umano() const { return umano; }
    // The engine manager prepares the strategies after each deal.
    Licitazione* StrategiaLicitazione() const { return licitazione.get(); }
    GiocaCarta* StrategiaCarta() const { return giocaCarta.get(); }

protected:
    std::int32_t giocatore = 0;
    bool umano = false;
    std::unique_ptr<Licitazione> licitazione;
    std::unique_ptr<GiocaCarta> giocaCarta;
};
