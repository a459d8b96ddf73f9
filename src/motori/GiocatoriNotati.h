#pragma once

#include <array>
#include <string>

#include "notazione/PartitaNotata.h"

class ManagerMotori;

// Who sits at each seat of a table, as a game's notation names them: the kind of player
// ("umano", "standard", "tattico", "esperto", "casuale") and a name, nomi[seat] where given,
// else the player's description.
std::array<GiocatoreNotato, 5> GiocatoriDelTavolo(const ManagerMotori& manager,
                                                  const std::array<std::string, 5>& nomi = {});
