#include "finestre/TavolaRemota.h"

#include <QCoreApplication>
#include <QLabel>
#include <algorithm>

#include "finestre/CicloGioco.h"
#include "finestre/Dialoghi.h"
#include "finestre/PanelPunti.h"
#include "finestre/ScalaTavolo.h"
#include "finestre/SerieRemota.h"
#include "finestre/TfrmBriscolaMain.h"
#include "motori/Tavolo.h"
#include "notazione/RigiocaPartita.h"
#include "partita/TipoStoriaPartite.h"
#include "rete/ServerLocale.h"

namespace {

using Tipo = MessaggioServer::Tipo;

QString NomeComputerMostrato(const QString& tipo) {
    if (tipo == QLatin1String("tattico")) {
        return QCoreApplication::translate("TavolaRemota", "Computer tattico");
    }
    if (tipo == QLatin1String("esperto")) {
        return QCoreApplication::translate("TavolaRemota", "Computer esperto");
    }
    return QCoreApplication::translate("TavolaRemota", "Computer");
}

} // namespace

TavolaRemota::TavolaRemota(TfrmBriscolaMain& finestra, std::unique_ptr<ClienteTavolo> nuovo,
                           std::unique_ptr<ServerLocale> locale)
    : finestra(finestra), cliente(std::move(nuovo)), server(std::move(locale)) {
    connect(cliente.get(), &ClienteTavolo::Ricevuto, this, [this](const MessaggioServer& m) {
        coda.push_back(m);
        if (m.tipo == Tipo::Posti || m.tipo == Tipo::Stato) {
            emit PostiCambiati();
        }
        this->finestra.Ciclo().Sveglia();
    });
    // A refused decision is asked for again, if it is still this seat's.
    connect(cliente.get(), &ClienteTavolo::Rifiutato, this, [this] {
        const TurnoVisto& turno = cliente->Vista().partita.turno;
        if (turno.posto >= 0 && turno.posto == mioPosto()) {
            dovuto = turno.cosa;
            this->finestra.Ciclo().Sveglia();
        }
    });
}

TavolaRemota::~TavolaRemota() {
    // A hosted server lets the event loop run while it says goodbye to its players: the client
    // still hears it then, and neither this half-gone table nor the window may.
    cliente->disconnect();
    server.reset();
    for (const QPointer<QLabel>& dorso : dorsi) {
        delete dorso.data();
    }
}

void TavolaRemota::MostraDorso(int locale) {
    QPointer<QLabel>& dorso = dorsi.at(static_cast<std::size_t>(locale));
    if (!dorso) {
        dorso = new QLabel(finestra.AreaTavolo());
    }
    // Where the window puts a seat's card on the table.
    ScalaTavolo::Colloca(dorso, QRect(100 * locale + 20, 70, 55, 101));
    ScalaTavolo::ImpostaFigura(dorso, finestra.bitmapDorso, finestra.bitmapDorso2x);
    dorso->show();
    dorso->raise();
}

void TavolaRemota::NascondiDorsi() {
    for (const QPointer<QLabel>& dorso : dorsi) {
        if (dorso) {
            dorso->hide();
        }
    }
}

int TavolaRemota::Locale(int remoto) const {
    const int mio = mioPosto() >= 0 ? mioPosto() : 4;
    return (remoto - mio + 9) % 5;
}

int TavolaRemota::Remoto(int locale) const {
    const int mio = mioPosto() >= 0 ? mioPosto() : 4;
    return (locale + mio + 1) % 5;
}

QString TavolaRemota::NomePosto(int locale) const {
    const VistaTavolo& vista = cliente->Vista();
    const PostoVisto& posto = vista.posti.at(static_cast<std::size_t>(Remoto(locale)));
    if (!posto.persona) {
        return NomeComputerMostrato(vista.computer);
    }
    // The dot marks a person; away, a computer plays for them until they are back.
    return posto.connesso
               ? QStringLiteral("• ") + posto.nome
               : QCoreApplication::translate("TavolaRemota", "• %1 (assente)").arg(posto.nome);
}

bool TavolaRemota::SenzaPassi() const {
    return coda.empty() && dovuto.isEmpty();
}

int TavolaRemota::Passo() {
    if (finestra.SemaforoGioco().Fermato()) {
        return -1;
    }
    if (!coda.empty()) {
        const MessaggioServer messaggio = std::move(coda.front());
        coda.pop_front();
        Mostra(messaggio);
    } else if (!dovuto.isEmpty()) {
        Chiedi();
    }
    return 0;
}

void TavolaRemota::Chiedi() {
    if (dovuto == QLatin1String("chiamata")) {
        const Chiamata scelta = finestra.RichiediChiamata();
        if (scelta.Valore != kNessunaChiamata) {
            dovuto.clear();
            cliente->Chiama(scelta);
        }
    } else if (dovuto == QLatin1String("briscola")) {
        const Briscola scelta = finestra.RichiediBriscola();
        if (scelta.SemeGrezzo() != kBriscolaNonNominata) {
            dovuto.clear();
            cliente->NominaBriscola(scelta.SemeGrezzo());
        }
    } else if (dovuto == QLatin1String("carta")) {
        const Carta scelta = finestra.RichiediCarta();
        if (scelta.Definita()) {
            dovuto.clear();
            cliente->GiocaCarta(scelta);
        }
    }
}

