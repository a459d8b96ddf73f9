#include "rete/TavoloRete.h"

#include <QJsonArray>
#include <QThreadPool>
#include <QtGlobal>

#include "comune/Errore.h"
#include "rete/CodiciTavolo.h"
#include "rete/FinestraRete.h"
#include "rete/VistaPosto.h"

TavoloRete::TavoloRete(const QString& codice, const ImpostazioniTavolo& impostazioni,
                       std::uint32_t seme, const OpzioniSala& opzioni, UscitaTavoli& uscita,
                       QThreadPool* fili, const RegoleLette* regole)
    : codice(codice), impostazioni(impostazioni), opzioni(opzioni), uscita(&uscita), fili(fili) {
    Prepara(regole);
    tavolo->Stato().generatore.Semina(seme);
}

TavoloRete::~TavoloRete() {
    // A step still running elsewhere uses this table: it ends first.
    if (calcolando && fili != nullptr) {
        fili->waitForDone();
    }
}

void TavoloRete::Prepara(const RegoleLette* regole) {
    opzioniComputer.regoleLette = regole;
    if (impostazioni.computer == TipoComputer::Esperto) {
        opzioniComputer.esperto.fill(true);
    }
    finestra = std::make_unique<FinestraRete>(
        [this](int posto, const QJsonObject& messaggio) { Consegna(posto, messaggio); });
    tavolo = std::make_unique<Tavolo>(0, 0u, finestra.get(), opzioniComputer);
    finestra->ImpostaStato(tavolo->Stato());
    tavolo->Driver().ImpostaManoAlBuio(impostazioni.manoAlBuio);
    // The table is built with standard players at seats 0..3 (experts everywhere for an
    // expert table) and the window's seat 4: each seat gets the table's kind.
    for (int posto = 0; posto < 5; ++posto) {
        if (impostazioni.computer == TipoComputer::Tattico ||
            (impostazioni.computer == TipoComputer::Standard && posto == 4)) {
            AlComputer(posto);
        }
    }
    timerTurno.setSingleShot(true);
    timerFine.setSingleShot(true);
    timerChiusura.setSingleShot(true);
    connect(&timerTurno, &QTimer::timeout, this, [this] { AlRiparo([this] { TurnoScaduto(); }); });
    connect(&timerFine, &QTimer::timeout, this, [this] {
        AlRiparo([this] {
            if (fineAttesa && !fermo && PersoneConnesse() > 0) {
                fineAttesa = false;
                NuovaPartita();
                Avanza();
            }
        });
    });
    connect(&timerChiusura, &QTimer::timeout, this, [this] {
        if (!calcolando) {
            emit Chiuso(codice);
        }
    });
    AggiornaChiusura();
}

void TavoloRete::AlRiparo(const std::function<void()>& azione) {
    try {
        azione();
    } catch (const std::exception& e) {
        qWarning("Tavolo %s: %s", qPrintable(codice), e.what());
    }
}

TipoMotore TavoloRete::TipoComputerMotore() const {
    return impostazioni.computer == TipoComputer::Tattico ? TipoMotore::Probabilita
                                                          : TipoMotore::OK;
}

void TavoloRete::AlComputer(int posto) {
    tavolo->AffidaAlComputer(posto, TipoComputerMotore(), opzioniComputer);
}

void TavoloRete::Invia(IdConnessione connessione, const QJsonObject& messaggio) {
    uscita->InviaA(connessione, Codifica(messaggio));
}

void TavoloRete::Consegna(int posto, const QJsonObject& messaggio) {
    // A step on a worker thread leaves its messages here; they go out on the table's thread.
    if (calcolando) {
        trattenuti.emplace_back(posto, messaggio);
        return;
    }
    QString testo;
    for (const auto& [id, connessione] : connessioni) {
        if (connessione.posto == posto) {
            if (testo.isEmpty()) {
                testo = Codifica(messaggio);
            }
            uscita->InviaA(id, testo);
        }
    }
}

void TavoloRete::ATutti(const QJsonObject& messaggio) {
    const QString testo = Codifica(messaggio);
    for (const auto& voce : connessioni) {
        uscita->InviaA(voce.first, testo);
    }
}

TavoloRete::Connessione& TavoloRete::ConnessioneDi(IdConnessione connessione) {
    const auto trovata = connessioni.find(connessione);
    if (trovata == connessioni.end()) {
        throw ErroreRichiesta("tavolo", "La connessione non è a questo tavolo");
    }
    return trovata->second;
}

int TavoloRete::PostoSeduto(IdConnessione connessione) {
    const int posto = ConnessioneDi(connessione).posto;
    if (posto < 0) {
        throw ErroreRichiesta("posto", "Non sei seduto a nessun posto");
    }
    return posto;
}

