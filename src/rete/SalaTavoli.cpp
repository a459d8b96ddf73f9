#include "rete/SalaTavoli.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtGlobal>

#include "comune/ScritturaAtomica.h"
#include "motori/MotoreOK.h"
#include "rete/CodiciTavolo.h"

namespace {

constexpr const char* kEstensione = ".tavolo";
// A saved table is a few tens of kilobytes; anything far bigger is not one.
constexpr qint64 kMassimoFile = 4 * 1024 * 1024;

} // namespace

SalaTavoli::SalaTavoli(const OpzioniSala& opzioniDate, QObject* padre)
    : ServizioTavoli(padre), opzioni(opzioniDate) {
    if (!PrefissoAmmissibile(opzioni.prefissoCodici)) {
        throw Errore("Il prefisso dei codici ammette solo lettere e cifre, al massimo 16");
    }
    if (opzioni.fili > 0) {
        fili.setMaxThreadCount(opzioni.fili);
    }
    Riapri();
}

SalaTavoli::~SalaTavoli() {
    // The tables go while the workers that may still run their steps are there to wait for.
    fili.waitForDone();
    tavoli.clear();
}

const TavoloRete* SalaTavoli::TavoloDi(const QString& codice) const {
    const auto trovato = tavoli.find(codice);
    return trovato != tavoli.end() ? trovato->second.get() : nullptr;
}

void SalaTavoli::InviaA(std::uint64_t connessione, const QString& testo) {
    emit Invia(connessione, testo);
}

void SalaTavoli::Congeda(std::uint64_t connessione, const QString& motivo) {
    emit Disconnetti(connessione, motivo);
}

void SalaTavoli::Apri(IdConnessione connessione, const QString& codice,
                      const QString& /*indirizzo*/) {
    connessioni[connessione] = Connessione{codice, {}, false};
}

void SalaTavoli::Ricevi(IdConnessione connessione, const QString& testo) {
    const auto trovata = connessioni.find(connessione);
    if (arrestata || trovata == connessioni.end()) {
        return;
    }
    try {
        Gestisci(connessione, trovata->second, DecodificaRichiesta(testo));
    } catch (const ErroreRichiesta& e) {
        InviaA(connessione, Codifica(MessaggioErrore(e.Codice(), e.what())));
    } catch (const std::exception& e) {
        qWarning("Connessione %llu: %s", static_cast<unsigned long long>(connessione), e.what());
        InviaA(connessione, Codifica(MessaggioErrore("interno", e.what())));
    }
}

void SalaTavoli::Gestisci(IdConnessione connessione, Connessione& stato,
                          const Richiesta& richiesta) {
    if (!stato.salutata) {
        Saluta(connessione, stato, richiesta);
        return;
    }
    switch (richiesta.tipo) {
    case Richiesta::Tipo::Ciao:
        throw ErroreRichiesta("ordine", "Il saluto è già stato fatto");
    case Richiesta::Tipo::Crea:
        Crea(connessione, stato, richiesta);
        return;
    default:
        break;
    }
    const auto tavolo = tavoli.find(stato.tavolo);
    if (stato.tavolo.isEmpty() || tavolo == tavoli.end()) {
        throw ErroreRichiesta("tavolo", "Non sei a nessun tavolo");
    }
    tavolo->second->Gestisci(connessione, richiesta);
}

void SalaTavoli::Saluta(IdConnessione connessione, Connessione& stato, const Richiesta& richiesta) {
    if (richiesta.tipo != Richiesta::Tipo::Ciao) {
        throw ErroreRichiesta("ordine", "Il primo messaggio deve essere ciao");
    }
    if (richiesta.versione != kVersioneProtocollo) {
        InviaA(connessione, Codifica(MessaggioErrore(
                                "versione", "Versione del protocollo non supportata: " +
                                                std::to_string(richiesta.versione) +
                                                " (il server parla la versione " +
                                                std::to_string(kVersioneProtocollo) + ")")));
        Congeda(connessione, QStringLiteral("Versione del protocollo non supportata"));
        return;
    }
    TavoloRete* tavolo = nullptr;
    if (!stato.percorso.isEmpty()) {
        const auto trovato = tavoli.find(stato.percorso);
        if (trovato == tavoli.end()) {
            throw ErroreRichiesta("tavolo", "Nessun tavolo con questo codice");
        }
        tavolo = trovato->second.get();
    }
    stato.salutata = true;
    InviaA(connessione, Codifica({{QStringLiteral("tipo"), QStringLiteral("benvenuto")},
                                  {QStringLiteral("versione"), kVersioneProtocollo}}));
    if (tavolo != nullptr) {
        stato.tavolo = stato.percorso;
        tavolo->Entra(connessione, false);
    }
}

void SalaTavoli::Crea(IdConnessione connessione, Connessione& stato, const Richiesta& richiesta) {
    if (!stato.percorso.isEmpty() || !stato.tavolo.isEmpty()) {
        throw ErroreRichiesta("ordine", "Un tavolo si crea solo dal percorso /ws, una volta");
    }
    if (static_cast<int>(tavoli.size()) >= opzioni.massimoTavoli) {
        throw ErroreRichiesta("limite", "Il server ha già il numero massimo di tavoli");
    }
    QString codice;
    do {
        codice = NuovoCodiceTavolo(opzioni.prefissoCodici);
    } while (tavoli.contains(codice));
    const std::uint32_t seme =
        opzioni.seme ? *opzioni.seme : QRandomGenerator::system()->generate();
    ImpostazioniTavolo impostazioni;
    impostazioni.nome = richiesta.nome;
    impostazioni.manoAlBuio = richiesta.manoAlBuio;
    impostazioni.computer = richiesta.computer;
    impostazioni.tempoTurno = richiesta.tempoTurno;
    impostazioni.suggerimenti = richiesta.suggerimenti;
    auto tavolo = std::make_unique<TavoloRete>(codice, impostazioni, seme, opzioni, Uscita(), &fili,
                                               Regole());
    TavoloRete* nuovo = tavolo.get();
    Aggiungi(std::move(tavolo));
    stato.tavolo = codice;
    InviaA(connessione, Codifica({{QStringLiteral("tipo"), QStringLiteral("creato")},
                                  {QStringLiteral("codice"), codice}}));
    nuovo->Entra(connessione, true);
}

