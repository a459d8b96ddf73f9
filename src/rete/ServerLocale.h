#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <memory>

#include "rete/Ascoltatore.h"
#include "rete/OpzioniSala.h"
#include "rete/ServizioTavoli.h"

// The tables' server run inside the game, so that friends can join the table this machine
// hosts: the same service and listener as pentaludo-server, on one port of every address.
class ServerLocale {
public:
    // Listens on porta, or on a free port when that one is taken; raises Errore when it cannot
    // listen at all. With a certificate and its private key (PEM files) it speaks only TLS;
    // one that cannot be read raises Errore before anything listens.
    ServerLocale(const OpzioniSala& opzioni, quint16 porta, const QString& certificato = {},
                 const QString& chiave = {});
    ~ServerLocale();

    quint16 Porta() const { return ascoltatore->Porta(); }
    bool Sicuro() const { return ascoltatore->Sicuro(); }
    // The addresses friends can reach it at: this machine's own, the local network's first.
    static QList<QHostAddress> IndirizziMacchina();
    // Saves its tables and tells their players, as the server does when it stops; then takes
    // no more connections.
    void Arresta();

private:
    std::unique_ptr<ServizioTavoli> servizio;
    std::unique_ptr<Ascoltatore> ascoltatore;
    bool arrestato = false;
};
