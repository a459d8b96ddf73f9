// A load generator for pentaludo-server: starts the server on 127.0.0.1 in a process of its
// own, opens tables of two people (WebSocket clients in this process, speaking the table
// protocol) and three standard computers, and plays them for a fixed time. People play a random
// card of their hand when their turn comes, at once or after thinking about the time given.
// Prints the time from a card sent to its broadcast received (median, 99th percentile,
// maximum) and the server's resident memory per table. With --eco each client just sends a
// message and times the answer, which measures the listener alone.
//
//     CaricoRete --tavoli 500 --pensa-ms 0
//     CaricoRete --tavoli 2500 --pensa-ms 3000

#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <random>
#include <vector>

#include "rete/DispatcherEpoll.h"

namespace {

struct Opzioni {
    int tavoli = 500;
    int pensaMs = 0;
    int secondi = 30;
    int avvioSecondi = 120;
    bool eco = false;
    QString server = QStringLiteral(PENTALUDO_SERVER);
};

// The resident memory of a process in KB (VmRSS or VmHWM from /proc), or -1.
long MemoriaKb(qint64 pid, const char* voce) {
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& riga : file.readAll().split('\n'))
        if (riga.startsWith(voce))
            return riga.mid(static_cast<qsizetype>(std::strlen(voce)))
                .trimmed()
                .split(' ')[0]
                .toLong();
    return -1;
}

// The processor time a process has used, user and system, in seconds (-1 when unknown).
double ProcessoreSecondi(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stato = file.readAll();
    // The fields after the command name, which may hold blanks, closed by the last ')'.
    const QList<QByteArray> campi = stato.mid(stato.lastIndexOf(')') + 2).split(' ');
    if (campi.size() < 13)
        return -1;
    const double tick = static_cast<double>(::sysconf(_SC_CLK_TCK));
    return static_cast<double>(campi[11].toLongLong() + campi[12].toLongLong()) / tick;
}

class Carico;

// One person at a table: a WebSocket client that sits, plays and confirms.
class Persona {
public:
    Persona(Carico& carico, int tavolo, int posto, bool creatore, std::uint32_t seme)
        : carico_(carico), tavolo_(tavolo), posto_(posto), creatore_(creatore), casuale_(seme) {
        QObject::connect(&socket_, &QWebSocket::textMessageReceived,
                         [this](const QString& testo) { Ricevi(testo); });
        QObject::connect(&socket_, &QWebSocket::connected, [this] { Collegato(); });
    }
    void Apri(const QUrl& url) { socket_.open(url); }
    void Invia(const QJsonObject& messaggio) {
        socket_.sendTextMessage(
            QString::fromUtf8(QJsonDocument(messaggio).toJson(QJsonDocument::Compact)));
    }
    void Comincia() { Invia({{"tipo", "comincia"}}); }
    bool Seduta() const { return seduta_; }
    bool Collegata() const { return socket_.state() == QAbstractSocket::ConnectedState; }

private:
    void Collegato();
    void Ricevi(const QString& testo);
    void Decidi(const QString& cosa);
    void GiocaCarta();
    void InviaEco();

    Carico& carico_;
    int tavolo_;
    int posto_;
    bool creatore_;
    std::mt19937 casuale_;
    QWebSocket socket_;
    bool seduta_ = false;
    QStringList mano_;
    qint64 inviataNs_ = -1;
    bool passato_ = false;
    int confermata_ = -1;
    int partita_ = -1;
};

struct Tavolo {
    std::unique_ptr<Persona> prima;
    std::unique_ptr<Persona> seconda;
    bool cominciato = false;
    bool giocando = false;
};

// The whole run: the server, the tables, the figures.
class Carico {
public:
    explicit Carico(const Opzioni& opzioni) : opzioni_(opzioni) { orologio_.start(); }

    int Esegui();

    qint64 AdessoNs() const { return orologio_.nsecsElapsed(); }
    int PensaMs(std::mt19937& casuale) const {
        if (opzioni_.pensaMs <= 0)
            return 0;
        return std::uniform_int_distribution<int>(opzioni_.pensaMs / 2,
                                                  opzioni_.pensaMs * 3 / 2)(casuale);
    }
    bool Eco() const { return opzioni_.eco; }
    void Latenza(qint64 ns) {
        if (misura_)
            latenzeUs_.push_back(ns / 1000);
    }
    void Errore(const QString& testo) {
        if (errori_++ < 5)
            std::fprintf(stderr, "errore dal server: %s\n", qPrintable(testo));
    }
    void Creato(int tavolo, const QString& codice) {
        tavoli_[static_cast<std::size_t>(tavolo)].seconda->Apri(
            Url(QStringLiteral("/ws/") + codice));
    }
    void Seduta(int tavolo) {
        Tavolo& t = tavoli_[static_cast<std::size_t>(tavolo)];
        if (!t.cominciato && t.prima->Seduta() && t.seconda->Seduta()) {
            t.cominciato = true;
            t.prima->Comincia();
        }
    }
    void Inizio(int tavolo) {
        Tavolo& t = tavoli_[static_cast<std::size_t>(tavolo)];
        if (!t.giocando) {
            t.giocando = true;
            ++giocando_;
        }
    }
    void FinePartita() {
        if (misura_)
            ++partite_;
    }
    QUrl Url(const QString& percorso) const {
        return QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(porta_).arg(percorso));
    }

