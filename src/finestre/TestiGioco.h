#pragma once

#include <QString>

#include <string>

class Carta;
struct Chiamata;
class NomiCarte;

// The game's texts for display, built here from the core's values so that they follow the
// window's language; the card names themselves are the card set's own.

// "Asso di Cuori"; the rank alone without a suit, " di Cuori" for a suit alone.
QString TestoCarta(const Carta& carta, const NomiCarte& nomi);
// "Due di Quadri al 70": the card, and the points only above 60.
QString TestoChiamata(const Chiamata& chiamata, const NomiCarte& nomi);
// A seat's player type as the core describes it ("Esperto 300 partite per carta"), in the
// window's language; a description it does not know stays as it is.
QString TestoTipoGiocatore(const std::string& descrizione);
