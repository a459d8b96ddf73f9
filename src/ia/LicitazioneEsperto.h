#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "partita/Licitazione.h"

class GeneratoreCasuale;
class SimulatorePartita;

// The expert's bidding: at each turn it weighs passing against the next bid down the ladder,
// and against the jumps to 70 and 80 points that double and treble the stakes, by playing each
// to the end, the rest of the bidding and the game, over the deals its seat cannot tell apart.
// In those games the other seats bid as the standard bidder and play as their kind of player;
// its own later bids are the bold valuation's. Where other experts sit, who bid far more
// boldly than that, its games would misjudge the bidding: there it bids by the bold valuation,
// drawing the points of a points bid from the generator it is given (the table's). Its games
// draw from generators of their own. It names the trump as that valuation does: its best suit.
class LicitazioneEsperto final : public Licitazione {
public:
    // Strength the bold valuation adds to every hand.
    static constexpr int kAggiuntaForza = 40;
    // How much worse than a pass a bid's games may score and the bid still be made: its games
    // play its own cards by the standard rules, which underrate it most when it calls.
    static constexpr double kVantaggioOfferta = -1.0;

    // esperti: the seats of experts. generatore must outlive this bidder.
    LicitazioneEsperto(int giocatore, int budget, std::uint32_t seme,
                       std::shared_ptr<SimulatorePartita> simulatore, GeneratoreCasuale& generatore,
                       const std::array<bool, 5>& esperti = {});
    ~LicitazioneEsperto() override;

    void ValutaMano() override;
    Chiamata Licita() override;
    Briscola ScegliBriscola() override { return valutazione.ScegliBriscola(); }

    struct Offerta {
        Chiamata chiamata;
        // The average score of the seat's games after this bid.
        double media = 0.0;
    };
    struct Stima {
        // The average score of the seat's games after a pass.
        double passo = 0.0;
        // The next bid down the ladder, then the jumps, over the same deals; none when the
        // hand has no bid left.
        std::vector<Offerta> offerte;
    };
    Stima Valuta(const RegistroPartita& registro);
    // Where other experts sit, the points of a points bid are drawn from the table's
    // generator: that bid then needs a table.
    Chiamata LicitaDa(const RegistroPartita& registro);

    // The seats of experts, its own included.
    const std::array<bool, 5>& Esperti() const { return esperti; }

private:
    int budget;
    std::uint32_t seme;
    std::shared_ptr<SimulatorePartita> simulatore;
    GeneratoreCasuale& generatore;
    LicitazioneAPunti valutazione;
    std::array<bool, 5> esperti{};
    bool altriEsperti = false;
};
