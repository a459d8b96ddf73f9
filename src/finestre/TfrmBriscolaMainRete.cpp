// Network tables in the main window: the "Gioca in rete…" dialog, the room, the table shown
// through TavolaRemota, and the way back to a game against the computer.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QSslCertificate>
#include <QStandardPaths>

#include "finestre/CicloGioco.h"
#include "finestre/Dialoghi.h"
#include "finestre/FinestraGiocaInRete.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/LobbyTavolo.h"
#include "finestre/PanelPunti.h"
#include "finestre/TavolaRemota.h"
#include "finestre/TfrmBriscolaMain.h"
#include "finestre/TfrmOpzioni.h"
#include "finestre/TfrmStato.h"
#include "motori/Semaforo.h"
#include "motori/Tavolo.h"
#include "partita/TipoStoriaPartite.h"
#include "rete/OpzioniServer.h"
#include "rete/ServerLocale.h"

namespace {

// The hosting window's own connection, on the loopback address, takes its server's
// certificate whatever name it was made for.
void FidatiDelServer(ClienteTavolo& cliente, const ServerLocale& server,
                     const QString& certificato) {
    if (server.Sicuro()) {
        cliente.FidatiAnche(QSslCertificate::fromPath(certificato));
    }
}

constexpr quint16 kPorta = OpzioniServer::kPortaPredefinita;

QString TestoGuasto(ClienteTavolo::Guasto guasto, const QString& server, const QString& codice,
                    const QString& dettaglio) {
    using G = ClienteTavolo::Guasto;
    switch (guasto) {
    case G::Irraggiungibile:
        return QCoreApplication::translate(
                   "TfrmBriscolaMain",
                   "Il server %1 non risponde. Controlla l'indirizzo e la porta, e che chi ospita "
                   "il tavolo abbia il gioco aperto.")
            .arg(server);
    case G::CodiceSconosciuto:
        return QCoreApplication::translate(
                   "TfrmBriscolaMain", "Su questo server non c'è nessun tavolo con il codice %1.")
            .arg(codice);
    case G::TavoloPieno:
        return QCoreApplication::translate("TfrmBriscolaMain",
                                           "Il tavolo è al completo: ci sono già cinque persone.");
    case G::Versione:
        return QCoreApplication::translate(
            "TfrmBriscolaMain",
            "Il server usa un'altra versione del gioco: per giocare insieme serve la stessa "
            "versione.");
    case G::ConnessionePersa:
        return QCoreApplication::translate(
            "TfrmBriscolaMain",
            "La connessione al tavolo si è interrotta. Il tuo posto resta tuo (intanto lo "
            "gioca il computer): per tornare scegli Partita → Gioca in rete… → Rientra.");
    case G::ServerFermato:
        return QCoreApplication::translate(
            "TfrmBriscolaMain",
            "Il server si è fermato: il tavolo è salvato e si potrà riprendere.");
    case G::TavoloChiuso:
        return QCoreApplication::translate("TfrmBriscolaMain", "Il tavolo è stato chiuso.");
    case G::MessaggioNonValido:
        return QCoreApplication::translate(
                   "TfrmBriscolaMain",
                   "Il server ha mandato un messaggio non valido (%1): la connessione è chiusa.")
            .arg(dettaglio);
    case G::CertificatoNonFidato:
        return QCoreApplication::translate(
                   "TfrmBriscolaMain",
                   "Il server %1 usa un certificato TLS di cui questo sistema non si fida (%2): "
                   "la connessione non è stata aperta. Chi ospita deve usare un certificato "
                   "valido per quell'indirizzo.")
            .arg(server, dettaglio);
    }
    return {};
}

} // namespace

QString TfrmBriscolaMain::CartellaTavoliOspitati() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("tavoli"));
}

LobbyTavolo* TfrmBriscolaMain::Lobby() const {
    return lobby.data();
}

QString TfrmBriscolaMain::NomeMostrato(int giocatore) const {
    if (tavolaRemota) {
        return tavolaRemota->NomePosto(giocatore);
    }
    return opzioni != nullptr ? opzioni->NomeGiocatore(giocatore) : QString();
}

void TfrmBriscolaMain::AggiornaNomiRete() {
    for (int s = 0; s < 5; ++s) {
        PannelloDi(s).ImpostaNome(NomeMostrato(s));
    }
    panelPunti->ImpostaNomi();
}

QString TfrmBriscolaMain::TestoTipiGiocatori() const {
    if (!tavolaRemota) {
        return TfrmBriscolaBase::TestoTipiGiocatori();
    }
    QStringList righe;
    for (int s = 0; s < 5; ++s) {
        righe << tr("Posto %1: %2").arg(tavolaRemota->Remoto(s) + 1).arg(NomeMostrato(s));
    }
    return righe.join(QStringLiteral("\r\n"));
}

