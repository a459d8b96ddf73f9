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
#include "notazione/PartitaNotata.h"

void TfrmBriscolaMain::CreaMenu() {
    QMenu* partita = menuBar()->addMenu(QStringLiteral("&Partita"));
    menuNuovaPartita = partita->addAction(QStringLiteral("&Nuova Partita"));
    menuNuovaPartita->setShortcut(QKeySequence::New);
    connect(menuNuovaPartita, &QAction::triggered, this, &TfrmBriscolaMain::menuNuovaPartitaClick);
    menuSalvaPartita = partita->addAction(QStringLiteral("&Salva Partita"));
    connect(menuSalvaPartita, &QAction::triggered, this, &TfrmBriscolaMain::menuSalvaPartitaClick);
    menuCaricaPartita = partita->addAction(QStringLiteral("&Carica Partita"));
    connect(menuCaricaPartita, &QAction::triggered, this,
            &TfrmBriscolaMain::menuCaricaPartitaClick);
    menuEsportaPartite = partita->addAction(QStringLiteral("Esporta &partite…"));
    connect(menuEsportaPartite, &QAction::triggered, this,
            &TfrmBriscolaMain::menuEsportaPartiteClick);
    partita->addSeparator();
    menuOpzioni = partita->addAction(QStringLiteral("&Opzioni"));
    connect(menuOpzioni, &QAction::triggered, this, [this] { ImpostaOpzioni(false); });
    partita->addSeparator();
    menuEsci = partita->addAction(QStringLiteral("&Esci"));
    menuEsci->setShortcut(QKeySequence::Quit);
    connect(menuEsci, &QAction::triggered, this, &QWidget::close);

    QMenu* mostra = menuBar()->addMenu(QStringLiteral("&Mostra"));
    auto* gruppo = new QActionGroup(mostra);
    menuMostraPartita = mostra->addAction(QStringLiteral("&Partita"));
    menuMostraPunti = mostra->addAction(QStringLiteral("P&unti"));
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
    CreaMenuSuggerimento(mostra);
    mostra->addSeparator();
    menuStatoIA = mostra->addAction(QStringLiteral("Stato &IA"));
    menuStatoIA->setShortcut(Qt::Key_F9);
    connect(menuStatoIA, &QAction::triggered, this, [this] {
        if (frmStato != nullptr) {
            frmStato->show();
            frmStato->raise();
        }
    });
    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    menuInfo = info->addAction(QStringLiteral("&Informazioni"));
    connect(menuInfo, &QAction::triggered, this, [this] {
        if (frmAboutBox != nullptr) {
            DialoghiCorrenti().Esegui(*frmAboutBox);
        }
    });
    menuTasti = info->addAction(QStringLiteral("&Tasti"));
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
                this, QStringLiteral("Briscola Chiamata"),
                QStringLiteral(
                    "Vuoi ricominciare la partita ?\r\nI punteggi verranno azzerati."))) {
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
    try {
        SalvaSerie(this, TavoloGioco().Stato().storia);
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
