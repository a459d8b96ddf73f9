// The main window's menus: Partita, Mostra and Info, their keys, and what each item does.

#include "finestre/TfrmBriscolaMain.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

#include "finestre/Dialoghi.h"
#include "finestre/FileOpzioni.h"
#include "finestre/PanelPunti.h"
#include "finestre/SerieSalvata.h"
#include "finestre/TavolaRemota.h"
#include "finestre/TfrmAboutBox.h"
#include "finestre/TfrmOpzioni.h"
#include "finestre/TfrmStato.h"
#include "motori/Semaforo.h"
#include "motori/Tavolo.h"
#include "notazione/PartitaNotata.h"

void TfrmBriscolaMain::CreaMenu() {
    QMenu* partita = menuBar()->addMenu(tr("&Partita"));
    menuNuovaPartita = partita->addAction(tr("&Nuova Partita"));
    menuNuovaPartita->setShortcut(QKeySequence::New);
    connect(menuNuovaPartita, &QAction::triggered, this, &TfrmBriscolaMain::menuNuovaPartitaClick);
    menuGiocaInRete = partita->addAction(tr("Gioca in &rete…"));
    connect(menuGiocaInRete, &QAction::triggered, this, &TfrmBriscolaMain::menuGiocaInReteClick);
    menuSalvaPartita = partita->addAction(tr("&Salva Partita"));
    connect(menuSalvaPartita, &QAction::triggered, this, &TfrmBriscolaMain::menuSalvaPartitaClick);
    menuCaricaPartita = partita->addAction(tr("&Carica Partita"));
    connect(menuCaricaPartita, &QAction::triggered, this,
            &TfrmBriscolaMain::menuCaricaPartitaClick);
    menuEsportaPartite = partita->addAction(tr("Esporta &partite…"));
    connect(menuEsportaPartite, &QAction::triggered, this,
            &TfrmBriscolaMain::menuEsportaPartiteClick);
    partita->addSeparator();
    menuOpzioni = partita->addAction(tr("&Opzioni"));
    connect(menuOpzioni, &QAction::triggered, this, [this] { ImpostaOpzioni(false); });
    partita->addSeparator();
    menuEsci = partita->addAction(tr("&Esci"));
    menuEsci->setShortcut(QKeySequence::Quit);
    connect(menuEsci, &QAction::triggered, this, &QWidget::close);

    QMenu* mostra = menuBar()->addMenu(tr("&Mostra"));
    auto* gruppo = new QActionGroup(mostra);
    menuMostraPartita = mostra->addAction(tr("&Partita"));
    menuMostraPunti = mostra->addAction(tr("P&unti"));
    for (QAction* voce : {menuMostraPartita, menuMostraPunti}) {
        voce->setCheckable(true);
        gruppo->addAction(voce);
    }
    menuMostraPartita->setChecked(true);
    connect(menuMostraPartita, &QAction::triggered, this, [this] { menuPuntiPartitaClick(false); });
    connect(menuMostraPunti, &QAction::triggered, this, [this] { menuPuntiPartitaClick(true); });
    CreaMenuDimensione(mostra);
    CreaMenuInfo(mostra);
}

void TfrmBriscolaMain::CreaMenuDimensione(QMenu* mostra) {
    QMenu* dimensione = mostra->addMenu(tr("&Dimensione"));
    auto* gruppo = new QActionGroup(dimensione);
    for (std::size_t i = 0; i < kDimensioni.size(); ++i) {
        const int percento = kDimensioni[i];
        QAction* voce = dimensione->addAction(percento == kDimensioneAdatta
                                                  ? tr("&Adatta alla finestra")
                                                  : QStringLiteral("&%1%").arg(percento));
        voce->setCheckable(true);
        voce->setChecked(percento == 100);
        gruppo->addAction(voce);
        connect(voce, &QAction::triggered, this, [this, percento] { ScegliDimensione(percento); });
        menuDimensione[i] = voce;
    }
}

QAction* TfrmBriscolaMain::AzioneDimensione(int percento) const {
    const auto trovata = std::find(kDimensioni.begin(), kDimensioni.end(), percento);
    return trovata == kDimensioni.end()
               ? nullptr
               : menuDimensione[static_cast<std::size_t>(trovata - kDimensioni.begin())];
}

