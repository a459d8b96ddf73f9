// The tables' service on any sequence of messages from a few connections: a table is created,
// two people sit and the series begins, then the bytes are split into messages (each a
// connection's text, or a connection that goes and comes back). After each message: nothing
// escaped, every message sent is a JSON object with a kind, no seat was sent a card of another
// seat's hand, and every hand in the record holds what its seat has not played.

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstddef>
#include <cstdint>
#include <map>

#include "Controlla.h"
#include "carte/CodiceCarta.h"
#include "comune/Percorsi.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"
#include "rete/SalaTavoli.h"

namespace {

using Id = ServizioTavoli::IdConnessione;

QCoreApplication& Applicazione() {
    static int argc = 1;
    static char nome[] = "fuzz-protocollo";
    static char* argv[] = {nome, nullptr};
    static QCoreApplication applicazione(argc, argv);
    // The computer players' rules file, from the sources.
    ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
    return applicazione;
}

// The cards a message names (the called card aside: public once named).
void CarteNominate(const QJsonValue& valore, const QString& chiave, std::vector<int>& carte) {
    if (valore.isObject()) {
        const QJsonObject oggetto = valore.toObject();
        for (auto it = oggetto.begin(); it != oggetto.end(); ++it) {
            if (it.key() != QLatin1String("cartaChiamata")) {
                CarteNominate(it.value(), it.key(), carte);
            }
        }
    } else if (valore.isArray()) {
        const QJsonArray array = valore.toArray();
        for (const QJsonValue& v : array) {
            CarteNominate(v, chiave, carte);
        }
    } else if (valore.isString() &&
               (chiave == QLatin1String("carta") || chiave == QLatin1String("mano"))) {
        carte.push_back(CartaDaCodice(valore.toString().toStdString()).Indice());
    }
}

void ControllaMani(const RegistroPartita& registro) {
    std::array<int, 5> inMano{};
    std::array<int, 5> giocate{};
    for (int n = 0; n < registro.NumeroCarteGiocate(); ++n) {
        int giocatore = -1;
        Carta carta;
        registro.CartaGiocata(n, giocatore, carta);
        CONTROLLA(giocatore >= 0 && giocatore < 5);
        CONTROLLA(!registro.InMano(carta.Indice()));
        ++giocate[static_cast<std::size_t>(giocatore)];
    }
    for (int c = 0; c < 40; ++c) {
        if (registro.InMano(c)) {
            const int giocatore = registro.Distribuzione(c);
            CONTROLLA(giocatore >= 0 && giocatore < 5);
            ++inMano[static_cast<std::size_t>(giocatore)];
        }
    }
    if (registro.NumeroCarteGiocate() > 0 || inMano[0] > 0) {
        for (std::size_t s = 0; s < 5; ++s) {
            CONTROLLA(inMano[s] + giocate[s] == 8);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    Applicazione();
    OpzioniSala opzioni;
    opzioni.seme = 7;
    SalaTavoli sala(opzioni);
    std::map<Id, int> posti;
    QString codice;
    QObject::connect(&sala, &ServizioTavoli::Invia, &sala, [&](Id id, const QString& testo) {
        const QJsonDocument documento = QJsonDocument::fromJson(testo.toUtf8());
        CONTROLLA(documento.isObject());
        const QJsonObject messaggio = documento.object();
        CONTROLLA(messaggio.value(QLatin1String("tipo")).isString());
        if (messaggio.value(QLatin1String("tipo")) == QLatin1String("seduto")) {
            posti[id] = messaggio.value(QLatin1String("posto")).toInt();
        }
        if (messaggio.value(QLatin1String("tipo")) == QLatin1String("creato")) {
            codice = messaggio.value(QLatin1String("codice")).toString();
        }
        const TavoloRete* tavolo = sala.TavoloDi(codice);
        if (tavolo == nullptr) {
            return;
        }
        const RegistroPartita& registro = tavolo->Gioco().Stato().registro;
        const auto seduto = posti.find(id);
        const int posto = seduto != posti.end() ? seduto->second : -1;
        std::vector<int> carte;
        CarteNominate(messaggio, {}, carte);
        for (int c : carte) {
            CONTROLLA(!(registro.InMano(c) && registro.Distribuzione(c) != posto));
        }
    });
    auto manda = [&](Id id, const char* testo) { sala.Ricevi(id, QString::fromUtf8(testo)); };
    sala.Apri(1, {}, QStringLiteral("127.0.0.1"));
    manda(1, R"({"tipo":"ciao","versione":1})");
    manda(1,
          R"({"tipo":"crea","nome":"F","manoAlBuio":true,"computer":"standard","tempoTurno":0})");
    CONTROLLA(!codice.isEmpty());
    manda(1, R"({"tipo":"siedi","posto":0,"nome":"A"})");
    sala.Apri(2, codice, QStringLiteral("127.0.0.1"));
    manda(2, R"({"tipo":"ciao","versione":1})");
    manda(2, R"({"tipo":"siedi","posto":2,"nome":"B"})");
    sala.Apri(3, codice, QStringLiteral("127.0.0.1"));
    manda(1, R"({"tipo":"comincia"})");

    // Messages are separated by newlines; the first byte of each picks the connection (low two
    // bits: 1..4) and, when its bit 7 is set, closes and reopens that connection instead.
    const std::string_view byte(reinterpret_cast<const char*>(dati), dimensione);
    std::size_t inizio = 0;
    while (inizio < byte.size()) {
        std::size_t fine = byte.find('\n', inizio);
        if (fine == std::string_view::npos) {
            fine = byte.size();
        }
        const std::string_view pezzo = byte.substr(inizio, fine - inizio);
        inizio = fine + 1;
        if (pezzo.empty()) {
            continue;
        }
        const auto scelta = static_cast<unsigned char>(pezzo[0]);
        const Id id = 1 + (scelta & 3u);
        if ((scelta & 0x80u) != 0) {
            sala.Chiudi(id);
            posti.erase(id);
            sala.Apri(id, (scelta & 0x40u) != 0 ? QString() : codice, QStringLiteral("::1"));
            continue;
        }
        const std::string_view testo = pezzo.substr(1);
        sala.Ricevi(id, QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())));
        if (const TavoloRete* tavolo = sala.TavoloDi(codice)) {
            ControllaMani(tavolo->Gioco().Stato().registro);
        }
    }
    return 0;
}
