#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <array>

#include "carte/Carta.h"

class RegistroPartita;
class TipoStoriaPartite;

// What one seat may know of a table, built from the table's record and history for that seat
// alone (posto -1: someone at the table without a seat), never from the whole record stripped
// afterwards: its own hand, every bid, the trump and the called card once named, the cards
// played face up, the tricks and the partner once the called card is seen.

// The game so far as seat posto would know it (the "partita" of a table's state).
QJsonObject VistaPartita(const RegistroPartita& registro, int posto, int numero);
// The series: games, totals, the last games, the statistics (the fields of "serie").
QJsonObject VistaSerie(const TipoStoriaPartite& storia);
// A card played in the game lies face down on the table (the first trick of the variant).
bool CartaCoperta(const RegistroPartita& registro, const Carta& carta);
// The partner once everyone has seen the called card; -1 before.
int SocioVisibile(const RegistroPartita& registro);
// A card as the seat sees it on the table: {"posto", "coperta", "carta" when it may see it}.
QJsonObject VistaCartaGiocata(const Carta& carta, bool coperta, int giocatore, int posto);
// Tricks taken by each seat.
std::array<int, 5> PreseGiocatori(const RegistroPartita& registro);
QJsonArray ArrayInteri(const std::array<int, 5>& valori);
