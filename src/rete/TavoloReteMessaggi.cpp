#include <QJsonArray>

#include "rete/TavoloRete.h"
#include "rete/VistaPosto.h"

// What a table tells: the seats, whose turn it is, the wait at a game's end, and the whole
// state as one connection may see it.

QJsonObject TavoloRete::MessaggioPosti() const {
    QJsonArray elenco;
    for (const Posto& posto : posti) {
        elenco.append(QJsonObject{{QStringLiteral("nome"), posto.nome},
                                  {QStringLiteral("persona"), posto.Persona()},
                                  {QStringLiteral("connesso"), posto.connessione != 0}});
    }
    return {{QStringLiteral("tipo"), QStringLiteral("posti")}, {QStringLiteral("posti"), elenco}};
}

QJsonObject TavoloRete::MessaggioTurno() const {
    const qint64 tempo = impostazioni.tempoTurno * qint64{1000};
    return {{QStringLiteral("tipo"), QStringLiteral("turno")},
            {QStringLiteral("posto"), postoAtteso},
            {QStringLiteral("cosa"), QLatin1String(NomeAttesa(cosaAttesa))},
            {QStringLiteral("tempoMs"),
             tempo > 0 ? std::max<qint64>(1, tempo - orologioTurno.elapsed()) : 0}};
}

QJsonObject TavoloRete::MessaggioAttesa() const {
    QJsonArray elenco;
    for (int posto : confermati) {
        elenco.append(posto);
    }
    return {{QStringLiteral("tipo"), QStringLiteral("attesa")},
            {QStringLiteral("confermati"), elenco},
            {QStringLiteral("tempoMs"),
             std::max<qint64>(0, opzioni.attesaFinePartitaMs - orologioFine.elapsed())}};
}

QJsonObject TavoloRete::MessaggioStato(IdConnessione connessione) const {
    const auto trovata = connessioni.find(connessione);
    const int posto = trovata != connessioni.end() ? trovata->second.posto : -1;
    const bool creatore = trovata != connessioni.end() &&
                          (trovata->second.creatore || (posto >= 0 && posto == postoCreatore));
    const StatoTavolo& stato = tavolo->Stato();
    QJsonValue partita;
    if (iniziata && tavolo->Driver().PartitaCorrente() != nullptr) {
        const int numero = stato.storia.numeroPartite - (fineAttesa ? 1 : 0);
        QJsonObject vista = VistaPartita(stato.registro, posto, numero);
        QJsonValue turno;
        if (postoAtteso >= 0) {
            QJsonObject messaggio = MessaggioTurno();
            messaggio.remove(QStringLiteral("tipo"));
            turno = messaggio;
        }
        vista.insert(QStringLiteral("turno"), turno);
        partita = vista;
    }
    QJsonValue attesa;
    if (fineAttesa) {
        QJsonObject messaggio = MessaggioAttesa();
        messaggio.remove(QStringLiteral("tipo"));
        attesa = messaggio;
    }
    return {{QStringLiteral("tipo"), QStringLiteral("stato")},
            {QStringLiteral("codice"), codice},
            {QStringLiteral("nome"), impostazioni.nome},
            {QStringLiteral("manoAlBuio"), impostazioni.manoAlBuio},
            {QStringLiteral("computer"), NomeComputer(impostazioni.computer)},
            {QStringLiteral("tempoTurno"), impostazioni.tempoTurno},
            {QStringLiteral("suggerimenti"), impostazioni.suggerimenti},
            {QStringLiteral("posto"), posto},
            {QStringLiteral("creatore"), creatore},
            {QStringLiteral("iniziata"), iniziata},
            {QStringLiteral("posti"), MessaggioPosti().value(QStringLiteral("posti"))},
            {QStringLiteral("serie"), VistaSerie(stato.storia)},
            {QStringLiteral("partita"), partita},
            {QStringLiteral("attesa"), attesa}};
}
