// The options dialog's four pages and its OK button: what each control is and where it sits.

#include "finestre/TfrmOpzioni.h"

#include "finestre/FileOpzioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QFrame* NuovoCampione(QWidget* padre) {
    auto* campione = new QFrame(padre);
    campione->setFrameShape(QFrame::Box);
    campione->setFixedSize(57, 25);
    campione->setAutoFillBackground(true);
    campione->setCursor(Qt::PointingHandCursor);
    return campione;
}

// The up-down with its edit: the edit only shows the value, which the buttons change.
QSpinBox* NuovoUpDown(QWidget* padre, int massimo, int passo) {
    auto* upDown = new QSpinBox(padre);
    upDown->setRange(0, massimo);
    upDown->setSingleStep(passo);
    upDown->setWrapping(false);
    upDown->setKeyboardTracking(false);
    upDown->setGroupSeparatorShown(false);
    upDown->setAlignment(Qt::AlignRight);
    upDown->setFixedWidth(80);
    upDown->findChild<QLineEdit*>()->setReadOnly(true);
    return upDown;
}

// The folder list's way of showing a card set's folder.
QString VoceCartella(const QString& nome) {
    return QLatin1Char('[') + nome + QLatin1Char(']');
}

// The text of the list's selected entry; empty when none is selected.
QString TestoScelto(const QListWidget& lista) {
    const QList<QListWidgetItem*> scelte = lista.selectedItems();
    return scelte.isEmpty() ? QString() : scelte.constFirst()->text();
}

} // namespace

