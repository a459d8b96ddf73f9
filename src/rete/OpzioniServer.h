#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include "rete/LimitiRete.h"
#include "rete/OpzioniSala.h"

// The command line of pentaludo-server.
struct OpzioniServer {
    static constexpr quint16 kPortaPredefinita = 7750;

    QHostAddress indirizzo{QHostAddress::Any};
    quint16 porta = kPortaPredefinita;
    // Both or neither: the server then speaks TLS (wss://).
    QString certificato;
    QString chiave;
    // The browser page's folder; empty: the one that ships with the program.
    QString pagina;
    // Empty: the platform's data folder, chosen by the program.
    OpzioniSala sala;
    LimitiRete limiti;
    bool aiuto = false;
};

// Reads the arguments (the program's name excluded). Throws Errore naming the bad option.
OpzioniServer LeggiOpzioniServer(const QStringList& argomenti);

// The text of --aiuto.
QString AiutoServer();

// Whether only the machine itself or a private network can reach that address, so that plain
// WebSocket without TLS is no risk there.
bool IndirizzoLocale(const QHostAddress& indirizzo);