int TavoloRete::PersoneConnesse() const {
    int persone = 0;
    for (const Posto& posto : posti) {
        persone += posto.connessione != 0 ? 1 : 0;
    }
    return persone;
}

void TavoloRete::Entra(IdConnessione connessione, bool creatore) {
    if (calcolando) {
        differiti.emplace_back([this, connessione, creatore] { Entra(connessione, creatore); });
        return;
    }
    connessioni[connessione] = Connessione{-1, creatore};
    Invia(connessione, MessaggioStato(connessione));
    if (fineAttesa && !timerFine.isActive()) {
        orologioFine.start();
        timerFine.start(opzioni.attesaFinePartitaMs);
    }
    AggiornaChiusura();
    Avanza();
}

void TavoloRete::Esci(IdConnessione connessione) {
    if (calcolando) {
        differiti.emplace_back([this, connessione] { Esci(connessione); });
        return;
    }
    const auto trovata = connessioni.find(connessione);
    if (trovata == connessioni.end()) {
        return;
    }
    const int posto = trovata->second.posto;
    connessioni.erase(trovata);
    if (posto >= 0) {
        posti[static_cast<std::size_t>(posto)].connessione = 0;
        confermati.erase(posto);
        AlComputer(posto);
        caselle[static_cast<std::size_t>(posto)].Svuota();
        ATutti(MessaggioPosti());
        if (postoAtteso == posto) {
            postoAtteso = -1;
            timerTurno.stop();
        }
    }
    AggiornaChiusura();
    Avanza();
    ControllaFine();
}

void TavoloRete::Gestisci(IdConnessione connessione, const Richiesta& richiesta) {
    if (calcolando) {
        differiti.emplace_back([this, connessione, richiesta] {
            try {
                Gestisci(connessione, richiesta);
            } catch (const ErroreRichiesta& e) {
                Invia(connessione, MessaggioErrore(e.Codice(), e.what()));
            }
        });
        return;
    }
    ConnessioneDi(connessione);
    switch (richiesta.tipo) {
    case Richiesta::Tipo::Siedi:
        Siedi(connessione, richiesta);
        break;
    case Richiesta::Tipo::Rientra:
        Rientra(connessione, richiesta);
        break;
    case Richiesta::Tipo::Comincia:
        Comincia(connessione);
        break;
    case Richiesta::Tipo::Chiamata:
    case Richiesta::Tipo::Briscola:
    case Richiesta::Tipo::Carta:
        Decidi(connessione, richiesta);
        break;
    case Richiesta::Tipo::Conferma:
        Conferma(connessione);
        break;
    case Richiesta::Tipo::Chat:
        Chat(connessione, richiesta);
        break;
    case Richiesta::Tipo::Ciao:
    case Richiesta::Tipo::Crea:
        throw ErroreRichiesta("ordine", "Messaggio fuori luogo a un tavolo");
    }
}

void TavoloRete::Siedi(IdConnessione connessione, const Richiesta& richiesta) {
    Connessione& chi = ConnessioneDi(connessione);
    const int posto = richiesta.posto;
    if (chi.posto >= 0) {
        throw ErroreRichiesta("posto", "Sei già seduto al posto " + std::to_string(chi.posto));
    }
    Posto& scelto = posti[static_cast<std::size_t>(posto)];
    if (scelto.Persona()) {
        throw ErroreRichiesta("posto", "Il posto " + std::to_string(posto) + " è già occupato");
    }
    const QString gettone = NuovoGettone();
    scelto = Posto{richiesta.nome, ImprontaGettone(gettone), connessione};
    chi.posto = posto;
    if (chi.creatore && postoCreatore < 0) {
        postoCreatore = posto;
    }
    Seduto(connessione, posto, gettone);
}

void TavoloRete::Rientra(IdConnessione connessione, const Richiesta& richiesta) {
    Connessione& chi = ConnessioneDi(connessione);
    const int posto = richiesta.posto;
    if (chi.posto >= 0) {
        throw ErroreRichiesta("posto", "Sei già seduto al posto " + std::to_string(chi.posto));
    }
    Posto& suo = posti[static_cast<std::size_t>(posto)];
    if (!suo.Persona() || ImprontaGettone(richiesta.gettone) != suo.impronta) {
        throw ErroreRichiesta("gettone",
                              "Il gettone non è quello del posto " + std::to_string(posto));
    }
    // The seat taken back from another connection of the same person: that one only watches.
    if (suo.connessione != 0 && suo.connessione != connessione) {
        const auto vecchia = connessioni.find(suo.connessione);
        if (vecchia != connessioni.end()) {
            vecchia->second.posto = -1;
            uscita->Congeda(vecchia->first,
                            QStringLiteral("Posto ripreso da un'altra connessione"));
        }
    }
    suo.connessione = connessione;
    chi.posto = posto;
    Seduto(connessione, posto, {});
}

