#include "finestre/TfrmBriscolaMain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLayout>

#include "finestre/CicloGioco.h"
#include "finestre/Dialoghi.h"
#include "finestre/Disegni.h"
#include "finestre/LobbyTavolo.h"
#include "finestre/Maschere.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/PanelPunti.h"
#include "finestre/ScalaTavolo.h"
#include "finestre/SegnoTastiera.h"
#include "finestre/SuperficieMascherata.h"
#include "finestre/TavolaRemota.h"
#include "finestre/TfrmOpzioni.h"
#include "finestre/TfrmStato.h"
#include "motori/GiocatoriNotati.h"
#include "motori/OpzioniTavolo.h"
#include "motori/Semaforo.h"
#include "motori/Tavolo.h"
#include "notazione/PartitaNotata.h"
#include "partita/TipoStoriaPartite.h"

#ifndef PENTALUDO_VERSIONE
#define PENTALUDO_VERSIONE "0"
#endif

namespace {

SuperficieMascherata* CreaSegno(const SfondoTavolo& sfondo, QWidget* tavolo, const QColor& colore,
                                const QString& nome) {
    auto* segno = new SuperficieMascherata(sfondo, tavolo);
    ScalaTavolo::Ridimensiona(segno, QSize(25, 25));
    segno->ImpostaMaschera(MascheraEllisse(24, 24, 1), MascheraEllisse(24, 24, 2));
    const QString lettera = nome.left(1);
    segno->ImpostaImmagine(DisegnaPalla(colore, lettera, 1), DisegnaPalla(colore, lettera, 2));
    segno->setToolTip(nome);
    segno->hide();
    return segno;
}

QString TestoBenvenuto() {
    return QCoreApplication::translate("TfrmBriscolaMain",
                                       "Per cominciare scegli Partita → Nuova Partita (Ctrl+N)");
}

QString TestoFinePartita() {
    return QCoreApplication::translate(
        "TfrmBriscolaMain", "Per un'altra partita scegli Partita → Nuova Partita (Ctrl+N)");
}

} // namespace

