#include "rete/OpzioniServer.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <utility>

#include "comune/Errore.h"

namespace {

constexpr qint64 kFrameMinimo = 256;
constexpr qint64 kFrameMassimo = 1024 * 1024;
constexpr int kPrefissoMassimo = 16;

[[noreturn]] void Sbagliata(const QString& opzione, const QString& perche) {
    throw Errore(("Opzione " + opzione + ": " + perche).toStdString());
}

qint64 Intero(const QString& opzione, const QString& valore, qint64 minimo, qint64 massimo) {
    bool ok = false;
    const qint64 numero = valore.toLongLong(&ok);
    if (!ok || numero < minimo || numero > massimo)
        Sbagliata(opzione, QStringLiteral("vuole un numero intero da %1 a %2, non \"%3\".")
                               .arg(minimo)
                               .arg(massimo)
                               .arg(valore));
    return numero;
}

QHostAddress Indirizzo(const QString& opzione, const QString& valore) {
    const QHostAddress indirizzo(valore);
    if (indirizzo.isNull())
        Sbagliata(opzione, QStringLiteral("\"%1\" non è un indirizzo IP.").arg(valore));
    return indirizzo;
}

using Lettore = std::function<void(OpzioniServer&, const QString& opzione, const QString& valore)>;

const std::array<std::pair<const char*, Lettore>, 17> kOpzioni{{
    {"--porta", [](OpzioniServer& o, const QString& n,
                   const QString& v) { o.porta = static_cast<quint16>(Intero(n, v, 0, 65535)); }},
    {"--indirizzo",
     [](OpzioniServer& o, const QString& n, const QString& v) { o.indirizzo = Indirizzo(n, v); }},
    {"--certificato",
     [](OpzioniServer& o, const QString&, const QString& v) { o.certificato = v; }},
    {"--chiave", [](OpzioniServer& o, const QString&, const QString& v) { o.chiave = v; }},
    {"--dati", [](OpzioniServer& o, const QString&, const QString& v) { o.sala.cartellaDati = v; }},
    {"--pagina", [](OpzioniServer& o, const QString&, const QString& v) { o.pagina = v; }},
    {"--max-richieste-http",
     [](OpzioniServer& o, const QString& n, const QString& v) {
         o.limiti.richiesteHttpAlSecondo = static_cast<int>(Intero(n, v, 1, 100000));
         o.limiti.rafficaHttp = std::max(150, 2 * o.limiti.richiesteHttpAlSecondo);
     }},
    {"--seme",
     [](OpzioniServer& o, const QString& n, const QString& v) {
         o.sala.seme =
             static_cast<std::uint32_t>(Intero(n, v, 0, std::numeric_limits<std::uint32_t>::max()));
     }},
    {"--max-tavoli",
     [](OpzioniServer& o, const QString& n, const QString& v) {
         o.sala.massimoTavoli = static_cast<int>(Intero(n, v, 1, 1000000));
     }},
    {"--max-connessioni",
     [](OpzioniServer& o, const QString& n, const QString& v) {
         o.limiti.connessioniTotali = static_cast<int>(Intero(n, v, 1, 1000000));
     }},
    {"--max-connessioni-indirizzo",
     [](OpzioniServer& o, const QString& n, const QString& v) {
         o.limiti.connessioniPerIndirizzo = static_cast<int>(Intero(n, v, 1, 1000000));
     }},
    {"--max-messaggi-secondo",
     [](OpzioniServer& o, const QString& n, const QString& v) {
         o.limiti.messaggiAlSecondo = static_cast<int>(Intero(n, v, 1, 100000));
         o.limiti.raffica = 2 * o.limiti.messaggiAlSecondo;
     }},
    {"--max-frame",
     [](OpzioniServer& o, const QString& n, const QString& v) {
         o.limiti.massimoFrame =
             static_cast<std::uint64_t>(Intero(n, v, kFrameMinimo, kFrameMassimo));
     }},
    {"--proxy", [](OpzioniServer& o, const QString& n,
                   const QString& v) { o.limiti.proxy = Indirizzo(n, v).toString(); }},
    {"--prefisso-codici",
     [](OpzioniServer& o, const QString& n, const QString& v) {
         static const QRegularExpression kAmmesso(QStringLiteral("^[A-Za-z0-9]{1,16}$"));
         if (!kAmmesso.match(v).hasMatch())
             Sbagliata(n, QStringLiteral("vuole da 1 a %1 lettere o cifre.").arg(kPrefissoMassimo));
         o.sala.prefissoCodici = v;
     }},
    {"--chiusura-minuti",
     [](OpzioniServer& o, const QString& n, const QString& v) {
         o.sala.chiusuraSenzaPersoneMs = static_cast<int>(Intero(n, v, 1, 7 * 24 * 60) * 60 * 1000);
     }},
    {"--fili", [](OpzioniServer& o, const QString& n,
                  const QString& v) { o.sala.fili = static_cast<int>(Intero(n, v, 0, 256)); }},
}};

} // namespace

