#include <gtest/gtest.h>

#include <QTest>
#include <QThread>
#include <QWebSocket>
#include <functional>
#include <map>
#include <memory>

#include "TavoloProva.h"
#include "rete/Ascoltatore.h"
#include "rete/DispatcherEpoll.h"

namespace {

// The test clients' service seen through real sockets: every connection is a WebSocket to a
// listener on the loopback address, and what the server sends comes back as the service's
// messages, so the same clients play through the network.
class ServizioRemoto final : public ServizioTavoli {
public:
    explicit ServizioRemoto(quint16 porta) : porta(porta) {}
    // The sockets close as they go: nobody is told any more, the clients may be gone already.
    ~ServizioRemoto() override {
        for (auto& [id, socket] : socket_) {
            socket->disconnect(this);
        }
    }

    void Apri(IdConnessione id, const QString& codice, const QString&) override {
        auto socket = std::make_unique<QWebSocket>();
        QWebSocket* s = socket.get();
        connect(s, &QWebSocket::textMessageReceived, this,
                [this, id](const QString& testo) { emit Invia(id, testo); });
        connect(s, &QWebSocket::disconnected, this, [this, id] { emit Disconnetti(id, {}); });
        const QString percorso = codice.isEmpty() ? QStringLiteral("/ws") : "/ws/" + codice;
        s->open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(porta).arg(percorso)));
        // A connection that fails shows as the test's missing answers.
        (void)QTest::qWaitFor([s] { return s->state() == QAbstractSocket::ConnectedState; }, 5000);
        socket_[id] = std::move(socket);
    }
    void Ricevi(IdConnessione id, const QString& testo) override {
        socket_.at(id)->sendTextMessage(testo);
    }
    void Chiudi(IdConnessione id) override { socket_.at(id)->close(); }
    void Arresta() override {}

private:
    quint16 porta;
    std::map<IdConnessione, std::unique_ptr<QWebSocket>> socket_;
};

bool AttendiMessaggio(const ClienteProva& cliente, const QString& tipo) {
    return QTest::qWaitFor([&] { return !cliente.Ultimo(tipo).isEmpty(); }, 5000);
}

// Sits the client at the seat once the server answers.
void SiediInRete(ClienteProva& cliente, int posto, const QString& nome) {
    cliente.Manda({{"tipo", "siedi"}, {"posto", posto}, {"nome", nome}});
    ASSERT_TRUE(AttendiMessaggio(cliente, "seduto"));
    cliente.posto = cliente.Ultimo("seduto").value("posto").toInt(-1);
    cliente.gettone = cliente.Ultimo("seduto").value("gettone").toString();
}

// The public course of a game as a client saw it: every bid and every card played, in order.
QStringList Svolgimento(const ClienteProva& cliente) {
    QStringList esito;
    for (const QJsonObject& m : cliente.Messaggi()) {
        const QString tipo = m.value("tipo").toString();
        if (tipo == "chiamata" || tipo == "carta" || tipo == "finepartita") {
            esito << QString::fromUtf8(QJsonDocument(m).toJson(QJsonDocument::Compact));
        }
    }
    return esito;
}

// The server's service and listener, on the test's thread or on a thread of their own with the
// server's loop: the clients, here, reach it only through the sockets.
class ServerProva {
public:
    ServerProva(const OpzioniSala& opzioni, bool filoProprio) {
        if (filoProprio) {
            filo.setEventDispatcher(new DispatcherEpoll);
            filo.start();
            contesto.moveToThread(&filo);
        }
        Esegui([&] {
            servizio = CreaServizioTavoli(opzioni);
            ascoltatore = std::make_unique<Ascoltatore>(*servizio, LimitiRete{});
            ascoltatore->Ascolta(QHostAddress::LocalHost, 0);
            porta = ascoltatore->Porta();
        });
    }
    ~ServerProva() {
        Esegui([&] {
            ascoltatore.reset();
            servizio.reset();
        });
        filo.quit();
        filo.wait();
    }
    void Esegui(const std::function<void()>& azione) {
        if (filo.isRunning()) {
            QMetaObject::invokeMethod(&contesto, azione, Qt::BlockingQueuedConnection);
        } else {
            azione();
        }
    }

    quint16 porta = 0;

private:
    QThread filo;
    QObject contesto;
    std::unique_ptr<ServizioTavoli> servizio;
    std::unique_ptr<Ascoltatore> ascoltatore;
};

} // namespace

// Two people and three computers play a whole game through a real listener and real
// WebSockets, and it is the game the same seed and the same choices give without a network;
// the same with the server on a thread of its own.
TEST(ServerInRete, UnaPartitaIntieraSuiSocketELaStessaCheSenzaRete) {
    const OpzioniSala opzioni = TavoloProva::Opzioni(4321);
    for (const bool filoProprio : {false, true}) {
        SCOPED_TRACE(filoProprio ? "server su un suo filo" : "server sul filo del test");
        ServerProva server(opzioni, filoProprio);
        ASSERT_NE(server.porta, 0);

        ServizioRemoto remoto(server.porta);
        PostaProva posta(remoto);
        ClienteProva anna(remoto, posta, 1, QString());
        anna.Ciao();
        anna.Manda({{"tipo", "crea"},
                    {"nome", "Da Anna"},
                    {"manoAlBuio", false},
                    {"computer", "standard"},
                    {"tempoTurno", 0}});
        ASSERT_TRUE(AttendiMessaggio(anna, "creato"));
        const QString codice = anna.Ultimo("creato").value("codice").toString();
        SiediInRete(anna, 0, "Anna");
        ClienteProva bruno(remoto, posta, 2, codice);
        bruno.Ciao();
        SiediInRete(bruno, 2, "Bruno");
        anna.Manda({{"tipo", "comincia"}});
        GiocaFinche({&anna, &bruno}, [&] {
            return anna.Conta("finepartita") >= 1 && bruno.Conta("finepartita") >= 1;
        });
        ASSERT_EQ(anna.Conta("finepartita"), 1);
        EXPECT_EQ(anna.Conta("carta"), 40);
        EXPECT_EQ(Svolgimento(anna), Svolgimento(bruno));

        TavoloProva senzaRete(opzioni);
        senzaRete.Comincia();
        senzaRete.GiocaPartite(1);
        EXPECT_EQ(Svolgimento(anna), Svolgimento(*senzaRete.anna));
        EXPECT_TRUE(anna.Ultimo("errore").isEmpty())
            << anna.Ultimo("errore").value("messaggio").toString().toStdString();
    }
}