TfrmBriscolaMain::TfrmBriscolaMain(std::uint32_t semeCasuale, int tipoGiocatori, QWidget* padre)
    : TfrmBriscolaBase(semeCasuale, tipoGiocatori, padre), soloComputer(tipoGiocatori != 0) {
    setWindowTitle(tr("Pentaludo - Versione %1").arg(QStringLiteral(PENTALUDO_VERSIONE)));
    QWidget* tavolo = AreaTavolo();

    immagineTurno = new QLabel(tavolo);
    ScalaTavolo::Ridimensiona(immagineTurno, QSize(13, 13));
    ScalaTavolo::ImpostaFigura(immagineTurno, DisegnaStellaTurno(1), DisegnaStellaTurno(2));
    immagineTurno->setToolTip(tr("Tocca a questo giocatore"));
    immagineTurno->hide();

    const QImage preso = DisegnaPreso(1);
    const QImage presoDoppio = DisegnaPreso(2);
    for (int s = 0; s < 5; ++s) {
        pannelli[static_cast<std::size_t>(s)] = std::make_unique<PannelloGiocatore>(
            tavolo, 0, 100 * s, immagineTurno, preso, presoDoppio, nomiMazzo);
    }
    paintBoxSocio = CreaSegno(sfondo, tavolo, QColor(30, 80, 200), tr("Socio"));
    paintBoxChiamante = CreaSegno(sfondo, tavolo, QColor(200, 30, 30), tr("Chiamante"));

    lblBenvenuto = new QLabel(tavolo);
    ScalaTavolo::Colloca(lblBenvenuto, QRect(0, 120, kLarghezzaTavolo, 60));
    ScalaTavolo::ImpostaCarattere(lblBenvenuto, lblBenvenuto->font());
    lblBenvenuto->setAlignment(Qt::AlignCenter);
    lblBenvenuto->setWordWrap(true);
    lblBenvenuto->setText(soloComputer ? QString() : TestoBenvenuto());
    lblBenvenuto->setAttribute(Qt::WA_TranslucentBackground);

    panelPunti = new PanelPunti(
        TavoloGioco().Stato().storia, soloComputer,
        [this](int giocatore) { return NomeMostrato(giocatore); }, nomiMazzo, tavolo);
    panelLicitazione = new PanelLicitazione(sfondo, tavolo);
    connect(panelLicitazione, &PanelLicitazione::ChiamataCliccata, this,
            &TfrmBriscolaMain::ClickChiamata);
    connect(panelLicitazione, &PanelLicitazione::SemeCliccato, this, &TfrmBriscolaMain::SemeClick);
    connect(panelLicitazione, &PanelLicitazione::MenoCliccato, this,
            &TfrmBriscolaMain::cmdMenoClick);
    connect(panelLicitazione, &PanelLicitazione::PiuCliccato, this, &TfrmBriscolaMain::cmdPiuClick);

    segnoCarta = new SegnoTastiera(SegnoTastiera::Forma::Rettangolo, tavolo);

    CreaMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TfrmBriscolaMain::~TfrmBriscolaMain() {
    // The network table goes first: its client and server still talk to the window.
    delete lobby;
    tavolaRemota.reset();
    // The step window watches the table, which goes before the window's children do.
    if (frmStato) {
        frmStato->ImpostaTavolo(nullptr);
    }
}

const PannelloGiocatore& TfrmBriscolaMain::Pannello(int giocatore) const {
    return *pannelli.at(static_cast<std::size_t>(giocatore));
}

PannelloGiocatore& TfrmBriscolaMain::PannelloDi(int giocatore) {
    return *pannelli.at(static_cast<std::size_t>(giocatore));
}

QWidget* TfrmBriscolaMain::SegnoSocio() const {
    return paintBoxSocio;
}

QWidget* TfrmBriscolaMain::SegnoChiamante() const {
    return paintBoxChiamante;
}

void TfrmBriscolaMain::TimerStartTimer() {
    TfrmBriscolaBase::TimerStartTimer();
    // A computer-only series is there to be watched: it starts by itself.
    if (soloComputer && !SemaforoGioco().PartitaCorrente()) {
        NuovaPartita();
    }
}

void TfrmBriscolaMain::NuovaPartita() {
    lblBenvenuto->hide();
    // The new game is played on the table, not behind the scores.
    if (punteggiVisibili) {
        menuPuntiPartitaClick(false);
    }
    if (cambioGiocatori) {
        // The players change with a new table, which the loop never replaces under a step.
        Ciclo().Riprendi([this] { CambiaGiocatori(); });
    }
    Ciclo().Riprendi([this] { AnnotaInizioPartita(); });
    TfrmBriscolaBase::NuovaPartita();
}

OpzioniTavolo TfrmBriscolaMain::OpzioniGiocatori(bool esperti) {
    OpzioniTavolo tavolo;
    if (esperti) {
        tavolo.esperto = {true, true, true, true, false};
    }
    return tavolo;
}

void TfrmBriscolaMain::ImpostaOpzioni(bool primaVolta) {
    TfrmBriscolaBase::ImpostaOpzioni(primaVolta);
    if (primaVolta && opzioni != nullptr) {
        ScegliDimensione(opzioni->Dimensione());
    }
    if (soloComputer || opzioni == nullptr) {
        return;
    }
    cambioGiocatori = opzioni->Esperti() != espertiAlTavolo;
    // Before the first game the table changes at once; otherwise with the next game.
    if (cambioGiocatori && SemaforoGioco().PartitaCorrente() == nullptr && !Ciclo().InPasso()) {
        CambiaGiocatori();
    }
}

void TfrmBriscolaMain::CambiaGiocatori() {
    espertiAlTavolo = opzioni->Esperti();
    cambioGiocatori = false;
    NuoviGiocatori(OpzioniGiocatori(espertiAlTavolo));
    SemaforoGioco().ImpostaManoAlBuio(opzioni->ManoAlBuio());
    SemaforoGioco().ImpostaPuntiMonte(opzioni->PuntiMonte());
}

void TfrmBriscolaMain::MostraPresa(int giocatore) {
    if (giocatore >= 0 && giocatore < 5) {
        PannelloDi(giocatore).MostraPresa(true);
    }
}

void TfrmBriscolaMain::DisponiMano(int giocatore) {
    if (giocatore != giocatoreUmano || giocatore < 0) {
        return;
    }
    auto copia = mano[static_cast<std::size_t>(giocatore)];
    if (!carteOrdinate) {
        for (int i = 0; i < 10; ++i) {
            const int a = generatoreFinestra.Casuale(8);
            const int b = generatoreFinestra.Casuale(8);
            std::swap(copia[static_cast<std::size_t>(a)], copia[static_cast<std::size_t>(b)]);
        }
    }
    if (!soloComputer) {
        for (int k = 0; k < 8; ++k) {
            if (mano[static_cast<std::size_t>(giocatore)][static_cast<std::size_t>(k)].Definita()) {
                MostraCarta(copia[static_cast<std::size_t>(k)], 200, 60 * k + 10);
            }
        }
    }
    QCoreApplication::processEvents();
}

void TfrmBriscolaMain::TurnoCarta() {
    cartaRichiesta = true;
    MostraLicitazione(false);
    if (giocatoreUmano >= 0) {
        PannelloDi(giocatoreUmano).MostraTurno();
    }
}

void TfrmBriscolaMain::TurnoChiamata() {
    if (giocatoreUmano >= 0) {
        PannelloDi(giocatoreUmano).MostraTurno();
    }
}

void TfrmBriscolaMain::MostraCartaGiocata(const Carta& carta, int giocatore) {
    if (giocatore == giocatoreUmano) {
        cartaRichiesta = false;
    }
    MostraLicitazione(false);
    if (ultimoGiocatore >= 0 && ultimoGiocatore < 5) {
        PannelloDi(ultimoGiocatore).MostraTurno();
    }
    if (!soloComputer) {
        MostraCarta(carta, 70, 100 * giocatore + 20);
    }
}

void TfrmBriscolaMain::MostraChiamataGiocatore() {
    if (ultimoGiocatore < 0 || ultimoGiocatore > 4) {
        return;
    }
    PannelloDi(ultimoGiocatore).MostraTurno();
    PannelloDi(ultimoGiocatore).MostraChiamata(ultimaChiamata);
    panelLicitazione->SeguiChiamata(ultimaChiamata);
    // Who has passed bids no more: the panel stays, inactive, for the others' bids.
    if (ultimoGiocatore == giocatoreUmano && ultimaChiamata.Valore == kPasso) {
        panelLicitazione->ImpostaAttivo(false);
    }
}

void TfrmBriscolaMain::MostraSemeChiamato() {
    chiamataMigliore.Seme = cartaChiamata.Seme;
    if (chiamante >= 0) {
        PannelloDi(chiamante).MostraChiamata(chiamataMigliore);
    }
}

void TfrmBriscolaMain::MostraSocio() {
    if (socio >= 0) {
        PannelloDi(socio).PosizionaSegno(paintBoxSocio, false);
    }
}

void TfrmBriscolaMain::MostraChiamante() {
    if (chiamante >= 0) {
        PannelloDi(chiamante).PosizionaSegno(paintBoxChiamante, false);
    }
}

void TfrmBriscolaMain::MostraSocioChiamante() {
    if (chiamante >= 0) {
        PannelloDi(chiamante).PosizionaSegno(paintBoxSocio, true);
    }
}

void TfrmBriscolaMain::PulisciPannelli() {
    cartaRichiesta = false;
    for (int s = 0; s < 5; ++s) {
        PannelloGiocatore& pannello = PannelloDi(s);
        if (opzioni != nullptr || tavolaRemota) {
            pannello.ImpostaNome(NomeMostrato(s));
        }
        pannello.MostraChiamata(ChiamataNulla);
        pannello.MostraPresa(false);
    }
    paintBoxSocio->hide();
    paintBoxChiamante->hide();
}

void TfrmBriscolaMain::ImpostaAspetto(bool) {
    if (opzioni == nullptr) {
        return;
    }
    const QColor testo = opzioni->ColoreTesto();
    for (int s = 0; s < 5; ++s) {
        PannelloGiocatore& pannello = PannelloDi(s);
        pannello.ImpostaNome(NomeMostrato(s));
        pannello.ImpostaColore(testo);
        pannello.MostraChiamata(pannello.ChiamataMostrata());
    }
    QPalette tavolozza = lblBenvenuto->palette();
    tavolozza.setColor(QPalette::WindowText, testo);
    lblBenvenuto->setPalette(tavolozza);
    sfondo.ImpostaColore(opzioni->ColoreSfondo());
    panelPunti->ImpostaColori(opzioni->ColoreSfondo(), testo);
    panelPunti->ImpostaNomi();
    panelPunti->StatisticheGiocatore(panelPunti->GiocatoreScelto());
    // A picture that cannot be loaded leaves the background as it was.
    sfondo.ImpostaImmagine(opzioni->ImmagineSfondo());
    panelLicitazione->CaricaSemi(opzioni->DirectoryCarte());
    panelLicitazione->ImpostaNomi(nomiMazzo);
    AreaTavolo()->update();
    for (QWidget* figlio : AreaTavolo()->findChildren<QWidget*>()) {
        figlio->update();
    }
}

void TfrmBriscolaMain::MostraFinePartita() {
    // Kept for "Esporta partite…", each seat under the name its panel shows.
    std::array<std::string, 5> nomi;
    for (int s = 0; s < 5; ++s) {
        nomi[static_cast<std::size_t>(s)] = PannelloDi(s).EtichettaNome()->text().toStdString();
    }
    const TipoStoriaPartite& storia = TavoloGioco().Stato().storia;
    partiteNotate += NotazionePartita(registro, GiocatoriDelTavolo(TavoloGioco().Manager(), nomi),
                                      storia.numeroPartite - 1);
    for (int s = 0; s < 5; ++s) {
        PannelloDi(s).MostraChiamata(ChiamataNulla);
    }
    immagineTurno->hide();
    panelPunti->AggiornaPunti();
    if (soloComputer || giocatoreUmano < 0) {
        return;
    }
    // By the end of the game the called card has been played: the record knows both sides.
    bool vinto = registro.ChiamanteVincente();
    if (giocatoreUmano != registro.chiamante && giocatoreUmano != registro.Socio()) {
        vinto = !vinto;
    }
    const int punti = registro.PuntiChiamante();
    const QString testo = (vinto ? tr("Hai vinto per %1 a %2") : tr("Hai perso per %1 a %2"))
                              .arg(punti)
                              .arg(120 - punti);
    if (DialoghiCorrenti().MessaggioConPulsante(this, tr("Fine Partita"), testo,
                                                Dialoghi::Icona::Informazione, tr("Analisi"))) {
        MostraAnalisi();
    }
    // The table says what comes next, as before the first game.
    lblBenvenuto->setText(TestoFinePartita());
    lblBenvenuto->show();
    lblBenvenuto->raise();
}

void TfrmBriscolaMain::MostraPunti(bool visibile) {
    punteggiVisibili = visibile;
    panelPunti->setVisible(visibile);
    panelPunti->raise();
}

void TfrmBriscolaMain::PreparaLicitazione() {
    if (!soloComputer) {
        panelLicitazione->Prepara();
    }
}

void TfrmBriscolaMain::MostraLicitazione(bool visibile) {
    // Computer-only play is only watched: nobody bids from the panel.
    if (visibile && !soloComputer) {
        panelLicitazione->show();
        // Above the trick row's cards, which are made after the panel.
        panelLicitazione->raise();
    } else {
        panelLicitazione->hide();
    }
}

void TfrmBriscolaMain::TurnoBriscola() {
    MostraLicitazione(true);
    if (giocatoreUmano >= 0) {
        PannelloDi(giocatoreUmano).MostraTurno();
    }
    panelLicitazione->ModoSeme();
}

void TfrmBriscolaMain::ClickChiamata(const Chiamata& chiamata) {
    ImpostaChiamataScelta(chiamata);
    Ciclo().Sveglia();
}

void TfrmBriscolaMain::SemeClick(int seme) {
    // Only a suit names a trump; anything else would raise inside the event loop.
    if (seme < 0 || seme > 3) {
        return;
    }
    ImpostaBriscolaScelta(Briscola(seme));
    Ciclo().Sveglia();
}

void TfrmBriscolaMain::cmdMenoClick() {
    panelLicitazione->Diminuisci(chiamataMigliore.Punti + 1);
}

void TfrmBriscolaMain::cmdPiuClick() {
    panelLicitazione->Aumenta();
}