OpzioniServer LeggiOpzioniServer(const QStringList& argomenti) {
    OpzioniServer opzioni;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        QString nome = argomenti[i];
        if (nome == QLatin1String("--aiuto") || nome == QLatin1String("-h") ||
            nome == QLatin1String("--help")) {
            opzioni.aiuto = true;
            continue;
        }
        QString valore;
        bool haValore = false;
        if (const auto uguale = nome.indexOf(QLatin1Char('='));
            nome.startsWith(QLatin1String("--")) && uguale > 0) {
            valore = nome.mid(uguale + 1);
            nome.truncate(uguale);
            haValore = true;
        }
        const auto lettore = std::find_if(kOpzioni.begin(), kOpzioni.end(), [&](const auto& voce) {
            return nome == QLatin1String(voce.first);
        });
        if (lettore == kOpzioni.end())
            throw Errore(("Opzione sconosciuta: " + nome).toStdString());
        if (!haValore) {
            if (i + 1 >= argomenti.size())
                Sbagliata(nome, QStringLiteral("manca il valore."));
            valore = argomenti[++i];
        }
        lettore->second(opzioni, nome, valore);
    }
    if (opzioni.certificato.isEmpty() != opzioni.chiave.isEmpty())
        throw Errore("--certificato e --chiave vanno date insieme.");
    return opzioni;
}

QString AiutoServer() {
    return QStringLiteral(
        "Uso: pentaludo-server [opzioni]\n"
        "Tiene i tavoli di Briscola Chiamata a cui gli amici si collegano via WebSocket\n"
        "(ws://HOST:PORTA/ws per creare un tavolo, /ws/CODICE per entrarvi) o dal browser\n"
        "(http://HOST:PORTA/, e http://HOST:PORTA/#CODICE per entrare in un tavolo).\n"
        "  --porta N                      porta (predefinita 7750; 0: una libera qualsiasi)\n"
        "  --indirizzo IP                 indirizzo d'ascolto (predefinito: tutti)\n"
        "  --certificato FILE --chiave FILE\n"
        "                                 TLS (wss://) con certificato e chiave PEM\n"
        "  --dati CARTELLA                dove salvare i tavoli all'arresto\n"
        "                                 (predefinita la cartella dati dell'utente)\n"
        "  --pagina CARTELLA              la pagina per il browser (predefinita: quella\n"
        "                                 installata con il programma)\n"
        "  --max-richieste-http N         richieste HTTP al secondo da un indirizzo, con\n"
        "                                 raffiche fino a 150 (predefinito 20)\n"
        "  --seme N                       seme fisso di ogni nuovo tavolo (prove)\n"
        "  --max-tavoli N                 tavoli aperti insieme (predefinito 1000)\n"
        "  --max-connessioni N            connessioni aperte insieme (predefinito 20000)\n"
        "  --max-connessioni-indirizzo N  connessioni da un indirizzo (predefinito 16)\n"
        "  --max-messaggi-secondo N       messaggi al secondo per connessione, con raffiche\n"
        "                                 del doppio; oltre, la connessione è chiusa\n"
        "                                 (predefinito 20)\n"
        "  --max-frame BYTE               messaggio più lungo accettato (predefinito 4096)\n"
        "  --proxy IP                     il proxy inverso davanti al server: solo da lì\n"
        "                                 vale l'intestazione X-Forwarded-For\n"
        "  --prefisso-codici TESTO        lettere o cifre davanti a ogni codice di tavolo,\n"
        "                                 per un proxy che smista fra più server\n"
        "  --chiusura-minuti N            un tavolo senza persone collegate si chiude\n"
        "                                 dopo N minuti (predefinito 10)\n"
        "  --fili N                       fili per le decisioni lunghe dei computer\n"
        "                                 (predefinito 0: uno per processore)\n"
        "  --aiuto                        questo elenco\n"
        "Ctrl+C o SIGTERM salvano i tavoli e fermano il server; riavviato sulla stessa\n"
        "cartella dati, li riapre.\n");
}

bool IndirizzoLocale(const QHostAddress& indirizzo) {
    if (indirizzo.isLoopback())
        return true;
    static const std::array<std::pair<const char*, int>, 7> kReti{{
        {"10.0.0.0", 8},
        {"172.16.0.0", 12},
        {"192.168.0.0", 16},
        {"169.254.0.0", 16},
        {"100.64.0.0", 10},
        {"fc00::", 7},
        {"fe80::", 10},
    }};
    bool ipv4 = false;
    const quint32 v4 = indirizzo.toIPv4Address(&ipv4);
    const QHostAddress semplice = ipv4 ? QHostAddress(v4) : indirizzo;
    if (semplice.isLoopback())
        return true;
    return std::any_of(kReti.begin(), kReti.end(), [&](const auto& rete) {
        return semplice.isInSubnet(QHostAddress(QLatin1String(rete.first)), rete.second);
    });
}
