#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ia/GiocaCarta.h"

class RegistroPartita;
class SimulatorePartita;

// The expert's card choice: it draws the deals its seat cannot tell apart, weighed by what
// the bids and the play say of each hand, plays every card of its hand in each of them and
// the game on to its end with each seat played as the kind of player sitting there, and plays
// the card whose games score best for its seat. It reads only what its seat sees.
class GiocaCartaEsperto : public GiocaCarta {
public:
    // The budgets: games played to the end for each card of the hand, per decision. The
    // default keeps a first-trick decision under 40 ms on a desktop of 2026.
    static constexpr int kBudgetPredefinito = 160;
    static constexpr int kBudgetLeggero = 16;
    static constexpr int kBudgetPesante = 640;

    // seme makes the draws of this player differ from another's; the draws of a decision
    // also depend on everything the seat sees, and on nothing else.
    GiocaCartaEsperto(int giocatore, const std::string& fileRegole, int budget, std::uint32_t seme);
    ~GiocaCartaEsperto() override;

    Carta ScegliCarta() override;
    Carta ScegliCartaDa(const RegistroPartita& registro) override;
    std::string Nome() const override { return "Esperto"; }
    std::string Dettaglio() const override;

    struct Valutazione {
        Carta carta;
        double media = 0.0;
        // The card points its seat's side took in the same games, on average.
        double puntiSquadra = 0.0;
    };
    // Every card of the hand with the average score of its games, in card index order.
    std::vector<Valutazione> Valuta(const RegistroPartita& registro);

    // What the expert's weighing shares with whoever asks the same question (the hint):
    // deals drawn for each deal kept; the card points of a seat's side in a finished game;
    // how hard a card is to beat (any trump over any other suit, then rank); and one card
    // played now in every world, the simulator playing on, averaged for the seat.
    // (Worlds drawn for each kept, the weights choosing among them: sixteen read the other
    // seats' bids and play much better than two or eight, by about 0.27 a game; thirty-two
    // add little.)
    static constexpr int kCandidatiPerMondo = 16;
    static int PuntiDellaSquadra(const RegistroPartita& registro, int giocatore);
    static int Forza(const Carta& carta, const Briscola& briscola);
    static Valutazione ValutaNeiMondi(const std::vector<RegistroPartita>& mondi, const Carta& carta,
                                      SimulatorePartita& simulatore, int giocatore,
                                      const Briscola& briscola);

    int Budget() const { return budget; }

    // Which other seats are tactical players (the others play by the standard rules). Who sits
    // at the table is no secret: the expert plays each seat, in its weights and its games, as
    // that seat's kind of player plays.
    void ImpostaTattici(const std::array<bool, 5>& seggi);
    const std::array<bool, 5>& Tattici() const;

    // Its games and its model of the other seats, which the expert's bidding shares.
    std::shared_ptr<SimulatorePartita> Simulatore() const { return simulatore; }
    std::uint32_t Seme() const { return seme; }

private:
    int budget;
    std::uint32_t seme;
    std::shared_ptr<SimulatorePartita> simulatore;
};