void TavoloRete::Seduto(IdConnessione connessione, int posto, const QString& gettone) {
    if (tavolo->Manager().MotoreDi(posto).Umano() == false) {
        tavolo->AffidaAPersona(posto, caselle[static_cast<std::size_t>(posto)]);
    }
    caselle[static_cast<std::size_t>(posto)].Svuota();
    QJsonObject seduto{{QStringLiteral("tipo"), QStringLiteral("seduto")},
                       {QStringLiteral("posto"), posto}};
    if (!gettone.isEmpty()) {
        seduto.insert(QStringLiteral("gettone"), gettone);
    }
    Invia(connessione, seduto);
    // Play resumes first, so that the state sent already says whose turn it is.
    Avanza();
    ATutti(MessaggioPosti());
    Invia(connessione, MessaggioStato(connessione));
}

void TavoloRete::Comincia(IdConnessione connessione) {
    const Connessione& chi = ConnessioneDi(connessione);
    if (!chi.creatore && !(postoCreatore >= 0 && chi.posto == postoCreatore)) {
        throw ErroreRichiesta("permesso", "Solo chi ha creato il tavolo comincia la serie");
    }
    if (iniziata) {
        throw ErroreRichiesta("stato", "La serie è già cominciata");
    }
    iniziata = true;
    NuovaPartita();
    Avanza();
}

void TavoloRete::Decidi(IdConnessione connessione, const Richiesta& richiesta) {
    const int posto = PostoSeduto(connessione);
    const CasellaRete::Attesa cosa =
        richiesta.tipo == Richiesta::Tipo::Chiamata   ? CasellaRete::Attesa::Chiamata
        : richiesta.tipo == Richiesta::Tipo::Briscola ? CasellaRete::Attesa::Briscola
                                                      : CasellaRete::Attesa::Carta;
    if (postoAtteso != posto) {
        throw ErroreRichiesta("turno", "Non è il tuo turno");
    }
    if (cosaAttesa != cosa) {
        throw ErroreRichiesta("turno", std::string("Ora non si decide: ") + NomeAttesa(cosa));
    }
    const RegistroPartita& registro = tavolo->Stato().registro;
    CasellaRete& casella = caselle[static_cast<std::size_t>(posto)];
    switch (cosa) {
    case CasellaRete::Attesa::Chiamata: {
        const Chiamata chiamata = richiesta.chiamata;
        if (chiamata.Valore == kPasso) {
            if (registro.chiamata == ChiamataNulla && registro.GiocatoriInLicitazione() <= 1) {
                throw ErroreRichiesta(
                    "chiamata", "Nessuno ha chiamato: l'ultimo in licitazione non può passare");
            }
        } else if (!Supera(chiamata, registro.chiamata)) {
            throw ErroreRichiesta("chiamata", "La chiamata " +
                                                  CodiceChiamata(chiamata).toStdString() +
                                                  " non supera quella in piedi, " +
                                                  CodiceChiamata(registro.chiamata).toStdString());
        }
        casella.Metti(chiamata);
        break;
    }
    case CasellaRete::Attesa::Briscola:
        casella.Metti(Briscola(richiesta.seme));
        break;
    case CasellaRete::Attesa::Carta: {
        const int indice = richiesta.carta.Indice();
        if (!registro.InMano(indice) || registro.Distribuzione(indice) != posto) {
            throw ErroreRichiesta("carta", "La carta " +
                                               CodiceCartaRete(richiesta.carta).toStdString() +
                                               " non è nella tua mano");
        }
        casella.Metti(richiesta.carta);
        break;
    }
    case CasellaRete::Attesa::Nessuna:
        break;
    }
    postoAtteso = -1;
    timerTurno.stop();
    Avanza();
}

void TavoloRete::Conferma(IdConnessione connessione) {
    const int posto = PostoSeduto(connessione);
    if (!fineAttesa) {
        throw ErroreRichiesta("stato", "Nessuna partita finita da confermare");
    }
    confermati.insert(posto);
    ATutti(MessaggioAttesa());
    ControllaFine();
}

void TavoloRete::Chat(IdConnessione connessione, const Richiesta& richiesta) {
    const int posto = PostoSeduto(connessione);
    ATutti({{QStringLiteral("tipo"), QStringLiteral("chat")},
            {QStringLiteral("posto"), posto},
            {QStringLiteral("nome"), posti[static_cast<std::size_t>(posto)].nome},
            {QStringLiteral("testo"), richiesta.testo}});
}
