#pragma once

#include <array>

#include "ia/Candidata.h"
#include "ia/GiocaCartaProbabilita.h"
#include "partita/AnalizzatorePartitaSemplice.h"
#include "partita/RegistroPartita.h"

class OsservatoreTattica;

// The scoring engine of one tactical decision: every card of the hand gets its trick value
// and its trump-control value, weighted by the coefficients, and the best total is played.
// Built afresh for each decision; it lives on the stack and allocates nothing.
class TatticaNuova {
public:
    // Raises the message of the first coefficient out of range (the object is not built).
    // osservatore, when given, hears each decision (the step window); without one, as for
    // another player's model of this one, no text is built.
    explicit TatticaNuova(const Coefficienti& coefficienti,
                          OsservatoreTattica* osservatore = nullptr);
    virtual ~TatticaNuova() = default;

    // The card the seat should play; the undefined card for an empty hand.
    virtual Carta Scegli(const RegistroPartita& registro, int giocatore);
    // Fills the candidate list, one per card of the hand in ascending card index.
    void ValutaCandidate(const RegistroPartita& registro, int giocatore);

    int NumeroCandidate() const { return numeroCandidate; }
    const Candidata& CandidataN(int i) const { return candidate[static_cast<std::size_t>(i)]; }
    // The pattern of the last evaluation (0..149).
    int Schema() const { return schema; }

private:
    Coefficienti coeff;
    AnalizzatorePartitaSemplice analizzatore;
    std::array<Candidata, 8> candidate{};
    int numeroCandidate = 0;
    int schema = 0;
    OsservatoreTattica* osservatore = nullptr;
};
