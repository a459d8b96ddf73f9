#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "partita/AnalizzatorePartita.h"

// Adds to the public roles a guess at the hidden partner: the seats that threw high cards
// onto tricks the caller was winning gain suspicion, those that overtook the caller with a
// trump lose it.
class AnalizzatorePartitaSemplice final : public AnalizzatorePartita {
public:
    Ruoli RuoliVisti(int giocatore, const RegistroPartita& registro) override;
    std::string Descrizione() const override;

    // The suspicion score of a seat in the last analysis.
    int Sospetto(int giocatore) const { return sospetto[static_cast<std::size_t>(giocatore)]; }

private:
    std::int32_t coeffAvversario = 10;
    std::int32_t coeffSocio = 10;
    std::array<std::int32_t, 5> sospetto{};

    void CalcolaSospetti(const RegistroPartita& registro);
};
