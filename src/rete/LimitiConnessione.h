#pragma once

#include <QHash>
#include <QString>
#include <cstdint>

// The messages a connection may send: a bucket that refills at a steady rate up to a short
// burst, so that a client may send a few at once but not keep a high rate.
class LimiteMessaggi {
public:
    LimiteMessaggi(int alSecondo, int raffica, std::int64_t adessoMs);

    // Takes one message's place at that time; false when the connection has spent its rate.
    bool Accetta(std::int64_t adessoMs);

private:
    double alSecondo_;
    double raffica_;
    double disponibili_;
    std::int64_t ultimoMs_;
};

// The connections open from each address, so that none can take the whole server.
class ConnessioniPerIndirizzo {
public:
    explicit ConnessioniPerIndirizzo(int massimo) : massimo_(massimo) {}

    // One more connection from that address; false (and nothing counted) past the limit.
    bool Prendi(const QString& indirizzo);
    // One connection of that address is gone.
    void Lascia(const QString& indirizzo);
    int Aperte(const QString& indirizzo) const { return aperte_.value(indirizzo); }

private:
    int massimo_;
    QHash<QString, int> aperte_;
};
