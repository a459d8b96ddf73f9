#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "carte/Briscola.h"
#include "carte/Carta.h"

class GeneratoreCasuale;
class GiocaCartaRegoleNuovo;
class RegistroPartita;

// Plays games forward on records of its own, every seat played by the standard player's rules
// or, for the seats known to be tactical players, by the tactical player's: the playouts of the
// expert and its model of how the other seats play. It reads and writes no process-wide object
// and draws nothing.
class SimulatorePartita {
public:
    // Reads the rules file; raises as the standard player does.
    explicit SimulatorePartita(const std::string& fileRegole);
    ~SimulatorePartita();
    SimulatorePartita(const SimulatorePartita&) = delete;
    SimulatorePartita& operator=(const SimulatorePartita&) = delete;

    // Plays registro (the bidding over) to its end and returns the five scores. A trump still
    // to name is the caller's best suit by hand value, or briscolaDi when he is seggio.
    std::array<int, 5> GiocaFinoAllaFine(RegistroPartita& registro, int seggio = -1,
                                         const Briscola& briscolaDi = BriscolaIndefinita);

    // Plays the rest of the bidding in registro, then the game as GiocaFinoAllaFine, every
    // caller naming its best suit. Every seat bids as the standard bidder with aggiunte[seat]
    // more strength, and a points bid draws its points from generatore. A seat left last with
    // no bid standing bids: a pass there would leave nobody to call.
    std::array<int, 5> GiocaDallaLicitazione(RegistroPartita& registro,
                                             const std::array<int, 5>& aggiunte,
                                             GeneratoreCasuale& generatore);

    // The card the standard player at seat giocatore would play in registro, where the seat
    // values its hand as dealt for its trump in a face-down first trick.
    Carta CartaStandard(const RegistroPartita& registro, int giocatore);

    // The card the tactical player (its usual coefficients) would play in registro.
    static Carta CartaTattica(const RegistroPartita& registro, int giocatore);

    // The seats played as the tactical player; the others play as the standard one.
    void ImpostaTattici(const std::array<bool, 5>& seggi) { tattici = seggi; }
    const std::array<bool, 5>& Tattici() const { return tattici; }
    // The card the model of seat giocatore plays in registro.
    Carta CartaModello(const RegistroPartita& registro, int giocatore) {
        return tattici[static_cast<std::size_t>(giocatore)] ? CartaTattica(registro, giocatore)
                                                            : CartaStandard(registro, giocatore);
    }

    // The suit of highest value among the cards dealt to seat, as the standard bidder values
    // them (ties to the lower suit), and that value.
    static int SemeMigliore(const RegistroPartita& registro, int giocatore, int* somma = nullptr);

private:
    std::unique_ptr<GiocaCartaRegoleNuovo> regole;
    // The rules' score depends on the predicates alone, and playouts meet the same few
    // thousand sets of predicates over and over: the scores are remembered, each set in one
    // place of a table given by its bits.
    struct Ricordo {
        std::uint64_t vere = 0;
        double valore = 0.0;
        bool valido = false;
    };
    std::vector<Ricordo> ricordi;
    std::array<bool, 5> tattici{};

    double Valore(std::uint64_t vere);
};
