#pragma once

#include <string>

#include "partita/RegistroPartita.h"
#include "partita/Ruoli.h"

// Tells a seat what the rules make public about the roles: the caller always, and every role
// once the partner is known (to everyone, or to the partner himself).
class AnalizzatorePartita {
public:
    virtual ~AnalizzatorePartita() = default;

    virtual Ruoli RuoliVisti(int giocatore, const RegistroPartita& registro);
    virtual std::string Descrizione() const { return {}; }
};
