// The main window's menus: Partita, Mostra and Info, their keys, and what each item does.

#include "finestre/TfrmBriscolaMain.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "finestre/Dialoghi.h"
#include "finestre/PanelPunti.h"
#include "finestre/SerieSalvata.h"
#include "finestre/TfrmAboutBox.h"
#include "finestre/TfrmStato.h"
#include "motori/Semaforo.h"
#include "motori/Tavolo.h"

void TfrmBriscolaMain::CreaMenu() {
    QMenu* partita = menuBar()->addMenu(tr("&Partita"));
    menuNuovaPartita = partita->addAction(tr("&Nuova Partita"));
    menuNuovaPartita->setShortcut(QKeySequence::New);
    connect(menuNuovaPartita, &QAction::triggered, this, &TfrmBriscolaMain::menuNuovaPartitaClick);
    menuSalvaPartita = partita->addAction(tr("&Salva Partita"));
    connect(menuSalvaPartita, &QAction::triggered, this, &TfrmBriscolaMain::menuSalvaPartitaClick);
    menuCaricaPartita = partita->addAction(tr("&Carica Partita"));
    connect(menuCaricaPartita, &QAction::triggered, this,
            &TfrmBriscolaMain::menuCaricaPartitaClick);
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
    CreaMenuInfo(mostra);
}

void TfrmBriscolaMain::CreaMenuInfo(QMenu* mostra) {
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
    if (SemaforoGioco().InCorso()) {
        if (!DialoghiCorrenti().Domanda(
                this, tr("Briscola Chiamata"),
                tr("Vuoi ricominciare la partita ?\r\nI punteggi verranno azzerati."))) {
            return;
        }
        SemaforoGioco().AzzeraStoria();
        panelPunti->SvuotaLista();
    }
    NuovaPartita();
}

void TfrmBriscolaMain::menuPuntiPartitaClick(bool punti) {
    (punti ? menuMostraPunti : menuMostraPartita)->setChecked(true);
    MostraPunti(punti);
}

void TfrmBriscolaMain::menuSalvaPartitaClick() {
    try {
        SalvaSerie(this, TavoloGioco().Stato().storia);
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
