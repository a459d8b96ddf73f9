#pragma once

#include "ia/GiocaCartaProbabilita.h"
#include "motori/Motore.h"

// The tactical computer player of the computer-only series: bids by hand value, plays by the
// weighted estimates of the trick and of the trumps.
class MotoreProbabilita final : public Motore {
public:
    explicit MotoreProbabilita(int giocatore, const Coefficienti& coefficienti = {});
};
