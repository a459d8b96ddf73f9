#include "finestre/FinestraAnalisi.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTextEdit>
#include <QThread>
#include <QVBoxLayout>

#include "motori/MotoreOK.h"
#include "partita/RegistroPartita.h"

namespace {

// The same seed as the hints: the analysis of a position is its hint.
constexpr std::uint32_t kSemeAnalisi = 1;

QString Numero(double valore) {
    return QString::number(valore, 'f', 2);
}

// A bid in the card set's names; a pass has no text of its own there.
QString TestoChiamata(const Chiamata& chiamata, const NomiCarte& nomi) {
    if (chiamata == ChiamataPasso) {
        return QObject::tr("Passo");
    }
    return QString::fromStdString(chiamata.Testo(nomi));
}

} // namespace

FinestraAnalisi::FinestraAnalisi(const PartitaNotata& partita, int giocatore, const NomiCarte& nomi,
                                 QWidget* padre, int budget)
    : QDialog(padre), giocatore(giocatore), nomi(nomi), tabella(new QTableWidget(this)),
      totale(new QLabel(this)), posizione(new QTextEdit(this)) {
    setWindowTitle(tr("Analisi della partita"));
    tabella->setColumnCount(4);
    tabella->setHorizontalHeaderLabels(
        {tr("Decisione"), tr("Giocata"), tr("Esperto"), tr("Costo")});
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    posizione->setReadOnly(true);
    totale->setText(tr("Analisi in corso…"));
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(tabella, 3);
    colonna->addWidget(totale);
    colonna->addWidget(posizione, 2);
    resize(560, 520);
    connect(tabella, &QTableWidget::currentCellChanged, this,
            [this](int riga) { MostraPosizione(riga); });

    auto esito = std::make_shared<std::optional<AnalisiGiocatore>>();
    auto errore = std::make_shared<QString>();
    lavoro = QThread::create([partita, giocatore, budget, esito, errore] {
        try {
            const Consigliere consigliere(MotoreOK::kFileRegole, budget, kSemeAnalisi,
                                          TatticiDi(partita));
            *esito = AnalizzaPartita(partita, giocatore, consigliere);
        } catch (const std::exception& e) {
            *errore = QString::fromStdString(e.what());
        }
    });
    connect(lavoro, &QThread::finished, this, [this, esito, errore] {
        lavoro = nullptr;
        if (*esito) {
            Riempi(**esito);
        } else {
            totale->setText(tr("Analisi non riuscita: %1").arg(*errore));
        }
        emit Pronta();
    });
    connect(lavoro, &QThread::finished, lavoro, &QObject::deleteLater);
    lavoro->start();
}

FinestraAnalisi::~FinestraAnalisi() {
    if (lavoro) {
        lavoro->wait();
    }
}

QString FinestraAnalisi::TestoScelta(const Alternativa& a, TipoDecisione tipo) const {
    switch (tipo) {
    case TipoDecisione::Licitazione:
        return TestoChiamata(a.chiamata, nomi);
    case TipoDecisione::Briscola:
        return QString::fromStdString(nomi.Seme(a.briscola.Seme(), false));
    case TipoDecisione::Carta:
        break;
    }
    return QString::fromStdString(a.carta.NomeLungo(nomi));
}

void FinestraAnalisi::Riempi(const AnalisiGiocatore& fatta) {
    analisi = fatta;
    tabella->setRowCount(static_cast<int>(fatta.decisioni.size()));
    int riga = 0;
    for (const DecisioneAnalizzata& d : fatta.decisioni) {
        const TipoDecisione tipo = d.suggerimento.tipo;
        const QString decisione = tipo == TipoDecisione::Licitazione ? tr("Licitazione")
                                  : tipo == TipoDecisione::Briscola
                                      ? tr("Briscola")
                                      : tr("Presa %1").arg(d.posizione.ManiComplete() + 1);
        const QStringList celle = {decisione, TestoScelta(d.Fatta(), tipo),
                                   TestoScelta(d.suggerimento.Preferita(), tipo), Numero(d.costo)};
        for (int c = 0; c < celle.size(); ++c) {
            tabella->setItem(riga, c, new QTableWidgetItem(celle[c]));
        }
        ++riga;
    }
    totale->setText(tr("Punti attesi persi nella partita: %1").arg(Numero(fatta.totale)));
    if (riga > 0) {
        tabella->selectRow(0);
    }
}

void FinestraAnalisi::MostraPosizione(int riga) {
    if (!analisi || riga < 0 || riga >= static_cast<int>(analisi->decisioni.size())) {
        posizione->clear();
        return;
    }
    const DecisioneAnalizzata& d = analisi->decisioni[static_cast<std::size_t>(riga)];
    const RegistroPartita& r = d.posizione;
    QStringList righe;
    QStringList licitate;
    for (int n = 0; n < r.NumeroLicitazioni(); ++n) {
        int chi = -1;
        const Chiamata c = r.LicitazioneN(n, chi);
        licitate << tr("%1: %2").arg(chi).arg(TestoChiamata(c, nomi));
    }
    righe << tr("Licitazioni: %1").arg(licitate.isEmpty() ? tr("nessuna") : licitate.join(", "));
    if (r.briscola.Nominata()) {
        righe
            << tr("Briscola: %1").arg(QString::fromStdString(nomi.Seme(r.briscola.Seme(), false)));
    }
    QStringList mano;
    for (int c = 0; c < 40; ++c) {
        if (r.InMano(c) && r.Distribuzione(c) == giocatore) {
            mano << QString::fromStdString(Carta::DaIndice(c).NomeLungo(nomi));
        }
    }
    righe << tr("Mano: %1").arg(mano.join(", "));
    QStringList inTavola;
    for (int c = 0; c < 40; ++c) {
        if (r.InTavola(c)) {
            const Carta carta = Carta::DaIndice(c);
            inTavola << tr("%1 (giocatore %2)")
                            .arg(QString::fromStdString(carta.NomeLungo(nomi)))
                            .arg(r.ChiHaGiocato(carta));
        }
    }
    righe
        << tr("In tavola: %1").arg(inTavola.isEmpty() ? tr("nessuna carta") : inTavola.join(", "));
    righe << tr("Prese giocate: %1").arg(r.ManiComplete());
    QStringList alternative;
    for (const Alternativa& a : d.suggerimento.alternative) {
        alternative << tr("%1: punteggio atteso %2, punti della squadra %3")
                           .arg(TestoScelta(a, d.suggerimento.tipo), Numero(a.media),
                                Numero(a.puntiSquadra));
    }
    righe << QString() << tr("Scelte pesate dall'esperto:") << alternative;
    posizione->setPlainText(righe.join('\n'));
}
