#pragma once

#include <QByteArray>
#include <QString>

// The table a person last sat at, to come back to it: where, its code, the seat and the seat's
// token, and whether this machine hosted it. Kept by the window in a small file of five lines.
struct TavoloRicordato {
    QString server;
    QString codice;
    int posto = -1;
    QString gettone;
    // The table was hosted by this machine: coming back hosts it again first.
    bool ospitato = false;
    bool Valido() const { return !server.isEmpty() && !codice.isEmpty() && posto >= 0; }
};

// The file's text; anything that is not one of ours is no table (Valido() false).
TavoloRicordato TavoloRicordatoDaTesto(const QByteArray& testo);
QByteArray TestoTavoloRicordato(const TavoloRicordato& tavolo);
