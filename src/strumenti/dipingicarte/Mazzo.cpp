#include "Mazzo.h"

const std::array<Mazzo, 2>& Mazzi() {
    static const std::array<Mazzo, 2> mazzi{{
        {"Milanesi",
         Stile::Francese,
         {"Asso", "Due", "Tre", "Quattro", "Cinque", "Sei", "Sette", "Fante", "Donna", "Re"},
         {"A", "2", "3", "4", "5", "6", "7", "F", "D", "R"},
         {"Cuori", "Quadri", "Fiori", "Picche"},
         {"C", "Q", "F", "P"},
         QColor(150, 24, 36)},
        {"Napoletane",
         Stile::Italiano,
         {"Asso", "Due", "Tre", "Quattro", "Cinque", "Sei", "Sette", "Fante", "Cavallo", "Re"},
         {"A", "2", "3", "4", "5", "6", "7", "F", "C", "R"},
         {"Coppe", "Denari", "Bastoni", "Spade"},
         {"C", "D", "B", "S"},
         QColor(28, 52, 120)},
    }};
    return mazzi;
}

QByteArray DescrizioneMazzo(const Mazzo& mazzo) {
    QString testo;
    for (int i = 0; i < 10; ++i) {
        testo += QStringLiteral("C%1=%2\r\n").arg(i).arg(mazzo.nomiValori[static_cast<size_t>(i)]);
    }
    for (int i = 0; i < 10; ++i) {
        testo +=
            QStringLiteral("B%1=%2\r\n").arg(i).arg(mazzo.lettereValori[static_cast<size_t>(i)]);
    }
    for (int i = 0; i < 4; ++i) {
        testo += QStringLiteral("S%1=%2\r\n").arg(i).arg(mazzo.nomiSemi[static_cast<size_t>(i)]);
    }
    for (int i = 0; i < 4; ++i) {
        testo +=
            QStringLiteral("SB%1=%2\r\n").arg(i).arg(mazzo.lettereSemi[static_cast<size_t>(i)]);
    }
    return testo.toUtf8();
}
