#pragma once

#include <QHash>
#include <QString>
#include <cstdint>

#include "rete/LimitiConnessione.h"

// The plain HTTP requests each address may make: a bucket per address, as for a connection's
// messages. Addresses whose bucket has filled up again are forgotten, so that the table stays
// small; past its size a new address is refused until old ones are forgotten.
class RichiestePerIndirizzo {
public:
    RichiestePerIndirizzo(int alSecondo, int raffica, int indirizziMassimi = 65536);

    // One request from that address at that time; false when it has spent its rate.
    bool Accetta(const QString& indirizzo, std::int64_t adessoMs);
    int Indirizzi() const { return static_cast<int>(secchi_.size()); }

private:
    struct Secchio {
        LimiteMessaggi limite;
        std::int64_t ultimaMs;
    };

    void Dimentica(std::int64_t adessoMs);

    int alSecondo_;
    int raffica_;
    int indirizziMassimi_;
    QHash<QString, Secchio> secchi_;
};