private:
    bool AvviaServer();
    void ApriTavoli();
    void Stampa(double secondi);

    Opzioni opzioni_;
    QElapsedTimer orologio_;
    QProcess server_;
    QTemporaryDir dati_;
    quint16 porta_ = 0;
    std::vector<Tavolo> tavoli_;
    int giocando_ = 0;
    bool misura_ = false;
    std::vector<qint64> latenzeUs_;
    long partite_ = 0;
    long errori_ = 0;
};

void Persona::Collegato() {
    if (carico_.Eco()) {
        seduta_ = true;
        InviaEco();
        return;
    }
    Invia({{"tipo", "ciao"}, {"versione", 1}});
}

void Persona::InviaEco() {
    inviataNs_ = carico_.AdessoNs();
    Invia({{"tipo", "carta"}, {"carta", "AC"}});
}

void Persona::Ricevi(const QString& testo) {
    if (carico_.Eco()) {
        if (inviataNs_ >= 0)
            carico_.Latenza(carico_.AdessoNs() - inviataNs_);
        inviataNs_ = -1;
        QTimer::singleShot(carico_.PensaMs(casuale_), &socket_, [this] { InviaEco(); });
        return;
    }
    const QJsonObject messaggio = QJsonDocument::fromJson(testo.toUtf8()).object();
    const QString tipo = messaggio.value(QStringLiteral("tipo")).toString();
    const int posto = messaggio.value(QStringLiteral("posto")).toInt(-1);
    if (tipo == QLatin1String("benvenuto")) {
        if (creatore_)
            Invia({{"tipo", "crea"},
                   {"nome", QStringLiteral("Carico %1").arg(tavolo_)},
                   {"manoAlBuio", false},
                   {"computer", "standard"},
                   {"tempoTurno", 0}});
        else
            Invia({{"tipo", "siedi"},
                   {"posto", posto_},
                   {"nome", QStringLiteral("B%1").arg(tavolo_)}});
    } else if (tipo == QLatin1String("creato")) {
        Invia({{"tipo", "siedi"}, {"posto", posto_}, {"nome", QStringLiteral("A%1").arg(tavolo_)}});
        carico_.Creato(tavolo_, messaggio.value(QStringLiteral("codice")).toString());
    } else if (tipo == QLatin1String("seduto")) {
        seduta_ = true;
        carico_.Seduta(tavolo_);
    } else if (tipo == QLatin1String("inizio")) {
        mano_.clear();
        for (const auto carta : messaggio.value(QStringLiteral("mano")).toArray())
            mano_ << carta.toString();
        partita_ = messaggio.value(QStringLiteral("partita")).toInt();
        carico_.Inizio(tavolo_);
    } else if (tipo == QLatin1String("turno") && posto == posto_) {
        const QString cosa = messaggio.value(QStringLiteral("cosa")).toString();
        const int attesa = cosa == QLatin1String("carta") ? carico_.PensaMs(casuale_) : 0;
        if (attesa == 0)
            Decidi(cosa);
        else
            QTimer::singleShot(attesa, &socket_, [this, cosa] { Decidi(cosa); });
    } else if (tipo == QLatin1String("carta") && posto == posto_) {
        mano_.removeOne(messaggio.value(QStringLiteral("carta")).toString());
        if (inviataNs_ >= 0)
            carico_.Latenza(carico_.AdessoNs() - inviataNs_);
        inviataNs_ = -1;
    } else if (tipo == QLatin1String("attesa") && confermata_ != partita_) {
        confermata_ = partita_;
        Invia({{"tipo", "conferma"}});
    } else if (tipo == QLatin1String("finepartita") && creatore_) {
        carico_.FinePartita();
    } else if (tipo == QLatin1String("errore")) {
        // The last seat may not pass while nobody has bid: the lowest bid then.
        if (messaggio.value(QStringLiteral("codice")).toString() == QLatin1String("chiamata") &&
            passato_) {
            passato_ = false;
            Invia({{"tipo", "chiamata"}, {"chiamata", "A"}});
            return;
        }
        carico_.Errore(testo);
    }
}