QString TfrmBriscolaMain::DomandaUscita() const {
    if (tavolaRemota && tavolaRemota->Server() != nullptr) {
        return tr("Chiudere il tavolo per tutti?");
    }
    return TfrmBriscolaBase::DomandaUscita();
}

void TfrmBriscolaMain::menuGiocaInReteClick() {
    if (tavolaRemota) {
        if (lobby) {
            lobby->show();
            lobby->raise();
        }
        return;
    }
    if (!modoRete && SemaforoGioco().InCorso() &&
        !DialoghiCorrenti().Domanda(this, tr("Briscola Chiamata"),
                                    tr("Lasciare la partita in corso per giocare in rete?"))) {
        return;
    }
    const QString nome = opzioni != nullptr ? opzioni->NomeGiocatore(4) : QString();
    const TavoloRicordato ricordato = LeggiTavoloRicordato(FileTavoloRicordato());
    FinestraGiocaInRete dialogo(tr("Da %1").arg(nome), ricordato, this);
    if (opzioni != nullptr) {
        dialogo.ImpostaFileTls(opzioni->CertificatoTls(), opzioni->ChiaveTls());
    }
    if (DialoghiCorrenti().Esegui(dialogo) != QDialog::Accepted) {
        return;
    }
    const SceltaRete scelta = dialogo.Scelta();
    auto cliente = std::make_unique<ClienteTavolo>();
    std::unique_ptr<ServerLocale> server;
    QString pubblico;
    QString indirizzi;
    try {
        switch (scelta.modo) {
        case SceltaRete::Modo::Ospita: {
            OpzioniSala sala;
            sala.cartellaDati = CartellaTavoliOspitati();
            server =
                std::make_unique<ServerLocale>(sala, kPorta, scelta.certificato, scelta.chiave);
            FidatiDelServer(*cliente, *server, scelta.certificato);
            if (opzioni != nullptr) {
                // Remembered for the next table, and for coming back to this one.
                opzioni->ImpostaTls(scelta.certificato, scelta.chiave);
                opzioni->Salva();
            }
            QStringList elenco;
            for (const QHostAddress& a : ServerLocale::IndirizziMacchina()) {
                elenco << a.toString();
            }
            indirizzi = elenco.join(QStringLiteral(", "));
            pubblico = elenco.value(0);
            cliente->Crea({QStringLiteral("127.0.0.1"), server->Porta(), server->Sicuro(), {}},
                          scelta.impostazioni);
            break;
        }
        case SceltaRete::Modo::Unisciti:
            cliente->Unisciti(LeggiIndirizzoTavolo(scelta.server, scelta.codice, kPorta));
            break;
        case SceltaRete::Modo::Rientra: {
            IndirizzoTavolo dove = LeggiIndirizzoTavolo(ricordato.server, ricordato.codice, kPorta);
            if (ricordato.ospitato) {
                // The hosted table was saved when the game closed: the server reopens it.
                OpzioniSala sala;
                sala.cartellaDati = CartellaTavoliOspitati();
                const QString certificato =
                    opzioni != nullptr ? opzioni->CertificatoTls() : QString();
                server = std::make_unique<ServerLocale>(sala, dove.porta, certificato,
                                                        opzioni != nullptr ? opzioni->ChiaveTls()
                                                                           : QString());
                FidatiDelServer(*cliente, *server, certificato);
                dove.porta = server->Porta();
                dove.tls = server->Sicuro();
                pubblico = ServerLocale::IndirizziMacchina().value(0).toString();
            }
            cliente->Unisciti(dove, ricordato.posto, ricordato.gettone);
            break;
        }
        }
    } catch (const std::exception& e) {
        MostraErrore(QString::fromUtf8(e.what()));
        return;
    }
    const quint16 porta = server ? server->Porta() : 0;
    EntraInRete(std::make_unique<TavolaRemota>(*this, std::move(cliente), std::move(server)),
                pubblico, porta, indirizzi);
}

void TfrmBriscolaMain::SvuotaTavola() {
    for (int c = 0; c < 40; ++c) {
        NascondiCarta(Carta::DaIndice(c));
    }
    PulisciPannelli();
    MostraLicitazione(false);
    immagineTurno->hide();
}

