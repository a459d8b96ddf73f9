#pragma once

#include <cstdint>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "carte/InsiemeCarte.h"
#include "partita/RegistroPartita.h"

// What the deciding seat knows when it scores its cards, gathered once per decision. The
// card sets are kept as bit masks by card index (bit c = card c), so that every membership
// test inside the scoring loops costs one instruction.
struct SituazioneTattica {
    int io = 0;
    int chiamante = -1;
    // The partner as the deciding seat believes him, -1 when unknown.
    int socio = -1;
    int carteInTavola = 0;
    // The seat winning the trick and its card; -1 and the undefined card on an empty table.
    int vincitore = -1;
    Carta vincente;
    Briscola briscola;
    Carta cartaChiamata;
    // Cards the deciding seat has not seen, and its own hand.
    std::uint64_t ignote = 0;
    std::uint64_t mano = 0;
    int puntiTavola = 0;
    int mani = 0;

    // One pass over the record.
    static SituazioneTattica DaRegistro(const RegistroPartita& registro, int io, int socio);

    void ImpostaIgnote(const InsiemeCarte& carte) { ignote = Maschera(carte); }
    void ImpostaMano(const InsiemeCarte& carte) { mano = Maschera(carte); }

    bool Ignota(int indice) const { return ((ignote >> indice) & 1U) != 0; }
    bool InMano(int indice) const { return ((mano >> indice) & 1U) != 0; }
    bool DiBriscola(const Carta& carta) const { return carta.Seme == briscola.SemeGrezzo(); }
    // True when card x beats card y under this game's trump.
    bool Batte(const Carta& x, const Carta& y) const {
        return RegistroPartita::Confronta(y, x, briscola) > 0;
    }
    // The row of a card in the strength tables: 0..9 for a plain card, 10..19 for a trump.
    int Riga(const Carta& carta) const {
        return DiBriscola(carta) ? 10 + carta.ValoreGrezzo() : carta.ValoreGrezzo();
    }

    static std::uint64_t Maschera(const InsiemeCarte& carte);
};
