#include "finestre/TfrmStato.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "finestre/CicloGioco.h"
#include "finestre/TestiGioco.h"
#include "finestre/TestoEliso.h"
#include "finestre/TfrmBriscola.h"
#include "motori/Tavolo.h"
#include "partita/RegistroPartita.h"

namespace {

QLineEdit* NuovaCasella(QWidget* pagina, const QString& nome, int sinistra, int alto,
                        int larghezza) {
    auto* casella = new QLineEdit(pagina);
    casella->setObjectName(nome);
    casella->setReadOnly(true);
    casella->setGeometry(sinistra, alto, larghezza, 21);
    return casella;
}

QLabel* NuovaEtichetta(QWidget* pagina, const QString& testo, int sinistra, int alto, int larghezza,
                       int altezza = 17) {
    auto* etichetta = new QLabel(testo, pagina);
    etichetta->setGeometry(sinistra, alto, larghezza, altezza);
    return etichetta;
}

QPushButton* NuovoPulsante(QWidget* pagina, const QString& nome, const QString& testo, int sinistra,
                           int alto) {
    auto* pulsante = new QPushButton(testo, pagina);
    pulsante->setObjectName(nome);
    pulsante->setGeometry(sinistra, alto, 80, 25);
    return pulsante;
}

void ColoraRosso(QLabel* etichetta) {
    QPalette colori = etichetta->palette();
    colori.setColor(QPalette::WindowText, Qt::red);
    etichetta->setPalette(colori);
}

// The short names of a seat's cards, each followed by a blank; undefined cards are skipped.
template <typename Lettura>
QString NomiBrevi(const NomiCarte& nomi, Lettura carta) {
    QString testo;
    for (int k = 0; k < 8; ++k) {
        const Carta c = carta(k);
        if (c.Definita()) {
            testo += QString::fromStdString(c.NomeBreve(nomi)) + QLatin1Char(' ');
        }
    }
    return testo;
}

} // namespace

TfrmStato::TfrmStato(std::function<QString(int)> nomeGiocatore, QWidget* padre)
    : QWidget(padre, Qt::Tool), nomeGiocatore(std::move(nomeGiocatore)),
      pagine(new QTabWidget(this)) {
    setWindowTitle(tr("Stato"));
    setFixedSize(kLarghezza, kAltezza);
    pagine->setGeometry(0, 0, kLarghezza, kAltezza);
    auto* carte = new QWidget;
    auto* dettaglio = new QWidget;
    pagine->addTab(carte, tr("Carte Giocate"));
    pagine->addTab(dettaglio, tr("Dettaglio"));
    CreaPaginaCarte(carte);
    CreaPaginaDettaglio(dettaglio);
}

TfrmStato::~TfrmStato() {
    Distacca();
}

void TfrmStato::Distacca() {
    if (tavolo != nullptr && tavolo->osservatore == this) {
        tavolo->osservatore = nullptr;
    }
}

void TfrmStato::CreaPaginaCarte(QWidget* pagina) {
    NuovaEtichetta(pagina, tr("Chiamata"), 6, 10, 72);
    EditChiamata = NuovaCasella(pagina, QStringLiteral("EditChiamata"), 80, 8, 150);
    NuovaEtichetta(pagina, tr("Chiamante"), 6, 34, 72);
    EditChiamante = NuovaCasella(pagina, QStringLiteral("EditChiamante"), 80, 32, 110);
    NuovaEtichetta(pagina, tr("Socio"), 198, 34, 36);
    EditSocio = NuovaCasella(pagina, QStringLiteral("EditSocio"), 236, 32, 126);
    NuovaEtichetta(pagina, tr("Giocatore"), 6, 58, 72);
    NuovaEtichetta(pagina, tr("In mano"), 80, 58, 100);
    NuovaEtichetta(pagina, tr("Distribuite"), 222, 58, 100);
    for (int s = 0; s < 5; ++s) {
        const int alto = 76 + 23 * s;
        EditNome[s] = NuovaCasella(pagina, QStringLiteral("EditNome%1").arg(s + 1), 6, alto, 72);
        EditMano[s] = NuovaCasella(pagina, QStringLiteral("Edit%1").arg(s + 1), 80, alto, 140);
        EditDistribuite[s] =
            NuovaCasella(pagina, QStringLiteral("Edit%1").arg(s + 6), 222, alto, 140);
        // Eight short names fill the box: a smaller font shows them all.
        for (QLineEdit* carte : {EditMano[s], EditDistribuite[s]}) {
            QFont piccolo = carte->font();
            piccolo.setPointSizeF(piccolo.pointSizeF() * 0.85);
            carte->setFont(piccolo);
        }
    }
    grpGiocatore = new QGroupBox(tr("Giocatore"), pagina);
    grpGiocatore->setObjectName(QStringLiteral("grpGiocatore"));
    grpGiocatore->setGeometry(6, 194, 356, 180);
    NuovaEtichetta(grpGiocatore, tr("Schema"), 8, 20, 50);
    txtSchema = NuovaEtichetta(grpGiocatore, QString(), 60, 20, 288);
    txtSchema->setObjectName(QStringLiteral("txtSchema"));
    txtAnalisi = NuovaEtichetta(grpGiocatore, QString(), 8, 40, 340);
    txtAnalisi->setObjectName(QStringLiteral("txtAnalisi"));
    ColoraRosso(txtAnalisi);
    txtCarteMigliori = NuovaEtichetta(grpGiocatore, QString(), 8, 60, 340, 86);
    txtCarteMigliori->setObjectName(QStringLiteral("txtCarteMigliori"));
    txtCarteMigliori->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont piccolo = txtCarteMigliori->font();
    piccolo.setPointSizeF(piccolo.pointSizeF() * 0.8);
    txtCarteMigliori->setFont(piccolo);
    txtCartaGiocata = NuovaEtichetta(grpGiocatore, QString(), 8, 148, 340, 26);
    txtCartaGiocata->setObjectName(QStringLiteral("txtCartaGiocata"));
    ColoraRosso(txtCartaGiocata);
    QFont grande = txtCartaGiocata->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.5);
    grande.setBold(true);
    txtCartaGiocata->setFont(grande);
    cmdAuto = NuovoPulsante(pagina, QStringLiteral("cmdAuto"), tr("Auto"), 6, 382);
    cmdAuto->setCheckable(true);
    cmdCont = NuovoPulsante(pagina, QStringLiteral("cmdCont"), tr("Continua"), 92, 382);
    connect(cmdCont, &QPushButton::clicked, this, &TfrmStato::cmdContClick);
}

