#include "rete/Protocollo.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>
#include <cmath>

#include "carte/CodiceCarta.h"

namespace {

struct Campo {
    const char* nome;
    QJsonValue::Type tipo;
    // A field a client of this version may leave out (added after the first clients).
    bool facoltativo = false;
};

void Rifiuta(const std::string& codice, const std::string& messaggio) {
    throw ErroreRichiesta(codice, messaggio);
}

// The fields of a message, exactly: every one present with its type, no other.
void ControllaCampi(const QJsonObject& oggetto, std::initializer_list<Campo> campi) {
    for (auto it = oggetto.begin(); it != oggetto.end(); ++it) {
        if (it.key() == QLatin1String("tipo")) {
            continue;
        }
        bool atteso = false;
        for (const Campo& campo : campi) {
            atteso = atteso || it.key() == QLatin1String(campo.nome);
        }
        if (!atteso) {
            Rifiuta("campo", "Campo non ammesso: " + it.key().left(30).toStdString());
        }
    }
    for (const Campo& campo : campi) {
        const QJsonValue valore = oggetto.value(QLatin1String(campo.nome));
        if (valore.isUndefined()) {
            if (campo.facoltativo) {
                continue;
            }
            Rifiuta("campo", std::string("Campo mancante: ") + campo.nome);
        }
        if (valore.type() != campo.tipo) {
            Rifiuta("campo", std::string("Campo di tipo errato: ") + campo.nome);
        }
    }
}

int Intero(const QJsonObject& oggetto, const char* nome, int minimo, int massimo) {
    const double valore = oggetto.value(QLatin1String(nome)).toDouble();
    if (!(valore >= minimo && valore <= massimo) || std::floor(valore) != valore) {
        Rifiuta("campo", std::string("Il campo ") + nome + " deve essere un intero da " +
                             std::to_string(minimo) + " a " + std::to_string(massimo));
    }
    return static_cast<int>(valore);
}

QString Testo(const QJsonObject& oggetto, const char* nome) {
    return oggetto.value(QLatin1String(nome)).toString();
}

QString NomeControllato(const QJsonObject& oggetto, const char* campo, int massimo) {
    const QString nome = Testo(oggetto, campo);
    if (!NomeAmmissibile(nome, massimo)) {
        Rifiuta("nome", "Il nome deve avere da 1 a " + std::to_string(massimo) +
                            " caratteri, senza caratteri di controllo");
    }
    return nome;
}

bool Controllo(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
           c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

const QStringList& NomiComputer() {
    static const QStringList nomi = {QStringLiteral("standard"), QStringLiteral("tattico"),
                                     QStringLiteral("esperto")};
    return nomi;
}

} // namespace

bool NomeAmmissibile(const QString& nome, int massimo) {
    if (nome.isEmpty() || nome.size() > massimo || nome.trimmed().isEmpty()) {
        return false;
    }
    for (QChar c : nome) {
        if (Controllo(c)) {
            return false;
        }
    }
    return nome.isValidUtf16();
}

QString NomeComputer(TipoComputer tipo) {
    return NomiComputer().at(static_cast<int>(tipo));
}

TipoComputer ComputerDaNome(const QString& nome) {
    const auto i = NomiComputer().indexOf(nome);
    if (i < 0) {
        Rifiuta("campo", "Il computer deve essere standard, tattico o esperto");
    }
    return static_cast<TipoComputer>(i);
}

QString CodiceCartaRete(const ::Carta& carta) {
    return QString::fromStdString(CodiceCarta(carta));
}

::Carta CartaDaCodiceRete(const QString& codice) {
    try {
        return CartaDaCodice(codice.left(4).toStdString());
    } catch (const Errore& e) {
        Rifiuta("carta", e.what());
    }
    return CartaIndefinita;
}

QString CodiceChiamata(const ::Chiamata& chiamata) {
    if (chiamata.Valore == kPasso) {
        return QStringLiteral("passo");
    }
    if (chiamata.Valore == kNessunaChiamata) {
        return {};
    }
    if (chiamata.Punti > 60) {
        return QString::number(chiamata.Punti);
    }
    return CodiceCartaRete(::Carta(chiamata.ValoreVerificato(), 0)).left(1);
}

::Chiamata ChiamataDaCodice(const QString& codice) {
    if (codice == QLatin1String("passo")) {
        return ChiamataPasso;
    }
    if (codice.size() == 1) {
        for (int valore = 0; valore < 10; ++valore) {
            if (CodiceCartaRete(::Carta(valore, 0)).at(0) == codice.at(0)) {
                return ::Chiamata(valore);
            }
        }
    }
    bool numero = false;
    const int punti = codice.size() <= 3 ? codice.toInt(&numero) : 0;
    if (numero && punti >= 61 && punti <= 120 && codice.at(0) != u'+' && codice.at(0) != u'0') {
        return ::Chiamata(punti);
    }
    Rifiuta("chiamata", "Chiamata sconosciuta: " + codice.left(10).toStdString());
    return ChiamataNulla;
}

Richiesta DecodificaRichiesta(const QString& testo) {
    QJsonParseError errore{};
    const QJsonDocument documento = QJsonDocument::fromJson(testo.toUtf8(), &errore);
    if (errore.error != QJsonParseError::NoError || !documento.isObject()) {
        Rifiuta("json", "Il messaggio non è un oggetto JSON");
    }
    const QJsonObject oggetto = documento.object();
    const QJsonValue tipo = oggetto.value(QLatin1String("tipo"));
    if (!tipo.isString()) {
        Rifiuta("tipo", "Manca il tipo del messaggio");
    }
    const QString nome = tipo.toString();
    Richiesta r;
    using T = QJsonValue::Type;
    if (nome == QLatin1String("ciao")) {
        ControllaCampi(oggetto, {{"versione", T::Double}});
        r.tipo = Richiesta::Tipo::Ciao;
        r.versione = Intero(oggetto, "versione", 0, 1000000);
    } else if (nome == QLatin1String("crea")) {
        ControllaCampi(oggetto, {{"nome", T::String},
                                 {"manoAlBuio", T::Bool},
                                 {"computer", T::String},
                                 {"tempoTurno", T::Double},
                                 {"suggerimenti", T::Bool, true}});
        r.tipo = Richiesta::Tipo::Crea;
        r.suggerimenti = oggetto.value(QLatin1String("suggerimenti")).toBool(false);
        r.nome = NomeControllato(oggetto, "nome", kLunghezzaNomeTavolo);
        r.manoAlBuio = oggetto.value(QLatin1String("manoAlBuio")).toBool();
        r.computer = ComputerDaNome(Testo(oggetto, "computer"));
        r.tempoTurno = Intero(oggetto, "tempoTurno", 0, kTempoTurnoMassimo);
    } else if (nome == QLatin1String("siedi")) {
        ControllaCampi(oggetto, {{"posto", T::Double}, {"nome", T::String}});
        r.tipo = Richiesta::Tipo::Siedi;
        r.posto = Intero(oggetto, "posto", 0, 4);
        r.nome = NomeControllato(oggetto, "nome", kLunghezzaNome);
    } else if (nome == QLatin1String("rientra")) {
        ControllaCampi(oggetto, {{"posto", T::Double}, {"gettone", T::String}});
        r.tipo = Richiesta::Tipo::Rientra;
        r.posto = Intero(oggetto, "posto", 0, 4);
        r.gettone = Testo(oggetto, "gettone").left(100);
    } else if (nome == QLatin1String("comincia")) {
        ControllaCampi(oggetto, {});
        r.tipo = Richiesta::Tipo::Comincia;
    } else if (nome == QLatin1String("chiamata")) {
        ControllaCampi(oggetto, {{"chiamata", T::String}});
        r.tipo = Richiesta::Tipo::Chiamata;
        r.chiamata = ChiamataDaCodice(Testo(oggetto, "chiamata"));
    } else if (nome == QLatin1String("briscola")) {
        ControllaCampi(oggetto, {{"seme", T::String}});
        r.tipo = Richiesta::Tipo::Briscola;
        try {
            r.seme = SemeDaCodice(Testo(oggetto, "seme").left(4).toStdString());
        } catch (const Errore&) {
            Rifiuta("briscola", "Il seme deve essere C, Q, F o P");
        }
    } else if (nome == QLatin1String("carta")) {
        ControllaCampi(oggetto, {{"carta", T::String}});
        r.tipo = Richiesta::Tipo::Carta;
        r.carta = CartaDaCodiceRete(Testo(oggetto, "carta"));
    } else if (nome == QLatin1String("conferma")) {
        ControllaCampi(oggetto, {});
        r.tipo = Richiesta::Tipo::Conferma;
    } else if (nome == QLatin1String("chat")) {
        ControllaCampi(oggetto, {{"testo", T::String}});
        r.tipo = Richiesta::Tipo::Chat;
        const QString grezzo = Testo(oggetto, "testo");
        for (QChar c : grezzo) {
            if (!Controllo(c)) {
                r.testo += c;
            }
        }
        // A lone surrogate is no character: it becomes the replacement character.
        const auto punti = r.testo.toUcs4();
        r.testo =
            QString::fromUcs4(reinterpret_cast<const char32_t*>(punti.constData()), punti.size());
        if (r.testo.trimmed().isEmpty() || r.testo.size() > kLunghezzaChat) {
            Rifiuta("campo", "Il messaggio di chat deve avere da 1 a " +
                                 std::to_string(kLunghezzaChat) + " caratteri");
        }
    } else {
        Rifiuta("tipo", "Tipo di messaggio sconosciuto: " + nome.left(20).toStdString());
    }
    return r;
}

QString Codifica(const QJsonObject& messaggio) {
    return QString::fromUtf8(QJsonDocument(messaggio).toJson(QJsonDocument::Compact));
}

QJsonObject MessaggioErrore(const std::string& codice, const std::string& messaggio) {
    return {{QStringLiteral("tipo"), QStringLiteral("errore")},
            {QStringLiteral("codice"), QString::fromStdString(codice)},
            {QStringLiteral("messaggio"), QString::fromStdString(messaggio)}};
}