void Persona::Decidi(const QString& cosa) {
    if (cosa == QLatin1String("chiamata")) {
        passato_ = true;
        Invia({{"tipo", "chiamata"}, {"chiamata", "passo"}});
    } else if (cosa == QLatin1String("briscola")) {
        static const char* const kSemi[] = {"C", "Q", "F", "P"};
        Invia({{"tipo", "briscola"}, {"seme", kSemi[casuale_() % 4]}});
    } else if (cosa == QLatin1String("carta")) {
        GiocaCarta();
    }
}

void Persona::GiocaCarta() {
    if (mano_.isEmpty())
        return;
    const auto scelta = std::uniform_int_distribution<qsizetype>(0, mano_.size() - 1)(casuale_);
    inviataNs_ = carico_.AdessoNs();
    Invia({{"tipo", "carta"}, {"carta", mano_[scelta]}});
}

bool Carico::AvviaServer() {
    const int connessioni = 2 * opzioni_.tavoli + 100;
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(opzioni_.server,
                  {"--indirizzo", "127.0.0.1", "--porta", "0", "--dati", dati_.path(), "--seme",
                   "1", "--max-tavoli", QString::number(opzioni_.tavoli + 10), "--max-connessioni",
                   QString::number(connessioni), "--max-connessioni-indirizzo",
                   QString::number(connessioni), "--max-messaggi-secondo", "1000"});
    if (!server_.waitForStarted(10000))
        return false;
    static const QRegularExpression kAscolto(QStringLiteral("ws://127.0.0.1:(\\d+)/ws"));
    QByteArray uscita;
    while (porta_ == 0 && server_.waitForReadyRead(10000)) {
        uscita += server_.readAllStandardOutput();
        if (const auto trovato = kAscolto.match(QString::fromUtf8(uscita)); trovato.hasMatch())
            porta_ = static_cast<quint16>(trovato.captured(1).toUInt());
    }
    return porta_ != 0;
}

void Carico::ApriTavoli() {
    tavoli_.resize(static_cast<std::size_t>(opzioni_.tavoli));
    for (int i = 0; i < opzioni_.tavoli; ++i) {
        Tavolo& tavolo = tavoli_[static_cast<std::size_t>(i)];
        tavolo.prima = std::make_unique<Persona>(*this, i, 0, true, 2 * i + 1);
        tavolo.seconda = std::make_unique<Persona>(*this, i, 2, false, 2 * i + 2);
    }
    // A few tables at a time, as people would come, not all handshakes in one instant.
    auto prossimo = std::make_shared<int>(0);
    auto apri = std::make_shared<QTimer>();
    QObject::connect(apri.get(), &QTimer::timeout, [this, prossimo, apri] {
        for (int n = 0; n < 25 && *prossimo < opzioni_.tavoli; ++n, ++*prossimo) {
            Tavolo& tavolo = tavoli_[static_cast<std::size_t>(*prossimo)];
            tavolo.prima->Apri(Url(QStringLiteral("/ws")));
            if (opzioni_.eco)
                tavolo.seconda->Apri(Url(QStringLiteral("/ws")));
        }
        if (*prossimo >= opzioni_.tavoli)
            apri->stop();
    });
    apri->start(20);
}

void Carico::Stampa(double secondi) {
    std::sort(latenzeUs_.begin(), latenzeUs_.end());
    const auto quantile = [&](double q) {
        if (latenzeUs_.empty())
            return 0.0;
        const auto indice =
            static_cast<std::size_t>(q * static_cast<double>(latenzeUs_.size() - 1));
        return static_cast<double>(latenzeUs_[indice]) / 1000.0;
    };
    int collegate = 0;
    for (const Tavolo& tavolo : tavoli_)
        collegate += tavolo.prima->Collegata() + tavolo.seconda->Collegata();
    std::printf("Tavoli %d (%s), connessioni aperte %d, pensa %d ms, misura di %.1f s\n",
                opzioni_.tavoli, opzioni_.eco ? "eco" : "in gioco", collegate, opzioni_.pensaMs,
                secondi);
    std::printf("%s: %zu misure, p50 %.2f ms, p99 %.2f ms, max %.2f ms\n",
                opzioni_.eco ? "Messaggio -> risposta" : "Carta inviata -> ricevuta",
                latenzeUs_.size(), quantile(0.5), quantile(0.99), quantile(1.0));
    if (!opzioni_.eco)
        std::printf("Partite finite %ld (%.1f al secondo), errori %ld\n", partite_,
                    static_cast<double>(partite_) / secondi, errori_);
}

