#include "rete/ServerLocale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkInterface>
#include <algorithm>

#include "comune/Errore.h"
#include "rete/LimitiRete.h"
#include "rete/PaginaStatica.h"

namespace {

constexpr int kAttesaCongedoMs = 1000;

} // namespace

ServerLocale::ServerLocale(const OpzioniSala& opzioni, quint16 porta, const QString& certificato,
                           const QString& chiave)
    : servizio(CreaServizioTavoli(opzioni)),
      ascoltatore(std::make_unique<Ascoltatore>(*servizio, LimitiRete{})) {
    if (!certificato.isEmpty() || !chiave.isEmpty()) {
        if (certificato.isEmpty() || chiave.isEmpty()) {
            throw Errore("Per ospitare con TLS servono sia il certificato sia la chiave privata");
        }
        ascoltatore->UsaTls(certificato, chiave);
    }
    try {
        // Friends without the game join from a browser, on the link's address. A build's own
        // programs (its tests) live away from the page and name it in the environment.
        const QString cartella = qEnvironmentVariable("PENTALUDO_PAGINA");
        ascoltatore->ServiPagina(cartella.isEmpty() ? CartellaPaginaPredefinita() : cartella);
    } catch (const Errore&) {
        // An installation without the page still plays with the game's windows.
    }
    try {
        ascoltatore->Ascolta(QHostAddress::Any, porta);
    } catch (const Errore&) {
        // Another program (or another game) holds the usual port: any free one will do, since
        // the link carries it.
        ascoltatore->Ascolta(QHostAddress::Any, 0);
    }
}

ServerLocale::~ServerLocale() {
    Arresta();
    // The players are told of the stop before their sockets go with the listener: each closes
    // once it has read it. A client that never does is not waited for long.
    QElapsedTimer attesa;
    attesa.start();
    while (ascoltatore->Connessioni() > 0 && attesa.elapsed() < kAttesaCongedoMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

void ServerLocale::Arresta() {
    if (arrestato) {
        return;
    }
    arrestato = true;
    ascoltatore->ChiudiPorta();
    servizio->Arresta();
}

namespace {

// The home network's addresses, which friends in the same house can reach.
bool Privato(const QHostAddress& a) {
    for (const char* rete : {"10.0.0.0/8", "172.16.0.0/12", "192.168.0.0/16"}) {
        if (a.isInSubnet(QHostAddress::parseSubnet(QLatin1String(rete)))) {
            return true;
        }
    }
    return false;
}

} // namespace

QList<QHostAddress> ServerLocale::IndirizziMacchina() {
    QList<QHostAddress> indirizzi;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (!a.isLoopback() && !a.isLinkLocal() && a.protocol() == QAbstractSocket::IPv4Protocol) {
            indirizzi << a;
        }
    }
    std::stable_sort(
        indirizzi.begin(), indirizzi.end(),
        [](const QHostAddress& a, const QHostAddress& b) { return Privato(a) && !Privato(b); });
    if (indirizzi.isEmpty()) {
        indirizzi << QHostAddress(QHostAddress::LocalHost);
    }
    return indirizzi;
}
