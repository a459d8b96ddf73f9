#include "rete/TavoloSalvato.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "comune/Casuale.h"
#include "partita/TipoStoriaPartite.h"
#include "rete/CodiciTavolo.h"

namespace {

constexpr int kVersioneFile = 1;
// A game is at most 75 bids, a trump and 40 cards.
constexpr qsizetype kMassimoDecisioni = 120;

[[noreturn]] void Guasto(const std::string& cosa) {
    throw Errore("Tavolo salvato non valido: " + cosa);
}

QJsonValue Valore(const QJsonObject& oggetto, const char* nome, QJsonValue::Type tipo) {
    const QJsonValue valore = oggetto.value(QLatin1String(nome));
    if (valore.type() != tipo) {
        Guasto(std::string("manca o è di tipo errato il campo ") + nome);
    }
    return valore;
}

int Intero(const QJsonObject& oggetto, const char* nome, int minimo, int massimo) {
    const double valore = Valore(oggetto, nome, QJsonValue::Double).toDouble();
    if (!(valore >= minimo && valore <= massimo) || static_cast<int>(valore) != valore) {
        Guasto(std::string("fuori dai limiti il campo ") + nome);
    }
    return static_cast<int>(valore);
}

QString Testo(const QJsonObject& oggetto, const char* nome) {
    return Valore(oggetto, nome, QJsonValue::String).toString();
}

bool Impronta(const QString& testo) {
    if (testo.size() != 64) {
        return false;
    }
    for (QChar c : testo) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'))) {
            return false;
        }
    }
    return true;
}

std::string Generatore(const QJsonObject& oggetto, const char* nome) {
    const std::string testo = Testo(oggetto, nome).toStdString();
    GeneratoreCasuale prova;
    if (!prova.ImpostaStato(testo)) {
        Guasto(std::string("illeggibile il campo ") + nome);
    }
    return testo;
}

QJsonObject ScriviDecisione(const DecisionePresa& decisione) {
    QJsonObject oggetto{{QStringLiteral("posto"), decisione.posto}};
    switch (decisione.tipo) {
    case DecisionePresa::Tipo::Chiamata:
        oggetto.insert(QStringLiteral("chiamata"), CodiceChiamata(decisione.chiamata));
        break;
    case DecisionePresa::Tipo::Briscola:
        oggetto.insert(QStringLiteral("briscola"), decisione.seme);
        break;
    case DecisionePresa::Tipo::Carta:
        oggetto.insert(QStringLiteral("carta"), CodiceCartaRete(decisione.carta));
        break;
    }
    return oggetto;
}

DecisionePresa LeggiDecisione(const QJsonValue& valore) {
    if (!valore.isObject() || valore.toObject().size() != 2) {
        Guasto("una decisione non è un oggetto di due campi");
    }
    const QJsonObject oggetto = valore.toObject();
    DecisionePresa decisione;
    decisione.posto = Intero(oggetto, "posto", 0, 4);
    try {
        if (oggetto.contains(QLatin1String("chiamata"))) {
            decisione.tipo = DecisionePresa::Tipo::Chiamata;
            decisione.chiamata = ChiamataDaCodice(Testo(oggetto, "chiamata"));
        } else if (oggetto.contains(QLatin1String("briscola"))) {
            decisione.tipo = DecisionePresa::Tipo::Briscola;
            decisione.seme = Intero(oggetto, "briscola", 0, 3);
        } else {
            decisione.tipo = DecisionePresa::Tipo::Carta;
            decisione.carta = CartaDaCodiceRete(Testo(oggetto, "carta"));
        }
    } catch (const ErroreRichiesta& e) {
        Guasto(e.what());
    }
    return decisione;
}

} // namespace

QByteArray ScriviTavoloSalvato(const TavoloSalvato& tavolo) {
    QJsonArray posti;
    for (const TavoloSalvato::Posto& posto : tavolo.posti) {
        posti.append(QJsonObject{{QStringLiteral("nome"), posto.nome},
                                 {QStringLiteral("impronta"), posto.impronta}});
    }
    QJsonArray decisioni;
    for (const DecisionePresa& decisione : tavolo.decisioni) {
        decisioni.append(ScriviDecisione(decisione));
    }
    const QJsonObject oggetto{
        {QStringLiteral("versione"), kVersioneFile},
        {QStringLiteral("codice"), tavolo.codice},
        {QStringLiteral("nome"), tavolo.impostazioni.nome},
        {QStringLiteral("manoAlBuio"), tavolo.impostazioni.manoAlBuio},
        {QStringLiteral("computer"), NomeComputer(tavolo.impostazioni.computer)},
        {QStringLiteral("tempoTurno"), tavolo.impostazioni.tempoTurno},
        {QStringLiteral("suggerimenti"), tavolo.impostazioni.suggerimenti},
        {QStringLiteral("postoCreatore"), tavolo.postoCreatore},
        {QStringLiteral("iniziata"), tavolo.iniziata},
        {QStringLiteral("posti"), posti},
        {QStringLiteral("storia"),
         QString::fromLatin1(
             QByteArray(tavolo.storia.data(), static_cast<qsizetype>(tavolo.storia.size()))
                 .toBase64())},
        {QStringLiteral("generatore"), QString::fromStdString(tavolo.generatore)},
        {QStringLiteral("partitaInCorso"), tavolo.partitaInCorso},
        {QStringLiteral("generatoreAllaPartita"),
         QString::fromStdString(tavolo.generatoreAllaPartita)},
        {QStringLiteral("decisioni"), decisioni}};
    return QJsonDocument(oggetto).toJson(QJsonDocument::Indented);
}