int Carico::Esegui() {
    if (!dati_.isValid() || !AvviaServer()) {
        std::fprintf(stderr, "CaricoRete: non riesco ad avviare %s\n", qPrintable(opzioni_.server));
        return 1;
    }
    const qint64 pid = server_.processId();
    const long memoriaVuota = MemoriaKb(pid, "VmRSS:");
    std::printf("Server %s su 127.0.0.1:%u, memoria a vuoto %ld KB\n", qPrintable(opzioni_.server),
                porta_, memoriaVuota);
    ApriTavoli();
    const QElapsedTimer avvio = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    while (avvio.elapsed() < opzioni_.avvioSecondi * 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        int pronti = 0;
        for (const Tavolo& tavolo : tavoli_)
            pronti +=
                opzioni_.eco ? tavolo.prima->Seduta() && tavolo.seconda->Seduta() : tavolo.giocando;
        if (pronti == opzioni_.tavoli)
            break;
    }
    std::printf("Avvio dei tavoli: %d in gioco dopo %.1f s\n",
                opzioni_.eco ? opzioni_.tavoli : giocando_,
                static_cast<double>(avvio.elapsed()) / 1000.0);
    std::fflush(stdout);
    misura_ = true;
    const double processoreServer = ProcessoreSecondi(pid);
    const double processoreCarico = ProcessoreSecondi(QCoreApplication::applicationPid());
    QElapsedTimer misura;
    misura.start();
    QTimer::singleShot(opzioni_.secondi * 1000, QCoreApplication::instance(),
                       &QCoreApplication::quit);
    QCoreApplication::exec();
    misura_ = false;
    const double secondi = static_cast<double>(misura.elapsed()) / 1000.0;
    const long memoria = MemoriaKb(pid, "VmRSS:");
    const long picco = MemoriaKb(pid, "VmHWM:");
    Stampa(secondi);
    // Both processes share the machine's processors: what each took of them.
    std::printf("Processore: server %.1f s, generatore %.1f s, in %.1f s (%d processori)\n",
                ProcessoreSecondi(pid) - processoreServer,
                ProcessoreSecondi(QCoreApplication::applicationPid()) - processoreCarico, secondi,
                static_cast<int>(::sysconf(_SC_NPROCESSORS_ONLN)));
    std::printf("Memoria del server: %ld KB (picco %ld KB), %.1f KB per tavolo oltre il vuoto\n",
                memoria, picco, static_cast<double>(memoria - memoriaVuota) / opzioni_.tavoli);
    // The server saves every table as it stops: that takes a while with thousands.
    server_.terminate();
    if (!server_.waitForFinished(120000))
        server_.kill();
    server_.waitForFinished();
    return 0;
}

bool LeggiOpzioni(const QStringList& argomenti, Opzioni& opzioni) {
    for (qsizetype i = 1; i < argomenti.size(); ++i) {
        const QString& nome = argomenti[i];
        if (nome == QLatin1String("--eco")) {
            opzioni.eco = true;
            continue;
        }
        if (i + 1 >= argomenti.size())
            return false;
        const QString valore = argomenti[++i];
        bool ok = true;
        if (nome == QLatin1String("--tavoli"))
            opzioni.tavoli = valore.toInt(&ok);
        else if (nome == QLatin1String("--pensa-ms"))
            opzioni.pensaMs = valore.toInt(&ok);
        else if (nome == QLatin1String("--secondi"))
            opzioni.secondi = valore.toInt(&ok);
        else if (nome == QLatin1String("--avvio-secondi"))
            opzioni.avvioSecondi = valore.toInt(&ok);
        else if (nome == QLatin1String("--server"))
            opzioni.server = valore;
        else
            return false;
        if (!ok)
            return false;
    }
    return opzioni.tavoli > 0 && opzioni.pensaMs >= 0 && opzioni.secondi > 0;
}

} // namespace

int main(int argc, char** argv) {
    // The same event loop as the server's, for thousands of client sockets.
    try {
        QCoreApplication::setEventDispatcher(new DispatcherEpoll);
    } catch (const std::exception& errore) {
        std::fprintf(stderr, "CaricoRete: %s\n", errore.what());
        return 1;
    }
    QCoreApplication applicazione(argc, argv);
    Opzioni opzioni;
    if (!LeggiOpzioni(applicazione.arguments(), opzioni)) {
        std::fprintf(stderr, "Uso: CaricoRete [--tavoli N] [--pensa-ms MS] [--secondi S] "
                             "[--avvio-secondi S] [--eco] [--server PERCORSO]\n");
        return 2;
    }
    // Two sockets a table on each side: the limit of open files must allow them.
    rlimit limite{};
    if (::getrlimit(RLIMIT_NOFILE, &limite) == 0) {
        limite.rlim_cur = limite.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limite);
    }
    Carico carico(opzioni);
    return carico.Esegui();
}
