#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "rete/FinestraRete.h"
#include "rete/Protocollo.h"

// A table as the server keeps it across a restart: its code and settings, who sits where
// (only the hash of each person's token), the series, the generator, and the game in progress
// as the generator's state at its deal plus the decisions taken since, to be replayed.
struct TavoloSalvato {
    struct Posto {
        QString nome;
        // Empty when no person holds the seat.
        QString impronta;
    };

    QString codice;
    ImpostazioniTavolo impostazioni;
    int postoCreatore = -1;
    bool iniziata = false;
    std::array<Posto, 5> posti;
    // The series as a .bri file holds it.
    std::string storia;
    // The generator's state now and, for a game in progress, at its deal.
    std::string generatore;
    bool partitaInCorso = false;
    std::string generatoreAllaPartita;
    std::vector<DecisionePresa> decisioni;
};

// The saved table's file: a JSON object (see ScriviTavoloSalvato).
QByteArray ScriviTavoloSalvato(const TavoloSalvato& tavolo);
// Reads a saved table, checking every field (the series, the generator's states, each
// decision's form); raises Errore naming the first fault. The decisions are checked against
// the game when they are replayed.
TavoloSalvato LeggiTavoloSalvato(const QByteArray& byte);
