#pragma once

#include <string>
#include <string_view>

#include "carte/Carta.h"

// The one card code that travels outside the program (network messages, written games): two
// characters, rank then suit, the same whatever card set the window shows.
//   rank: A 2 3 4 5 6 7 F C R  (Asso, Due, Tre, ..., Sette, Fante, Cavallo/Donna, Re)
//   suit: C Q F P              (seme 0..3: Cuori, Quadri, Fiori, Picche)
// So "AC" is the ace of suit 0, "3P" the three of suit 3, "RQ" the king of suit 1.

// The code of a defined card ("AC"). Raises "Carta Indefinita" for the undefined card.
std::string CodiceCarta(const Carta& carta);

// The card a code names; raises "Codice di carta sconosciuto: ..." for anything else (case
// matters, no spaces).
Carta CartaDaCodice(std::string_view codice);

// The suit's letter ("C", "Q", "F", "P"), and back; raises for anything else.
std::string CodiceSeme(int seme);
int SemeDaCodice(std::string_view codice);
