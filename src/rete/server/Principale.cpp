// pentaludo-server: the tables friends connect to over WebSocket, headless.

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <exception>

#include "SegnaliArresto.h"
#include "comune/Errore.h"
#include "comune/Percorsi.h"
#include "rete/Ascoltatore.h"
#include "rete/DispatcherEpoll.h"
#include "rete/OpzioniServer.h"
#include "rete/PaginaStatica.h"
#include "rete/ServizioTavoli.h"

namespace {

constexpr int kEsitoErrore = 1;
constexpr int kEsitoOpzioni = 2;
// After the tables are saved and their players told, the goodbyes get this long to leave.
constexpr int kCongedoMs = 500;

void Scrivi(std::FILE* dove, const QString& testo) {
    std::fputs(testo.toLocal8Bit().constData(), dove);
    std::fflush(dove);
}

QString Indirizzo(const QHostAddress& indirizzo) {
    if (indirizzo == QHostAddress::Any || indirizzo == QHostAddress::AnyIPv6)
        return QStringLiteral("0.0.0.0");
    if (indirizzo.protocol() == QAbstractSocket::IPv6Protocol)
        return QLatin1Char('[') + indirizzo.toString() + QLatin1Char(']');
    return indirizzo.toString();
}

int Servi(QCoreApplication& applicazione) {
    OpzioniServer opzioni;
    try {
        opzioni = LeggiOpzioniServer(applicazione.arguments().mid(1));
    } catch (const Errore& errore) {
        Scrivi(stderr, QStringLiteral("pentaludo-server: %1\n--aiuto elenca le opzioni.\n")
                           .arg(QString::fromStdString(errore.what())));
        return kEsitoOpzioni;
    }
    if (opzioni.aiuto) {
        Scrivi(stdout, AiutoServer());
        return 0;
    }
    if (opzioni.sala.cartellaDati.isEmpty())
        opzioni.sala.cartellaDati =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QDir().mkpath(opzioni.sala.cartellaDati)) {
        Scrivi(stderr, QStringLiteral("pentaludo-server: impossibile creare la cartella dati %1.\n")
                           .arg(opzioni.sala.cartellaDati));
        return kEsitoOpzioni;
    }

    auto servizio = CreaServizioTavoli(opzioni.sala);
    Ascoltatore ascoltatore(*servizio, opzioni.limiti);
    try {
        if (!opzioni.certificato.isEmpty())
            ascoltatore.UsaTls(opzioni.certificato, opzioni.chiave);
        const QString pagina =
            opzioni.pagina.isEmpty() ? CartellaPaginaPredefinita() : opzioni.pagina;
        if (!pagina.isEmpty())
            ascoltatore.ServiPagina(pagina);
        ascoltatore.Ascolta(opzioni.indirizzo, opzioni.porta);
    } catch (const Errore& errore) {
        Scrivi(stderr, QStringLiteral("pentaludo-server: %1\n").arg(errore.what()));
        return kEsitoOpzioni;
    }
    const bool sicuro = ascoltatore.Sicuro();
    const QString schema = sicuro ? QStringLiteral("wss") : QStringLiteral("ws");
    Scrivi(stdout, QStringLiteral("In ascolto su %1://%2:%3/ws\nTavoli salvati in %4\n")
                       .arg(schema, Indirizzo(opzioni.indirizzo))
                       .arg(ascoltatore.Porta())
                       .arg(QDir::toNativeSeparators(opzioni.sala.cartellaDati)));
    if (ascoltatore.ServePagina())
        Scrivi(stdout, QStringLiteral("Pagina per il browser: %1://%2:%3/\n")
                           .arg(sicuro ? QStringLiteral("https") : QStringLiteral("http"),
                                Indirizzo(opzioni.indirizzo))
                           .arg(ascoltatore.Porta()));
    else
        Scrivi(stderr, QStringLiteral("Nota: pagina per il browser non trovata; si gioca "
                                      "solo con un client WebSocket (--pagina CARTELLA).\n"));
    if (!ascoltatore.Sicuro() && !IndirizzoLocale(opzioni.indirizzo))
        Scrivi(stderr,
               QStringLiteral("Attenzione: il server è raggiungibile oltre la rete locale senza "
                              "TLS; nomi, messaggi e gettoni viaggiano in chiaro. Usa "
                              "--certificato e --chiave, o un proxy inverso con TLS.\n"));

    bool arresto = false;
    SegnaliArresto segnali([&](int) {
        if (arresto) {
            QCoreApplication::quit();
            return;
        }
        arresto = true;
        Scrivi(stdout, QStringLiteral("Arresto: salvo i tavoli.\n"));
        ascoltatore.ChiudiPorta();
        try {
            servizio->Arresta();
        } catch (const std::exception& errore) {
            Scrivi(stderr, QStringLiteral("pentaludo-server: %1\n").arg(errore.what()));
        }
        QTimer::singleShot(kCongedoMs, &applicazione, &QCoreApplication::quit);
    });
    return applicazione.exec();
}

} // namespace

int main(int argc, char** argv) {
    try {
        // Qt's own loops hand the kernel every socket at every pass, a cost that grows with the
        // connections; epoll keeps them in the kernel. Set before the application makes its own.
        QCoreApplication::setEventDispatcher(new DispatcherEpoll);
        QCoreApplication applicazione(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("pentaludo"));
        QCoreApplication::setApplicationName(QStringLiteral("pentaludo-server"));
        // The computer players' rules file lies beside the program or in the installed data.
        ImpostaCartellaProgramma(QCoreApplication::applicationDirPath().toStdString());
        return Servi(applicazione);
    } catch (const std::exception& errore) {
        std::fprintf(stderr, "pentaludo-server: %s\n", errore.what());
    } catch (...) {
        std::fprintf(stderr, "pentaludo-server: errore inatteso.\n");
    }
    return kEsitoErrore;
}
