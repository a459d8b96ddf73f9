#pragma once

#include <QColor>
#include <QString>

#include <array>

// The two card sets we paint: French suits (the default) and Italian suits.
enum class Stile { Francese, Italiano };

struct Mazzo {
    QString cartella;
    Stile stile;
    std::array<QString, 10> nomiValori; // face order: Asso, Due, ..., Re
    std::array<QString, 10> lettereValori;
    std::array<QString, 4> nomiSemi;
    std::array<QString, 4> lettereSemi;
    QColor coloreDorso;
};

const std::array<Mazzo, 2>& Mazzi();

// Carte.ini of the set: the keys the game reads for its names, one a line, CR LF, UTF-8.
QByteArray DescrizioneMazzo(const Mazzo& mazzo);
