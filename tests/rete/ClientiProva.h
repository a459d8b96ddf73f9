#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "rete/SalaTavoli.h"

// Test clients of the tables' service, without sockets: every message the service sends to a
// connection is captured, parsed and kept; a client answers its turns with a legal choice
// taken only from what it was sent.
class PostaProva {
public:
    using Id = ServizioTavoli::IdConnessione;
    // Called for every message as it is sent (the connection, its raw text).
    std::function<void(Id, const QString&)> osservatore;

    explicit PostaProva(ServizioTavoli& servizio) { Collega(servizio); }
    void Collega(ServizioTavoli& servizio) {
        QObject::connect(&servizio, &ServizioTavoli::Invia, &servizio,
                         [this](Id connessione, const QString& testo) {
                             if (osservatore) {
                                 osservatore(connessione, testo);
                             }
                             grezzi[connessione].push_back(testo);
                             ricevuti[connessione].push_back(
                                 QJsonDocument::fromJson(testo.toUtf8()).object());
                         });
        QObject::connect(&servizio, &ServizioTavoli::Disconnetti, &servizio,
                         [this](Id connessione, const QString&) { congedati.insert(connessione); });
    }

    std::map<Id, std::vector<QJsonObject>> ricevuti;
    std::map<Id, std::vector<QString>> grezzi;
    std::set<Id> congedati;
};

class ClienteProva {
public:
    using Id = ServizioTavoli::IdConnessione;

    ClienteProva(ServizioTavoli& servizio, PostaProva& posta, Id id, const QString& percorso)
        : servizio(&servizio), posta(&posta), id(id) {
        servizio.Apri(id, percorso, QStringLiteral("127.0.0.1"));
    }

    void Manda(const QJsonObject& messaggio) {
        servizio->Ricevi(id, QString::fromUtf8(QJsonDocument(messaggio).toJson()));
    }
    void MandaTesto(const QString& testo) { servizio->Ricevi(id, testo); }
    void Ciao() { Manda({{"tipo", "ciao"}, {"versione", 1}}); }
    void Siedi(int p, const QString& nome) {
        Manda({{"tipo", "siedi"}, {"posto", p}, {"nome", nome}});
        const QJsonObject seduto = Ultimo("seduto");
        posto = seduto.value("posto").toInt(-1);
        if (seduto.contains("gettone")) {
            gettone = seduto.value("gettone").toString();
        }
    }
    void Esci() { servizio->Chiudi(id); }

    const std::vector<QJsonObject>& Messaggi() const { return posta->ricevuti[id]; }
    // The last message of that kind, or an empty object.
    QJsonObject Ultimo(const QString& tipo) const {
        const auto& tutti = Messaggi();
        for (auto it = tutti.rbegin(); it != tutti.rend(); ++it) {
            if (it->value("tipo").toString() == tipo) {
                return *it;
            }
        }
        return {};
    }
    int Conta(const QString& tipo) const {
        int n = 0;
        for (const QJsonObject& m : Messaggi()) {
            n += m.value("tipo").toString() == tipo ? 1 : 0;
        }
        return n;
    }

    // Reads the messages not read yet: keeps the hand and the standing bid; returns the
    // decision due from this seat, if one is.
    QString LeggiNuovi() {
        const auto& tutti = Messaggi();
        for (; letti < tutti.size(); ++letti) {
            const QJsonObject& m = tutti[letti];
            const QString tipo = m.value("tipo").toString();
            if (tipo == "inizio") {
                mano.clear();
                for (const QJsonValue& c : m.value("mano").toArray()) {
                    mano.push_back(c.toString());
                }
                chiamataInPiedi.clear();
                dovuto.clear();
            } else if (tipo == "stato" && m.value("partita").isObject()) {
                mano.clear();
                const QJsonObject partita = m.value("partita").toObject();
                for (const QJsonValue& c : partita.value("mano").toArray()) {
                    mano.push_back(c.toString());
                }
                chiamataInPiedi = partita.value("chiamata").toString();
                const QJsonObject turno = partita.value("turno").toObject();
                dovuto = turno.value("posto").toInt(-1) == posto ? turno.value("cosa").toString()
                                                                 : QString();
            } else if (tipo == "chiamata" && m.value("chiamata").toString() != "passo") {
                chiamataInPiedi = m.value("chiamata").toString();
            } else if (tipo == "carta" && m.value("posto").toInt() == posto) {
                mano.removeAll(m.value("carta").toString());
                dovuto.clear();
            } else if (tipo == "turno") {
                dovuto = m.value("posto").toInt() == posto ? m.value("cosa").toString() : QString();
            } else if (tipo == "finepartita") {
                dovuto.clear();
            }
        }
        return dovuto;
    }

    // A legal answer to the decision due, from what was sent: a pass over a standing bid, the
    // lowest bid when none stands, the first suit, the first card of the hand.
    void Decidi(const QString& cosa) {
        dovuto.clear();
        if (cosa == "chiamata") {
            Manda({{"tipo", "chiamata"},
                   {"chiamata",
                    chiamataInPiedi.isEmpty() ? QStringLiteral("A") : QStringLiteral("passo")}});
        } else if (cosa == "briscola") {
            Manda({{"tipo", "briscola"}, {"seme", "C"}});
        } else if (cosa == "carta") {
            Manda({{"tipo", "carta"}, {"carta", mano.value(0)}});
        }
    }

    ServizioTavoli* servizio;
    PostaProva* posta;
    Id id;
    int posto = -1;
    QString gettone;
    QStringList mano;
    QString chiamataInPiedi;
    QString dovuto;
    std::size_t letti = 0;
};

// Lets the clients answer their turns until fatto() holds or nobody has anything to do (an
// expert's step runs on a worker thread: its result comes through the event loop, which is
// run while the clients wait). Returns the number of decisions the clients made.
inline int GiocaFinche(const std::vector<ClienteProva*>& clienti,
                       const std::function<bool()>& fatto) {
    int decisioni = 0;
    int inattivi = 0;
    while (!fatto() && inattivi < 2500) {
        bool mossa = false;
        for (ClienteProva* cliente : clienti) {
            const QString dovuto = cliente->LeggiNuovi();
            if (!dovuto.isEmpty() && !fatto()) {
                cliente->Decidi(dovuto);
                ++decisioni;
                mossa = true;
            }
        }
        if (mossa) {
            inattivi = 0;
            continue;
        }
        const std::size_t prima = clienti.front()->Messaggi().size();
        QTest::qWait(2);
        inattivi = clienti.front()->Messaggi().size() == prima ? inattivi + 1 : 0;
    }
    return decisioni;
}