void TfrmOpzioni::CostruisciPagine() {
    PageOpzioni = new QTabWidget(this);
    // The four captions fit the narrow window side by side, without scroll arrows.
    PageOpzioni->setUsesScrollButtons(false);
    QFont carattere = PageOpzioni->tabBar()->font();
    carattere.setPointSizeF(carattere.pointSizeF() * 0.85);
    PageOpzioni->tabBar()->setFont(carattere);
    tabOpzioni = new QWidget;
    tabGiocatori = new QWidget;
    tabColori = new QWidget;
    tabCarte = new QWidget;
    PageOpzioni->addTab(tabOpzioni, tr("Opzioni"));
    PageOpzioni->addTab(tabGiocatori, tr("Nomi Giocatori"));
    PageOpzioni->addTab(tabColori, tr("Colori e Sfondo"));
    PageOpzioni->addTab(tabCarte, tr("Carte"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmOpzioni::cmdOKClick);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(cmdOK);
    auto* principale = new QVBoxLayout(this);
    principale->setContentsMargins(6, 6, 6, 6);
    principale->setSpacing(6);
    principale->addWidget(PageOpzioni);
    principale->addLayout(pulsanti);

    // Opzioni
    UpDownPuntiMonte = NuovoUpDown(tabOpzioni, kMassimoPuntiMonte, 1);
    UpDownAttesa1 = NuovoUpDown(tabOpzioni, kMassimoAttesaGiocata, 100);
    UpDownAttesa2 = NuovoUpDown(tabOpzioni, kMassimoAttesaMano, 100);
    // The pauses are in milliseconds.
    for (QSpinBox* attesa : {UpDownAttesa1, UpDownAttesa2}) {
        attesa->setSuffix(QStringLiteral(" ms"));
    }
    txtPuntiMonte = UpDownPuntiMonte->findChild<QLineEdit*>();
    txtAttesa1 = UpDownAttesa1->findChild<QLineEdit*>();
    txtAttesa2 = UpDownAttesa2->findChild<QLineEdit*>();
    for (QSpinBox* upDown : {UpDownPuntiMonte, UpDownAttesa1, UpDownAttesa2}) {
        upDown->installEventFilter(this);
    }
    chkManoAlBuio = new QCheckBox(tr("Prima mano al buio"), tabOpzioni);
    chkCarteOrdinate = new QCheckBox(tr("Mostra le carte raggruppate per seme"), tabOpzioni);
    chkEsperti = new QCheckBox(tr("Giocatori esperti"), tabOpzioni);
    chkEsperti->setToolTip(tr("I quattro avversari giocano da esperti, "
                              "dalla prossima partita"));
    cmbLingua = new QComboBox(tabOpzioni);
    cmbLingua->addItems({tr("automatica"), QStringLiteral("Italiano"), QStringLiteral("English")});
    cmbLingua->setToolTip(tr("La lingua cambia al prossimo avvio del gioco"));
    auto* opzioni = new QGridLayout(tabOpzioni);
    opzioni->setVerticalSpacing(4);
    opzioni->addWidget(new QLabel(tr("Punti per Mandare a Monte"), tabOpzioni), 0, 0);
    opzioni->addWidget(UpDownPuntiMonte, 0, 1);
    opzioni->addWidget(new QLabel(tr("Attesa dopo ogni carta giocata"), tabOpzioni), 1, 0);
    opzioni->addWidget(UpDownAttesa1, 1, 1);
    opzioni->addWidget(new QLabel(tr("Attesa dopo la fine della mano"), tabOpzioni), 2, 0);
    opzioni->addWidget(UpDownAttesa2, 2, 1);
    opzioni->addWidget(chkManoAlBuio, 3, 0, 1, 2);
    opzioni->addWidget(chkCarteOrdinate, 4, 0, 1, 2);
    opzioni->addWidget(chkEsperti, 5, 0, 1, 2);
    opzioni->addWidget(new QLabel(tr("Lingua"), tabOpzioni), 6, 0);
    opzioni->addWidget(cmbLingua, 6, 1);
    opzioni->addWidget(new QLabel(tr("La lingua cambia al prossimo avvio del gioco"), tabOpzioni),
                       7, 0, 1, 2);
    opzioni->setRowStretch(8, 1);
    opzioni->setColumnStretch(0, 1);

    // Nomi Giocatori
    auto* giocatori = new QGridLayout(tabGiocatori);
    giocatori->setVerticalSpacing(3);
    QLineEdit** nomi[] = {&txtNome1, &txtNome2, &txtNome3, &txtNome4, &txtNome5};
    QPushButton** bottoni[] = {&cmdN1, &cmdN2, &cmdN3, &cmdN4, &cmdN5};
    for (int j = 1; j <= 5; ++j) {
        auto* nome = new QLineEdit(tabGiocatori);
        auto* bottone = new QPushButton(QStringLiteral("?"), tabGiocatori);
        bottone->setToolTip(tr("Scegli un nome a caso"));
        bottone->setFixedSize(22, 22);
        bottone->setAutoDefault(false);
        connect(bottone, &QPushButton::clicked, this, [this, j] { CreaNomeAutomaticamente(j); });
        giocatori->addWidget(new QLabel(QString::number(j), tabGiocatori), j - 1, 0);
        giocatori->addWidget(nome, j - 1, 1);
        giocatori->addWidget(bottone, j - 1, 2);
        *nomi[j - 1] = nome;
        *bottoni[j - 1] = bottone;
    }
    giocatori->setRowStretch(5, 1);
    // Seat 4 is the human's in a game with a human player.
    QFont grassetto = txtNome5->font();
    grassetto.setBold(true);
    txtNome5->setFont(grassetto);

    // Colori e Sfondo
    ShapeSfondo = NuovoCampione(tabColori);
    ShapeTesto = NuovoCampione(tabColori);
    ShapeSfondo->installEventFilter(this);
    ShapeTesto->installEventFilter(this);
    txtBitmap = new QLineEdit(tabColori);
    Button1 = new QPushButton(QStringLiteral("..."), tabColori);
    Button1->setFixedWidth(30);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TfrmOpzioni::Button1Click);
    lstSfondi = new QListWidget(tabColori);
    lstSfondi->setSelectionMode(QAbstractItemView::SingleSelection);
    const auto sceltoSfondo = [this](const QString& nome) {
        if (!nome.isEmpty()) {
            txtBitmap->setText(nome);
        }
    };
    // A choice is a selection (a click, the arrow keys), never the current row that keyboard
    // focus alone gives the list.
    connect(lstSfondi, &QListWidget::itemSelectionChanged, this,
            [this, sceltoSfondo] { sceltoSfondo(TestoScelto(*lstSfondi)); });
    connect(lstSfondi, &QListWidget::itemClicked, this,
            [sceltoSfondo](QListWidgetItem* voce) { sceltoSfondo(voce->text()); });
    auto* colori = new QGridLayout(tabColori);
    colori->setVerticalSpacing(4);
    colori->addWidget(new QLabel(tr("Sfondo"), tabColori), 0, 0);
    colori->addWidget(ShapeSfondo, 0, 1);
    colori->addWidget(new QLabel(tr("Testo"), tabColori), 1, 0);
    colori->addWidget(ShapeTesto, 1, 1);
    colori->addWidget(new QLabel(tr("Bitmap"), tabColori), 0, 2);
    auto* bitmap = new QHBoxLayout;
    bitmap->setSpacing(2);
    bitmap->addWidget(txtBitmap);
    bitmap->addWidget(Button1);
    colori->addLayout(bitmap, 0, 3);
    colori->addWidget(lstSfondi, 1, 3, 3, 1);
    colori->setColumnMinimumWidth(2, 40);
    colori->setColumnStretch(3, 1);
    colori->setRowStretch(3, 1);

    // Carte
    txtDirectory = new QLineEdit(tabCarte);
    txtDirectory->setReadOnly(true);
    connect(txtDirectory, &QLineEdit::textChanged, this, &TfrmOpzioni::txtDirectoryChange);
    lstCarte = new QListWidget(tabCarte);
    lstCarte->setSelectionMode(QAbstractItemView::SingleSelection);
    const auto sceltaCarte = [this](const QString& voce) {
        if (!voce.isEmpty()) {
            txtDirectory->setText(voce);
        }
    };
    connect(lstCarte, &QListWidget::itemSelectionChanged, this,
            [this, sceltaCarte] { sceltaCarte(TestoScelto(*lstCarte)); });
    connect(lstCarte, &QListWidget::itemClicked, this,
            [sceltaCarte](QListWidgetItem* voce) { sceltaCarte(voce->text()); });
    auto* carte = new QGridLayout(tabCarte);
    carte->setVerticalSpacing(4);
    carte->addWidget(new QLabel(tr("Carte"), tabCarte), 0, 0);
    carte->addWidget(txtDirectory, 0, 1);
    carte->addWidget(lstCarte, 1, 1);
    carte->setColumnStretch(1, 1);

    // A missing folder leaves its list empty.
    const QDir sfondi(cartellaSfondi);
    if (!cartellaSfondi.isEmpty() && sfondi.exists()) {
        lstSfondi->addItems(sfondi.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name));
    }
    const QDir insiemi(cartellaCarte);
    if (!cartellaCarte.isEmpty() && insiemi.exists()) {
        lstCarte->addItems({QStringLiteral("."), QStringLiteral("..")});
        for (const QString& nome :
             insiemi.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            lstCarte->addItem(VoceCartella(nome));
        }
    }
}