void TfrmStato::CreaPaginaDettaglio(QWidget* pagina) {
    cmdAutoDet = NuovoPulsante(pagina, QStringLiteral("cmdAutoDet"), tr("Auto"), 6, 5);
    cmdAutoDet->setCheckable(true);
    cmdAutoDet->setChecked(true);
    cmdContDet = NuovoPulsante(pagina, QStringLiteral("cmdContDet"), tr("Continua"), 92, 5);
    connect(cmdContDet, &QPushButton::clicked, this, &TfrmStato::cmdContClick);
    txtCarta = NuovaEtichetta(pagina, QString(), 180, 8, 180);
    txtCarta->setObjectName(QStringLiteral("txtCarta"));
    QFont grassetto = txtCarta->font();
    grassetto.setBold(true);
    txtCarta->setFont(grassetto);
    ColoraRosso(txtCarta);
    // A grid for a detailed view of the decision; nothing writes to it yet.
    for (int r = 0; r < 20; ++r) {
        for (int c = 0; c < 5; ++c) {
            NuovaEtichetta(pagina, QString(), 10 + 70 * c, 35 + 15 * r, 65, 15);
        }
    }
}

void TfrmStato::ImpostaTavolo(StatoTavolo* nuovo) {
    Distacca();
    tavolo = nuovo;
    if (tavolo != nullptr && isVisible()) {
        tavolo->osservatore = this;
    }
}

void TfrmStato::ImpostaFinestraGioco(TfrmBriscola* finestra) {
    ImpostaTavolo(&finestra->TavoloGioco().Stato());
    connect(finestra, &TfrmBriscola::PassoGiocato, this, &TfrmStato::MostraRegistro);
    CicloGioco* ciclo = &finestra->Ciclo();
    connect(this, &TfrmStato::Trattieni, ciclo, &CicloGioco::TrattieniDecisione);
    connect(this, &TfrmStato::Continua, ciclo, &CicloGioco::Continua);
}

void TfrmStato::MostraRegistro(const RegistroPartita& nuovo) {
    registro = nuovo;
    if (isVisible()) {
        AggiornaCarte();
    }
}

void TfrmStato::AggiornaCarte() {
    EditChiamata->setText(TestoCarta(registro.CartaChiamata(), Nomi()));
    // A new game has neither yet: nothing of the last game's stays.
    MostraEliso(*EditChiamante,
                registro.chiamante >= 0 ? nomeGiocatore(registro.chiamante) : QString());
    MostraEliso(*EditSocio, registro.Socio() >= 0 ? nomeGiocatore(registro.Socio()) : QString());
    for (int s = 0; s < 5; ++s) {
        EditMano[s]->setText(NomiBrevi(Nomi(), [&](int k) { return registro.CartaInMano(s, k); }));
        EditMano[s]->setCursorPosition(0);
        EditDistribuite[s]->setText(
            NomiBrevi(Nomi(), [&](int k) { return registro.CartaDistribuita(s, k); }));
        EditDistribuite[s]->setCursorPosition(0);
        MostraEliso(*EditNome[s], nomeGiocatore(s));
    }
}

void TfrmStato::cmdContClick() {
    emit Continua();
}

void TfrmStato::Schema(const std::string& etichetta) {
    txtSchema->setText(QString::fromStdString(etichetta));
}

void TfrmStato::Giocatore(int giocatore) {
    grpGiocatore->setTitle(nomeGiocatore(giocatore));
}

void TfrmStato::Analisi(const std::string& ruoli) {
    txtAnalisi->setText(QString::fromStdString(ruoli));
}

void TfrmStato::CarteMigliori(const std::string& righe) {
    txtCarteMigliori->setText(QString::fromStdString(righe));
}

void TfrmStato::CartaGiocata(const std::string& nomeLungo) {
    txtCartaGiocata->setText(QString::fromStdString(nomeLungo));
    if (!cmdAuto->isChecked() && isVisible()) {
        emit Trattieni();
    }
}

void TfrmStato::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (tavolo != nullptr) {
        tavolo->osservatore = this;
    }
    AggiornaCarte();
}

void TfrmStato::hideEvent(QHideEvent* evento) {
    QWidget::hideEvent(evento);
    Distacca();
    // Nobody is left to press "Continua".
    emit Continua();
}