void TfrmBriscolaMain::EntraInRete(std::unique_ptr<TavolaRemota> tavola, const QString& pubblico,
                                   quint16 porta, const QString& indirizzi) {
    if (!modoRete) {
        storiaLocale = std::make_unique<TipoStoriaPartite>(TavoloGioco().Stato().storia);
    }
    TavoloGioco().Stato().storia.Azzera();
    modoRete = true;
    tavolaRemota = std::move(tavola);
    ClienteTavolo& cliente = tavolaRemota->Cliente();
    const QString server = cliente.Indirizzo().Server();
    const QString codice = cliente.Indirizzo().codice;
    connect(&cliente, &ClienteTavolo::Perso, this,
            [this, server, codice](ClienteTavolo::Guasto guasto, const QString& dettaglio) {
                LasciaTavolo();
                MostraErrore(TestoGuasto(guasto, server, codice, dettaglio));
            });
    connect(&cliente, &ClienteTavolo::Rifiutato, this,
            [this](const QString&, const QString& messaggio) { MostraErrore(messaggio); });
    connect(&cliente, &ClienteTavolo::Ricevuto, this, [this](const MessaggioServer& m) {
        if (m.tipo == MessaggioServer::Tipo::Seduto) {
            RicordaPosto();
        } else if (m.tipo == MessaggioServer::Tipo::Inizio && lobby) {
            lobby->hide();
        }
    });
    Ciclo().Riprendi([this] {
        Ciclo().ImpostaPassoEsterno(
            [this] {
                // Left the table: the loop idles until a new game, or ends with the window.
                if (!tavolaRemota) {
                    return SemaforoGioco().Fermato() ? -1 : 0;
                }
                return tavolaRemota->Passo();
            },
            [this] { return !tavolaRemota || tavolaRemota->SenzaPassi(); });
    });
    // What would show another seat's cards, or the window's own series, is not for this table.
    menuStatoIA->setEnabled(false);
    if (frmStato != nullptr) {
        frmStato->hide();
    }
    menuCaricaPartita->setEnabled(false);
    menuSuggerimento->setEnabled(false);
    if (punteggiVisibili) {
        menuPuntiPartitaClick(false);
    }
    panelPunti->SvuotaLista();
    panelPunti->AggiornaPunti();
    SvuotaTavola();
    lblBenvenuto->setText(tr("Al tavolo in rete: la partita comincia quando chi l'ha creato "
                             "sceglie Comincia"));
    lblBenvenuto->show();
    const QString nome = opzioni != nullptr ? opzioni->NomeGiocatore(4) : QString();
    const bool sicuro = tavolaRemota->Server() != nullptr && tavolaRemota->Server()->Sicuro();
    lobby = new LobbyTavolo(cliente, nome, {pubblico, porta, sicuro, {}}, indirizzi, this);
    connect(lobby, &LobbyTavolo::Uscita, this, [this] {
        if (DialoghiCorrenti().Domanda(this, tr("Briscola Chiamata"),
                                       tr("Vuoi lasciare il tavolo in rete?"))) {
            LasciaTavolo();
        }
    });
    lobby->show();
}

void TfrmBriscolaMain::RicordaPosto() {
    if (!tavolaRemota) {
        return;
    }
    const ClienteTavolo& cliente = tavolaRemota->Cliente();
    // Over TLS the address keeps its scheme, so that coming back connects the same way.
    const IndirizzoTavolo& dove = cliente.Indirizzo();
    const QString server = dove.tls ? QStringLiteral("wss://") + dove.Server() : dove.Server();
    RicordaTavolo(FileTavoloRicordato(), {server, cliente.Indirizzo().codice, cliente.Vista().posto,
                                          cliente.Gettone(), tavolaRemota->Server() != nullptr});
}

void TfrmBriscolaMain::LasciaTavolo() {
    if (!tavolaRemota) {
        return;
    }
    tavolaRemota->Cliente().Esci();
    if (tavolaRemota->Server() != nullptr) {
        tavolaRemota->Server()->Arresta();
    }
    if (lobby) {
        lobby->hide();
        lobby->deleteLater();
    }
    // Gone once no step of it runs: this may be asked from inside one (a box at a game's end).
    TavolaRemota* vecchia = tavolaRemota.release();
    vecchia->disconnect(this);
    vecchia->Cliente().disconnect(this);
    Ciclo().Riprendi([vecchia] { delete vecchia; });
    SvuotaTavola();
    if (storiaLocale) {
        TavoloGioco().Stato().storia = *storiaLocale;
    }
    panelPunti->SvuotaLista();
    panelPunti->AggiornaPunti();
    lblBenvenuto->setText(tr("Per cominciare scegli Partita → Nuova Partita (Ctrl+N)"));
    lblBenvenuto->show();
    menuStatoIA->setEnabled(true);
    menuCaricaPartita->setEnabled(true);
    menuSuggerimento->setEnabled(true);
}

void TfrmBriscolaMain::TornaAlGiocoLocale() {
    if (!modoRete) {
        return;
    }
    modoRete = false;
    storiaLocale.reset();
    Ciclo().Riprendi([this] { Ciclo().ImpostaPassoEsterno({}, {}); });
}
