#pragma once

#include <array>
#include <cstdint>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "partita/Chiamata.h"

// The record of the game in progress: the deal, the bidding, every card played, the table
// and the tricks taken. The game state machine alone writes a table's record; everyone else
// reads it or takes a copy, so it is a plain value with no heap.
class GeneratoreCasuale;

class RegistroPartita {
public:
    // Written directly by the game state machine.
    std::int8_t chiamante = -1;
    Chiamata chiamata;
    Briscola briscola;
    std::int8_t turno = 0;
    std::uint8_t primaManoCoperta = 0;

    RegistroPartita();

    // Shuffles and deals a new game with the table's generator.
    void Distribuisci(GeneratoreCasuale& generatore);
    // Deals a chosen game: card index c goes to seat seggioPerCarta[c]; otherwise as
    // Distribuisci. Raises, changing nothing, unless every seat gets exactly eight cards.
    void DistribuisciMani(const std::array<int, 40>& seggioPerCarta);
    // Swaps what the record says of two cards: whoever was dealt one was dealt the other, and
    // where one was played the other was. A world that differs from this one only in hidden
    // cards is this record with some cards swapped.
    void ScambiaCarte(int a, int b);
    // This game as it stood when the first card was led: the same deal, bids and trump
    // (none yet in a face-down first trick), every card back in its hand, the first bidder to
    // lead.
    RegistroPartita InizioDelGioco() const;
    // Shifts the whole deal by k seats.
    void RuotaDistribuzione(int k);
    // Each accepted bid is higher than the last and each seat passes once: at most 70 bids
    // and 5 passes.
    static constexpr int kMassimoLicitazioni = 75;

    // Records a bid or a pass as the game accepted it, and who made it; raises, changing
    // nothing, past kMassimoLicitazioni.
    void RegistraLicitazione(int giocatore, const Chiamata& chiamata);
    // Records a card played; raises "Carta già giocata!" when it is not in a hand.
    void RegistraGiocata(const Carta& carta);
    // The cards on the table go to seat; without argument, to the trick's winner.
    void RaccogliPresa(int giocatore);
    void RaccogliPresa();
    void ImpostaTurno(int giocatore);
    bool InLicitazione() const;
    void ImpostaInLicitazione(bool inGioco);

    int ManiComplete() const;
    int CarteInTavola() const { return carteInTavola; }
    int NumeroCarteGiocate() const { return numeroGiocate; }
    bool PartitaFinita() const { return numeroGiocate >= 40; }
    int GiocatoriInLicitazione() const;
    int PuntiGiocatore(int giocatore) const;
    int PuntiChiamante() const;
    bool ChiamanteVincente() const;
    int PuntiInTavola() const;
    Carta CartaChiamata() const;
    int Socio() const;
    int SocioPalese() const;
    int ChiHaGiocato(const Carta& carta) const;
    Carta CartaInTavola(int i) const;
    // Read in every decision of the computer players: defined here so that their loops inline
    // them.
    void CartaGiocata(int n, int& giocatore, Carta& carta) const {
        if (n < 0 || n >= numeroGiocate) {
            giocatore = -1;
            carta = CartaIndefinita;
            return;
        }
        const int c = sequenza[static_cast<std::size_t>(n)];
        giocatore = distribuzione[static_cast<std::size_t>(c)];
        carta = Carta::DaIndice(c);
    }
    void CartaGiocata(int mano, int posizione, int& giocatore, Carta& carta) const;
    Carta CartaGiocata(int n) const {
        if (n < 0 || n >= numeroGiocate) {
            return CartaIndefinita;
        }
        return Carta::DaIndice(sequenza[static_cast<std::size_t>(n)]);
    }
    Carta CartaInMano(int giocatore, int k) const;
    Carta CartaDistribuita(int giocatore, int k) const;
    bool HaGiocatoInMano(int giocatore) const;
    // The bids and passes of this game in order, as every seat heard them.
    int NumeroLicitazioni() const { return numeroLicitazioni; }
    // The n-th bid (the pass value for a pass) and its seat; the no-bid value and -1 outside.
    Chiamata LicitazioneN(int n, int& giocatore) const;

    // Positive when card b beats card a under the given trump: a higher card of the same
    // suit, or a trump over a card of another suit. The one rule by which a card beats another.
    // Inline: the players' scoring loops compare cards by the hundred per decision.
    static int Confronta(const Carta& a, const Carta& b, const Briscola& briscola) {
        if (b == CartaIndefinita) {
            return -1;
        }
        if (a == CartaIndefinita) {
            return 1;
        }
        if (a.Seme == b.Seme) {
            return b.ValoreGrezzo() - a.ValoreGrezzo();
        }
        if (b.Seme == briscola.SemeGrezzo()) {
            return 1;
        }
        return -1;
    }

    Carta CartaVincente() const;
    int VincitoreMano() const;
    int SuperaVincente(const Carta& carta, const Briscola& briscola) const;
    bool SuperaVincenteCon(const Carta& carta, const Briscola& briscola) const;
    bool SuperaVincente(const Carta& carta) const;

    // Read-only views by card index, for fast scans.
    bool InMano(int indice) const { return inMano[static_cast<std::size_t>(indice)] != 0; }
    bool InTavola(int indice) const { return inTavola[static_cast<std::size_t>(indice)] != 0; }
    int Distribuzione(int indice) const { return distribuzione[static_cast<std::size_t>(indice)]; }
    int Possessore(int indice) const { return possessore[static_cast<std::size_t>(indice)]; }
    // The cards still in a seat's hand, as bits by card index (bit c for card c).
    std::uint64_t ManoInBit(int giocatore) const {
        std::uint64_t mano = 0;
        for (std::size_t c = 0; c < 40; ++c) {
            if (inMano[c] != 0 && distribuzione[c] == giocatore) {
                mano |= std::uint64_t{1} << c;
            }
        }
        return mano;
    }

    // Every field equal, the bid's suit included.
    friend bool operator==(const RegistroPartita& a, const RegistroPartita& b);

private:
    std::array<std::int8_t, 40> sequenza{};
    std::int8_t numeroGiocate = 0;
    std::array<std::int8_t, 40> distribuzione;
    std::array<std::int8_t, 40> possessore;
    std::array<std::uint8_t, 40> inMano{};
    std::array<std::uint8_t, 40> inTavola{};
    // How many of inTavola are set, kept with it: the players ask at every decision.
    std::int8_t carteInTavola = 0;
    std::array<std::uint8_t, 5> inLicitazione;
    // A bid is kept as its rank (0..9), its points (61..120) or kCodicePasso.
    static constexpr std::uint8_t kCodicePasso = 255;
    std::int8_t numeroLicitazioni = 0;
    std::array<std::uint8_t, kMassimoLicitazioni> licitazioni{};
    std::array<std::int8_t, kMassimoLicitazioni> licitatori{};

    // The part of a deal after the cards have their seats in possessore.
    void IniziaPartitaDistribuita();
};

// A deal drawn fairly (every deal equally likely) with a generator of the caller's own, for
// DistribuisciMani: the seat of each card index.
std::array<int, 40> DistribuzioneCasuale(GeneratoreCasuale& generatore);