void TavolaRemota::Distribuisci(const std::vector<Carta>& carte) {
    // Nothing of the last game's hands stays: the partner is found from this game's cards.
    for (int s = 0; s < 5; ++s) {
        finestra.mano[static_cast<std::size_t>(s)].fill(CartaIndefinita);
        finestra.manoIniziale[static_cast<std::size_t>(s)].fill(CartaIndefinita);
    }
    for (int c = 0; c < 40; ++c) {
        finestra.NascondiCarta(Carta::DaIndice(c));
    }
    std::vector<Carta> ordinate = carte;
    std::sort(ordinate.begin(), ordinate.end(),
              [](const Carta& a, const Carta& b) { return a.Indice() < b.Indice(); });
    ManiDistribuite mani{};
    for (auto& riga : mani) {
        riga.fill(CartaIndefinita);
    }
    for (std::size_t k = 0; k < ordinate.size() && k < 8; ++k) {
        mani[4][k] = ordinate[k];
    }
    giocate.fill(0);
    NascondiDorsi();
    finestra.Benvenuto()->hide();
    finestra.NotificaDistribuzione(&mani, 4);
}

void TavolaRemota::CartaGiocata(const CartaVista& vista) {
    const int locale = Locale(vista.posto);
    // Another seat's card face down: only its back is seen until its trick turns it up.
    if (!vista.carta.Definita()) {
        MostraDorso(locale);
        finestra.Attesa(true, {});
        return;
    }
    Carta carta = vista.carta;
    carta.Coperta = vista.coperta ? 1 : 0;
    const auto l = static_cast<std::size_t>(locale);
    if (locale != 4 && giocate[l] < 8) {
        // Known once played: in its seat's hand for the moment it leaves it, so that the
        // window finds the partner as it does at its own table.
        finestra.MettiInMano(locale, giocate[l], carta, true);
    }
    ++giocate[l];
    finestra.NotificaCartaGiocata(carta, locale);
}

void TavolaRemota::MostraStato(const VistaTavolo& vista) {
    dovuto.clear();
    if (!vista.inPartita) {
        return;
    }
    const PartitaVista& partita = vista.partita;
    Distribuisci(partita.mano);
    // Joined in the middle: the game's start was not seen, so it is not played again.
    notataCompleta = false;
    for (const auto& [posto, chiamata] : partita.licitazioni) {
        finestra.NotificaChiamata(chiamata, Locale(posto));
    }
    if (partita.chiamante >= 0) {
        finestra.NotificaFineLicitazione();
    }
    if (partita.briscola >= 0) {
        finestra.NotificaBriscola(Briscola(partita.briscola));
    }
    for (const CartaVista& carta : partita.tavola) {
        CartaGiocata(carta);
    }
    for (int s = 0; s < 5; ++s) {
        if (partita.prese[static_cast<std::size_t>(s)] > 0) {
            finestra.MostraPresa(Locale(s));
        }
    }
    if (partita.socio >= 0 && finestra.socio < 0) {
        finestra.socio = Locale(partita.socio);
        finestra.socio == finestra.chiamante ? finestra.MostraSocioChiamante()
                                             : finestra.MostraSocio();
    }
    if (partita.turno.posto >= 0 && partita.turno.posto == vista.posto) {
        dovuto = partita.turno.cosa;
    }
}

