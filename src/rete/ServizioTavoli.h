#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

#include "rete/OpzioniSala.h"

// What the listener hands the tables, and what it takes back: connections that open on a
// path's table code, their text messages, their end. The listener owns the sockets and the
// per-connection limits; the service owns the tables and decides everything of the game. Both
// live on one thread; no call blocks.
class ServizioTavoli : public QObject {
    Q_OBJECT
public:
    using IdConnessione = std::uint64_t;

    using QObject::QObject;
    ~ServizioTavoli() override = default;

    // A new connection, on the table code of its URL's path ("/ws/CODE"; empty for "/ws": a
    // connection that may create a table), from the given address (as trusted by the listener).
    virtual void Apri(IdConnessione connessione, const QString& codice,
                      const QString& indirizzo) = 0;
    // One text message of that connection, already within the frame and rate limits.
    virtual void Ricevi(IdConnessione connessione, const QString& testo) = 0;
    // The connection is gone, for whatever reason: its seat stays, a computer plays it.
    virtual void Chiudi(IdConnessione connessione) = 0;
    // The server stops: every table is saved and its players told.
    virtual void Arresta() = 0;

signals:
    // A text message for that connection.
    void Invia(ServizioTavoli::IdConnessione connessione, const QString& testo);
    // The service wants that connection closed (after the messages already sent), with a
    // reason for the log and the close frame.
    void Disconnetti(ServizioTavoli::IdConnessione connessione, const QString& motivo);
};

// The tables' service with these options (reopening the tables saved in its data folder).
std::unique_ptr<ServizioTavoli> CreaServizioTavoli(const OpzioniSala& opzioni,
                                                   QObject* padre = nullptr);