void TfrmBriscolaMain::ScegliDimensione(int percento) {
    ImpostaDimensione(percento);
    if (QAction* voce = AzioneDimensione(percento)) {
        voce->setChecked(true);
    }
    if (opzioni != nullptr && opzioni->Dimensione() != percento) {
        opzioni->ImpostaDimensione(percento);
        opzioni->Salva();
    }
}

void TfrmBriscolaMain::CreaMenuInfo(QMenu* mostra) {
    CreaMenuSuggerimento(mostra);
    mostra->addSeparator();
    menuStatoIA = mostra->addAction(tr("Stato &IA"));
    menuStatoIA->setShortcut(Qt::Key_F9);
    connect(menuStatoIA, &QAction::triggered, this, [this] {
        if (frmStato != nullptr) {
            frmStato->show();
            frmStato->raise();
        }
    });
    QMenu* info = menuBar()->addMenu(tr("&Info"));
    menuInfo = info->addAction(tr("&Informazioni"));
    connect(menuInfo, &QAction::triggered, this, [this] {
        if (frmAboutBox != nullptr) {
            DialoghiCorrenti().Esegui(*frmAboutBox);
        }
    });
    menuTasti = info->addAction(tr("&Tasti"));
    connect(menuTasti, &QAction::triggered, this, &TfrmBriscolaMain::MostraTasti);
}

void TfrmBriscolaMain::ImpostaFinestreInfo(TfrmAboutBox* about, TfrmStato* stato) {
    frmAboutBox = about;
    frmStato = stato;
    if (frmStato != nullptr) {
        frmStato->ImpostaFinestraGioco(this);
        frmStato->ImpostaNomiCarte(nomiMazzo);
    }
}

void TfrmBriscolaMain::menuNuovaPartitaClick() {
    if (modoRete) {
        if (tavolaRemota && !DialoghiCorrenti().Domanda(this, tr("Briscola Chiamata"),
                                                        tr("Vuoi lasciare il tavolo in rete?"))) {
            return;
        }
        LasciaTavolo();
        TornaAlGiocoLocale();
    }
    if (SemaforoGioco().InCorso()) {
        if (!DialoghiCorrenti().Domanda(
                this, tr("Briscola Chiamata"),
                tr("Vuoi ricominciare la partita ?\r\nI punteggi verranno azzerati."))) {
            return;
        }
        SemaforoGioco().AzzeraStoria();
        panelPunti->SvuotaLista();
        partiteNotate.clear();
    }
    NuovaPartita();
}

void TfrmBriscolaMain::menuPuntiPartitaClick(bool punti) {
    (punti ? menuMostraPunti : menuMostraPartita)->setChecked(true);
    MostraPunti(punti);
}

void TfrmBriscolaMain::menuSalvaPartitaClick() {
    if (tavolaRemota && !tavolaRemota->StoriaIntera()) {
        // A .bri keeps every game's cards: the ones played before this window sat down are
        // the server's alone, and a file without them would be another series.
        MostraErrore(tr("Questa finestra non ha visto dall'inizio tutte le partite della serie "
                        "del tavolo: un file .bri deve contenerle tutte, quindi la serie non "
                        "viene salvata. Può salvarla chi è al tavolo dalla prima partita."));
        return;
    }
    try {
        // At a network table, the table's series in its own seat order.
        SalvaSerie(this,
                   tavolaRemota ? tavolaRemota->StoriaTavolo() : TavoloGioco().Stato().storia);
    } catch (const std::exception& e) {
        MostraErrore(QString::fromStdString(e.what()));
    }
}

void TfrmBriscolaMain::menuEsportaPartiteClick() {
    try {
        EsportaPartite(this, IntestazioneNotazione() + partiteNotate);
    } catch (const std::exception& e) {
        MostraErrore(QString::fromStdString(e.what()));
    }
}

void TfrmBriscolaMain::menuCaricaPartitaClick() {
    try {
        CaricaSerie(this, TavoloGioco().Stato().storia);
        panelPunti->AggiornaPunti();
    } catch (const std::exception& e) {
        MostraErrore(QString::fromStdString(e.what()));
    }
}
