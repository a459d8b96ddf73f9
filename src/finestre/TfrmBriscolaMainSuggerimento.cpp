// The main window's hint and analysis: Mostra → Suggerimento (H) and Mostra → Analisi.

#include <QAction>
#include <QMenu>

#include "finestre/Dialoghi.h"
#include "finestre/FinestraAnalisi.h"
#include "finestre/Suggeritore.h"
#include "finestre/TfrmBriscolaMain.h"
#include "notazione/LeggiNotazione.h"

void TfrmBriscolaMain::CreaMenuSuggerimento(QMenu* mostra) {
    mostra->addSeparator();
    menuSuggerimento = mostra->addAction(tr("&Suggerimento"));
    menuSuggerimento->setShortcut(Qt::Key_H);
    connect(menuSuggerimento, &QAction::triggered, this, &TfrmBriscolaMain::ChiediSuggerimento);
    menuAnalisi = mostra->addAction(tr("&Analisi"));
    connect(menuAnalisi, &QAction::triggered, this, [this] {
        if (!MostraAnalisi()) {
            DialoghiCorrenti().Messaggio(this, tr("Analisi della partita"),
                                         tr("Nessuna partita finita da analizzare."),
                                         Dialoghi::Icona::Informazione);
        }
    });
}

void TfrmBriscolaMain::ChiediSuggerimento() {
    if (soloComputer || giocatoreUmano < 0) {
        return;
    }
    if (suggeritore == nullptr) {
        suggeritore = new Suggeritore(*this, *panelLicitazione, giocatoreUmano);
    }
    suggeritore->Chiedi();
}

FinestraAnalisi* TfrmBriscolaMain::FinestraAnalisiAperta() const {
    return qobject_cast<FinestraAnalisi*>(finestraAnalisi.data());
}

bool TfrmBriscolaMain::MostraAnalisi() {
    if (soloComputer || giocatoreUmano < 0 || partiteNotate.empty()) {
        return false;
    }
    try {
        const std::vector<PartitaNotata> partite = LeggiNotazione(partiteNotate);
        if (partite.empty()) {
            return false;
        }
        delete finestraAnalisi;
        auto* finestra = new FinestraAnalisi(partite.back(), giocatoreUmano, nomiMazzo, this);
        finestra->setAttribute(Qt::WA_DeleteOnClose);
        finestra->show();
        finestraAnalisi = finestra;
    } catch (const std::exception& e) {
        MostraErrore(QString::fromStdString(e.what()));
    }
    return true;
}