void SalaTavoli::Aggiungi(std::unique_ptr<TavoloRete> tavolo) {
    connect(tavolo.get(), &TavoloRete::Chiuso, this, [this](const QString& codice) {
        const auto trovato = tavoli.find(codice);
        if (trovato == tavoli.end()) {
            return;
        }
        // Closed from its own timer: it goes once the timer's call is over.
        trovato->second.release()->deleteLater();
        tavoli.erase(trovato);
        if (!opzioni.cartellaDati.isEmpty()) {
            QFile::remove(FileDi(codice));
        }
    });
    const QString codice = tavolo->Codice();
    tavoli.emplace(codice, std::move(tavolo));
}

const RegoleLette* SalaTavoli::Regole() {
    if (!regole) {
        regole = std::make_unique<const RegoleLette>(RegoleLette::DaFile(MotoreOK::kFileRegole));
    }
    return regole.get();
}

void SalaTavoli::Chiudi(IdConnessione connessione) {
    const auto trovata = connessioni.find(connessione);
    if (trovata == connessioni.end()) {
        return;
    }
    const QString codice = trovata->second.tavolo;
    connessioni.erase(trovata);
    const auto tavolo = tavoli.find(codice);
    if (!arrestata && tavolo != tavoli.end()) {
        try {
            tavolo->second->Esci(connessione);
        } catch (const std::exception& e) {
            qWarning("Tavolo %s: %s", qPrintable(codice), e.what());
        }
    }
}

QString SalaTavoli::FileDi(const QString& codice) const {
    return QDir(opzioni.cartellaDati).filePath(codice + QLatin1String(kEstensione));
}

void SalaTavoli::Arresta() {
    if (arrestata) {
        return;
    }
    arrestata = true;
    // Every step running elsewhere ends, and its table takes it in, before anything is saved.
    fili.waitForDone();
    for (const auto& voce : tavoli) {
        voce.second->Ferma();
    }
    const bool salva = !opzioni.cartellaDati.isEmpty() && QDir().mkpath(opzioni.cartellaDati);
    for (const auto& [codice, tavolo] : tavoli) {
        bool salvato = false;
        if (salva) {
            const QByteArray byte = ScriviTavoloSalvato(tavolo->Salvataggio());
            salvato = ScriviFileAtomico(
                FileDi(codice).toStdString(),
                std::string_view(byte.constData(), static_cast<std::size_t>(byte.size())));
            if (!salvato) {
                qWarning("Il tavolo %s non si è potuto salvare in %s", qPrintable(codice),
                         qPrintable(FileDi(codice)));
            }
        }
        tavolo->ATutti({{QStringLiteral("tipo"), QStringLiteral("arresto")},
                        {QStringLiteral("messaggio"),
                         salvato ? QStringLiteral("Il server si ferma: il tavolo è salvato, "
                                                  "rientrate con lo stesso codice e gettone")
                                 : QStringLiteral("Il server si ferma")}});
    }
    for (const auto& voce : connessioni) {
        Congeda(voce.first, QStringLiteral("Il server si ferma"));
    }
}

void SalaTavoli::Riapri() {
    if (opzioni.cartellaDati.isEmpty()) {
        return;
    }
    const QDir cartella(opzioni.cartellaDati);
    const QStringList nomi = cartella.entryList({QStringLiteral("*") + QLatin1String(kEstensione)},
                                                QDir::Files, QDir::Name);
    for (const QString& nome : nomi) {
        const QString percorso = cartella.filePath(nome);
        QString motivo;
        try {
            QFile file(percorso);
            if (file.size() > kMassimoFile || !file.open(QIODevice::ReadOnly)) {
                throw Errore("file troppo grande o illeggibile");
            }
            const TavoloSalvato salvato = LeggiTavoloSalvato(file.readAll());
            if (salvato.codice + QLatin1String(kEstensione) != nome ||
                tavoli.contains(salvato.codice)) {
                throw Errore("il nome del file non è quello del tavolo");
            }
            Aggiungi(std::make_unique<TavoloRete>(salvato, opzioni, Uscita(), &fili, Regole()));
            continue;
        } catch (const std::exception& e) {
            motivo = QString::fromStdString(e.what());
        }
        // Never deleted: set aside under a name that is not read again, for someone to look at.
        QString accanto = percorso + QStringLiteral(".illeggibile");
        for (int n = 1; QFileInfo::exists(accanto); ++n) {
            accanto = percorso + QStringLiteral(".illeggibile.%1").arg(n);
        }
        qWarning("Tavolo salvato %s non riaperto (%s): messo da parte come %s",
                 qPrintable(percorso), qPrintable(motivo), qPrintable(accanto));
        QFile::rename(percorso, accanto);
    }
}

std::unique_ptr<ServizioTavoli> CreaServizioTavoli(const OpzioniSala& opzioni, QObject* padre) {
    return std::make_unique<SalaTavoli>(opzioni, padre);
}
