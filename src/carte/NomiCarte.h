#pragma once

#include <string>
#include <string_view>

// The process-wide names of ranks and suits. Rank tables are in face order (Asso, Due, Tre,
// ..., Re: see kIndiceFaccia); a card set's Carte.ini may rename them.

// Rank name (or letter, when breve) by face index 0..9; empty outside.
const std::string& NomeValore(int faccia, bool breve);
// Suit name (or letter, when breve) by suit 0..3; empty outside.
const std::string& NomeSeme(int seme, bool breve);

// Loads the tables from a Carte.ini (keys C0..C9, B0..B9, S0..S3, SB0..SB3; a key the file
// lacks empties its entry). A file that cannot be read, or is not a regular file, keeps every
// name; returns false then, with the reason in motivo when given ("non è un file regolare").
bool CaricaNomiCarte(const std::string& percorso, std::string* motivo = nullptr);

// The same from the bytes of such a file (UTF-8 or Windows-1252); every text is accepted.
void CaricaNomiCarteDaByte(std::string_view byte);

// Back to the built-in Italian names.
void RipristinaNomiCarte();