void TavolaRemota::Mostra(const MessaggioServer& m) {
    switch (m.tipo) {
    case Tipo::Stato:
        finestra.AggiornaNomiRete();
        serie = m.vista.serie;
        MostraSerie();
        MostraStato(m.vista);
        break;
    case Tipo::Posti:
        finestra.AggiornaNomiRete();
        // Sitting down turns the places: the series' columns follow.
        MostraSerie();
        break;
    case Tipo::Serie:
        serie = m.serie;
        MostraSerie();
        break;
    case Tipo::Inizio:
        dovuto.clear();
        notata = PartitaNotata{};
        notata.numero = m.numero;
        notata.manoAlBuio = cliente->Vista().manoAlBuio;
        notata.distribuzione.fill(-1);
        notataCompleta = true;
        Distribuisci(m.mano);
        break;
    case Tipo::Chiamata:
        notata.licitazioni.push_back({Locale(m.posto), m.chiamata});
        finestra.NotificaChiamata(m.chiamata, Locale(m.posto));
        break;
    case Tipo::FineLicitazione:
        finestra.NotificaFineLicitazione();
        break;
    case Tipo::Briscola:
        notata.briscola = Briscola(m.seme);
        notata.chiamata = m.cartaChiamata;
        finestra.NotificaBriscola(Briscola(m.seme));
        break;
    case Tipo::Carta:
        CartaGiocata(m.carta);
        break;
    case Tipo::Presa: {
        int numero = 0;
        for (const PresaNotata& p : notata.prese) {
            numero += p.primo >= 0 ? 1 : 0;
        }
        if (numero < 8 && m.carte.size() == 5) {
            PresaNotata& nota = notata.prese[static_cast<std::size_t>(numero)];
            nota.primo = Locale(m.carte[0].posto);
            for (std::size_t i = 0; i < 5; ++i) {
                nota.carte[i] = m.carte[i].carta;
                notata.distribuzione[static_cast<std::size_t>(m.carte[i].carta.Indice())] =
                    Locale(m.carte[i].posto);
            }
        }
        // Face-down cards of other seats are seen now, as the trick turns them up.
        NascondiDorsi();
        for (const CartaVista& carta : m.carte) {
            const auto inTavola = finestra.tavolo.begin() + finestra.numeroCarteInTavola;
            if (std::find(finestra.tavolo.begin(), inTavola, carta.carta) == inTavola) {
                CartaGiocata(carta);
            }
        }
        finestra.NotificaManoRaccolta(Locale(m.vincitore));
        break;
    }
    case Tipo::Socio:
        if (finestra.socio < 0) {
            finestra.socio = Locale(m.posto);
            finestra.socio == finestra.chiamante ? finestra.MostraSocioChiamante()
                                                 : finestra.MostraSocio();
        }
        break;
    case Tipo::FinePartita:
        FinePartita(m);
        break;
    case Tipo::Turno:
        if (m.turno.posto == mioPosto()) {
            dovuto = m.turno.cosa;
        } else {
            finestra.PannelloDi(Locale(m.turno.posto)).MostraTurno();
        }
        break;
    default:
        break;
    }
}

void TavolaRemota::MostraSerie() {
    // Games ended before this window saw them whole are in the server's series only.
    if (serie.partite != storiaTavolo.numeroPartite) {
        partiteMancanti = true;
    }
    try {
        finestra.TavoloGioco().Stato().storia =
            StoriaDellaSerie(serie, [this](int remoto) { return Locale(remoto); });
    } catch (const std::exception&) {
        // A series that does not add up is not shown; the game goes on.
        return;
    }
    finestra.Punti().AggiornaPunti();
}

void TavolaRemota::FinePartita(const MessaggioServer& m) {
    dovuto.clear();
    for (int s = 0; s < 5; ++s) {
        notata.punteggi[static_cast<std::size_t>(Locale(s))] =
            m.punteggi[static_cast<std::size_t>(s)];
    }
    bool mostrata = false;
    if (notataCompleta) {
        try {
            // Played again from what was seen: the same record the window keeps at its own
            // table, in its own places, for the scores, the analysis and the saved series.
            RegistroPartita registro = RigiocaPartita(notata);
            PartitaNotata alTavolo = notata;
            const auto remoto = [this](int locale) { return locale < 0 ? locale : Remoto(locale); };
            for (int& posto : alTavolo.distribuzione) {
                posto = remoto(posto);
            }
            for (LicitazioneNotata& licitazione : alTavolo.licitazioni) {
                licitazione.giocatore = remoto(licitazione.giocatore);
            }
            for (PresaNotata& presa : alTavolo.prese) {
                presa.primo = remoto(presa.primo);
            }
            alTavolo.punteggi = m.punteggi;
            storiaTavolo.RegistraPartita(RigiocaPartita(alTavolo));
            TipoStoriaPartite& storia = finestra.TavoloGioco().Stato().storia;
            storia.RegistraPartita(registro);
            finestra.NotificaFinePartita(registro, storia);
            mostrata = true;
        } catch (const std::exception&) {
            mostrata = false;
        }
    }
    if (!mostrata) {
        const int mio = mioPosto();
        const bool conChiamante = mio == m.chiamante || mio == m.socio;
        const bool vinto = conChiamante ? m.vinta : !m.vinta;
        int punti = m.punti[static_cast<std::size_t>(m.chiamante)];
        if (m.socio != m.chiamante) {
            punti += m.punti[static_cast<std::size_t>(m.socio)];
        }
        const QString testo =
            QCoreApplication::translate("TfrmBriscolaMain",
                                        vinto ? "Hai vinto per %1 a %2" : "Hai perso per %1 a %2")
                .arg(punti)
                .arg(120 - punti);
        DialoghiCorrenti().Messaggio(
            &finestra, QCoreApplication::translate("TfrmBriscolaMain", "Fine Partita"), testo,
            Dialoghi::Icona::Informazione);
    }
    finestra.Benvenuto()->setText(QCoreApplication::translate(
        "TavolaRemota", "La prossima partita comincia quando tutti al tavolo hanno "
                        "visto il risultato"));
    finestra.Benvenuto()->show();
    finestra.Benvenuto()->raise();
    if (mioPosto() >= 0) {
        cliente->Conferma();
    }
}