TavoloSalvato LeggiTavoloSalvato(const QByteArray& byte) {
    QJsonParseError errore{};
    const QJsonDocument documento = QJsonDocument::fromJson(byte, &errore);
    if (errore.error != QJsonParseError::NoError || !documento.isObject()) {
        Guasto("non è un oggetto JSON");
    }
    const QJsonObject oggetto = documento.object();
    if (Intero(oggetto, "versione", 0, 1000) != kVersioneFile) {
        Guasto("versione sconosciuta");
    }
    TavoloSalvato tavolo;
    tavolo.codice = Testo(oggetto, "codice");
    if (!CodiceAmmissibile(tavolo.codice)) {
        Guasto("codice non ammesso");
    }
    tavolo.impostazioni.nome = Testo(oggetto, "nome");
    if (!NomeAmmissibile(tavolo.impostazioni.nome, kLunghezzaNomeTavolo)) {
        Guasto("nome del tavolo non ammesso");
    }
    tavolo.impostazioni.manoAlBuio = Valore(oggetto, "manoAlBuio", QJsonValue::Bool).toBool();
    try {
        tavolo.impostazioni.computer = ComputerDaNome(Testo(oggetto, "computer"));
    } catch (const ErroreRichiesta& e) {
        Guasto(e.what());
    }
    tavolo.impostazioni.tempoTurno = Intero(oggetto, "tempoTurno", 0, kTempoTurnoMassimo);
    // Tables saved before hints could be allowed have none.
    if (oggetto.contains(QLatin1String("suggerimenti"))) {
        tavolo.impostazioni.suggerimenti =
            Valore(oggetto, "suggerimenti", QJsonValue::Bool).toBool();
    }
    tavolo.postoCreatore = Intero(oggetto, "postoCreatore", -1, 4);
    tavolo.iniziata = Valore(oggetto, "iniziata", QJsonValue::Bool).toBool();
    const QJsonArray posti = Valore(oggetto, "posti", QJsonValue::Array).toArray();
    if (posti.size() != 5) {
        Guasto("i posti non sono cinque");
    }
    for (qsizetype s = 0; s < 5; ++s) {
        if (!posti.at(s).isObject()) {
            Guasto("un posto non è un oggetto");
        }
        const QJsonObject posto = posti.at(s).toObject();
        TavoloSalvato::Posto& letto = tavolo.posti[static_cast<std::size_t>(s)];
        letto.nome = Testo(posto, "nome");
        letto.impronta = Testo(posto, "impronta");
        const bool persona = !letto.impronta.isEmpty();
        if ((persona &&
             (!Impronta(letto.impronta) || !NomeAmmissibile(letto.nome, kLunghezzaNome))) ||
            (!persona && !letto.nome.isEmpty())) {
            Guasto("posto " + std::to_string(s) + " non valido");
        }
    }
    const QByteArray storia = QByteArray::fromBase64(Testo(oggetto, "storia").toLatin1(),
                                                     QByteArray::AbortOnBase64DecodingErrors);
    tavolo.storia.assign(storia.constData(), static_cast<std::size_t>(storia.size()));
    TipoStoriaPartite prova;
    std::string motivo;
    if (!prova.CaricaDaByte(tavolo.storia, &motivo)) {
        Guasto("serie illeggibile: " + motivo);
    }
    tavolo.generatore = Generatore(oggetto, "generatore");
    tavolo.partitaInCorso = Valore(oggetto, "partitaInCorso", QJsonValue::Bool).toBool();
    const QJsonArray decisioni = Valore(oggetto, "decisioni", QJsonValue::Array).toArray();
    if (tavolo.partitaInCorso) {
        tavolo.generatoreAllaPartita = Generatore(oggetto, "generatoreAllaPartita");
        if (decisioni.size() > kMassimoDecisioni) {
            Guasto("troppe decisioni");
        }
        for (const QJsonValue& decisione : decisioni) {
            tavolo.decisioni.push_back(LeggiDecisione(decisione));
        }
    }
    return tavolo;
}
