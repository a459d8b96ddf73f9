#include "finestre/TfrmOpzioni.h"

#include "comune/Casuale.h"
#include "comune/Testo.h"
#include "finestre/Dialoghi.h"
#include "finestre/FileOpzioni.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace {

QColor DaColoreFile(std::uint32_t colore) {
    return QColor(static_cast<int>(colore & 0xFF), static_cast<int>((colore >> 8) & 0xFF),
                  static_cast<int>((colore >> 16) & 0xFF));
}

std::uint32_t InColoreFile(const QColor& colore) {
    return static_cast<std::uint32_t>(colore.red()) |
           (static_cast<std::uint32_t>(colore.green()) << 8) |
           (static_cast<std::uint32_t>(colore.blue()) << 16);
}

QColor ColoreDi(const QFrame* campione) {
    return campione->palette().color(QPalette::Window);
}

void Colora(QFrame* campione, const QColor& colore) {
    QPalette tavolozza = campione->palette();
    tavolozza.setColor(QPalette::Window, colore);
    campione->setPalette(tavolozza);
}

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

QString InPercorso(const QString& cartella, const QString& nome) {
    return cartella.endsWith(QLatin1Char('/')) ? cartella + nome
                                               : cartella + QLatin1Char('/') + nome;
}

} // namespace

TfrmOpzioni::TfrmOpzioni(QString fileOpzioni, QString cartellaCarte, QString cartellaSfondi,
                         QWidget* padre)
    : QDialog(padre), fileOpzioni(std::move(fileOpzioni)), cartellaCarte(std::move(cartellaCarte)),
      cartellaSfondi(std::move(cartellaSfondi)), ultimoColore(Qt::black) {
    setWindowTitle(QStringLiteral("Opzioni"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(341, 223);
    CostruisciPagine();
    CaricaOpzioni();
}

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
    PageOpzioni->addTab(tabOpzioni, QStringLiteral("Opzioni"));
    PageOpzioni->addTab(tabGiocatori, QStringLiteral("Nomi Giocatori"));
    PageOpzioni->addTab(tabColori, QStringLiteral("Colori e Sfondo"));
    PageOpzioni->addTab(tabCarte, QStringLiteral("Carte"));

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
    txtPuntiMonte = UpDownPuntiMonte->findChild<QLineEdit*>();
    txtAttesa1 = UpDownAttesa1->findChild<QLineEdit*>();
    txtAttesa2 = UpDownAttesa2->findChild<QLineEdit*>();
    for (QSpinBox* upDown : {UpDownPuntiMonte, UpDownAttesa1, UpDownAttesa2}) {
        upDown->installEventFilter(this);
    }
    chkManoAlBuio = new QCheckBox(QStringLiteral("Prima mano al buio"), tabOpzioni);
    chkCarteOrdinate =
        new QCheckBox(QStringLiteral("Mostra le carte raggruppate per seme"), tabOpzioni);
    chkEsperti = new QCheckBox(QStringLiteral("Giocatori esperti"), tabOpzioni);
    chkEsperti->setToolTip(QStringLiteral("I quattro avversari giocano da esperti, "
                                          "dalla prossima partita"));
    auto* opzioni = new QGridLayout(tabOpzioni);
    opzioni->setVerticalSpacing(4);
    opzioni->addWidget(new QLabel(QStringLiteral("Punti per Mandare a Monte"), tabOpzioni), 0, 0);
    opzioni->addWidget(UpDownPuntiMonte, 0, 1);
    opzioni->addWidget(new QLabel(QStringLiteral("Attesa dopo ogni carta giocata"), tabOpzioni), 1,
                       0);
    opzioni->addWidget(UpDownAttesa1, 1, 1);
    opzioni->addWidget(new QLabel(QStringLiteral("Attesa dopo la fine della mano"), tabOpzioni), 2,
                       0);
    opzioni->addWidget(UpDownAttesa2, 2, 1);
    opzioni->addWidget(chkManoAlBuio, 3, 0, 1, 2);
    opzioni->addWidget(chkCarteOrdinate, 4, 0, 1, 2);
    opzioni->addWidget(chkEsperti, 5, 0, 1, 2);
    opzioni->setRowStretch(6, 1);
    opzioni->setColumnStretch(0, 1);

    // Nomi Giocatori
    auto* giocatori = new QGridLayout(tabGiocatori);
    giocatori->setVerticalSpacing(3);
    QLineEdit** nomi[] = {&txtNome1, &txtNome2, &txtNome3, &txtNome4, &txtNome5};
    QPushButton** bottoni[] = {&cmdN1, &cmdN2, &cmdN3, &cmdN4, &cmdN5};
    for (int j = 1; j <= 5; ++j) {
        auto* nome = new QLineEdit(tabGiocatori);
        auto* bottone = new QPushButton(tabGiocatori);
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
    connect(lstSfondi, &QListWidget::currentTextChanged, this, sceltoSfondo);
    connect(lstSfondi, &QListWidget::itemClicked, this,
            [sceltoSfondo](QListWidgetItem* voce) { sceltoSfondo(voce->text()); });
    auto* colori = new QGridLayout(tabColori);
    colori->setVerticalSpacing(4);
    colori->addWidget(new QLabel(QStringLiteral("Sfondo"), tabColori), 0, 0);
    colori->addWidget(ShapeSfondo, 0, 1);
    colori->addWidget(new QLabel(QStringLiteral("Testo"), tabColori), 1, 0);
    colori->addWidget(ShapeTesto, 1, 1);
    colori->addWidget(new QLabel(QStringLiteral("Bitmap"), tabColori), 0, 2);
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
    connect(lstCarte, &QListWidget::currentTextChanged, this, sceltaCarte);
    connect(lstCarte, &QListWidget::itemClicked, this,
            [sceltaCarte](QListWidgetItem* voce) { sceltaCarte(voce->text()); });
    auto* carte = new QGridLayout(tabCarte);
    carte->setVerticalSpacing(4);
    carte->addWidget(new QLabel(QStringLiteral("Carte"), tabCarte), 0, 0);
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

void TfrmOpzioni::CaricaOpzioni() {
    const auto byte = LeggiFile(QFile::encodeName(fileOpzioni).toStdString());
    const ValoriOpzioni valori = LeggiOpzioni(byte ? *byte : std::string());
    for (int j = 1; j <= 5; ++j) {
        txtNome(j)->setText(QString::fromStdString(valori.nomi[static_cast<std::size_t>(j - 1)]));
    }
    Colora(ShapeSfondo, DaColoreFile(valori.coloreSfondo));
    Colora(ShapeTesto, DaColoreFile(valori.coloreTesto));
    txtBitmap->setText(QString::fromStdString(valori.immagineSfondo));
    txtDirectory->setText(QString::fromStdString(valori.directoryCarte));
    // A set the folder rules empty ("." or "..") would name no set at all.
    if (txtDirectory->text().isEmpty()) {
        txtDirectory->setText(QString::fromStdString(ValoriOpzioni().directoryCarte));
    }
    UpDownPuntiMonte->setValue(valori.puntiMonte);
    UpDownAttesa1->setValue(valori.attesaGiocata);
    UpDownAttesa2->setValue(valori.attesaMano);
    chkManoAlBuio->setChecked(valori.manoAlBuio);
    chkCarteOrdinate->setChecked(valori.carteOrdinate);
    chkEsperti->setChecked(valori.esperti);
    carteConfermate = txtDirectory->text();
}

ValoriOpzioni TfrmOpzioni::Valori() const {
    ValoriOpzioni valori;
    for (int j = 1; j <= 5; ++j) {
        valori.nomi[static_cast<std::size_t>(j - 1)] = txtNome(j)->text().toStdString();
    }
    valori.coloreSfondo = InColoreFile(ColoreSfondo());
    valori.coloreTesto = InColoreFile(ColoreTesto());
    valori.immagineSfondo = txtBitmap->text().toStdString();
    valori.directoryCarte = txtDirectory->text().toStdString();
    valori.puntiMonte = PuntiMonte();
    valori.attesaGiocata = AttesaGiocata();
    valori.attesaMano = AttesaMano();
    valori.manoAlBuio = ManoAlBuio();
    valori.carteOrdinate = CarteOrdinate();
    valori.esperti = Esperti();
    return valori;
}

bool TfrmOpzioni::Salva() const {
    const std::string testo = ScriviOpzioni(Valori());
    // The folder may not exist yet (a first run with the file in the user's settings).
    QDir().mkpath(QFileInfo(fileOpzioni).absolutePath());
    QSaveFile file(fileOpzioni);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto lunghezza = static_cast<qint64>(testo.size());
    if (file.write(testo.data(), lunghezza) != lunghezza) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

QLineEdit* TfrmOpzioni::txtNome(int j) const {
    const std::array<QLineEdit*, 5> righe = {txtNome1, txtNome2, txtNome3, txtNome4, txtNome5};
    return j >= 1 && j <= 5 ? righe[static_cast<std::size_t>(j - 1)] : nullptr;
}

QString TfrmOpzioni::NomeGiocatore(int i) const {
    const QLineEdit* nome = txtNome(i + 1);
    return nome ? nome->text() : QString();
}

int TfrmOpzioni::PuntiMonte() const {
    return UpDownPuntiMonte->value();
}

int TfrmOpzioni::AttesaGiocata() const {
    return UpDownAttesa1->value();
}

int TfrmOpzioni::AttesaMano() const {
    return UpDownAttesa2->value();
}

bool TfrmOpzioni::ManoAlBuio() const {
    return chkManoAlBuio->isChecked();
}

bool TfrmOpzioni::CarteOrdinate() const {
    return chkCarteOrdinate->isChecked();
}

bool TfrmOpzioni::Esperti() const {
    return chkEsperti->isChecked();
}

QColor TfrmOpzioni::ColoreSfondo() const {
    return ColoreDi(ShapeSfondo);
}

QColor TfrmOpzioni::ColoreTesto() const {
    return ColoreDi(ShapeTesto);
}

QString TfrmOpzioni::ImmagineSfondo() const {
    const QString testo = txtBitmap->text();
    if (testo.isEmpty() || testo.contains(QLatin1Char('/'))) {
        return testo;
    }
    return InPercorso(cartellaSfondi, testo);
}

QString TfrmOpzioni::DirectoryCarte() const {
    return InPercorso(cartellaCarte, txtDirectory->text());
}

void TfrmOpzioni::CreaNomeAutomaticamente(int j) {
    QLineEdit* nome = txtNome(j);
    if (nome == nullptr) {
        return;
    }
    // Ends: at most five of the eleven names are in use.
    for (;;) {
        const int r = Casuale(15);
        if (r >= static_cast<int>(kNomiAutomatici.size())) {
            continue;
        }
        const std::string_view voce = kNomiAutomatici[static_cast<std::size_t>(r)];
        const QString candidato =
            QString::fromUtf8(voce.data(), static_cast<qsizetype>(voce.size()));
        bool usato = false;
        for (int i = 0; i < 5; ++i) {
            usato = usato || NomeGiocatore(i) == candidato;
        }
        if (!usato) {
            nome->setText(candidato);
            return;
        }
    }
}

bool TfrmOpzioni::eventFilter(QObject* oggetto, QEvent* evento) {
    if ((oggetto == ShapeSfondo || oggetto == ShapeTesto) &&
        evento->type() == QEvent::MouseButtonRelease) {
        ScegliColore(static_cast<QFrame*>(oggetto));
        return true;
    }
    // The up-downs change only by their buttons, not by the arrow keys.
    if ((oggetto == UpDownPuntiMonte || oggetto == UpDownAttesa1 || oggetto == UpDownAttesa2) &&
        evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Up || tasto == Qt::Key_Down || tasto == Qt::Key_PageUp ||
            tasto == Qt::Key_PageDown) {
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void TfrmOpzioni::ScegliColore(QFrame* campione) {
    const auto scelto = DialoghiCorrenti().ScegliColore(this, ultimoColore);
    if (scelto && scelto->isValid()) {
        ultimoColore = QColor(scelto->rgb());
        Colora(campione, ultimoColore);
    }
}

void TfrmOpzioni::Button1Click() {
    const QString scelto =
        DialoghiCorrenti().ApriFile(this, QStringLiteral("Imposta Sfondo"), cartellaSfondi,
                                    QStringLiteral("Immagine Bitmap (*.bmp)"));
    if (!scelto.isEmpty()) {
        txtBitmap->setText(scelto);
    }
}

void TfrmOpzioni::txtDirectoryChange(const QString& testo) {
    // The folder list shows a set as "[name]" and offers "." and "..", which name no set.
    QString scelto = testo;
    for (;;) {
        if (scelto == QLatin1String(".") || scelto == QLatin1String("..")) {
            scelto.clear();
        } else if (scelto.startsWith(QLatin1Char('['))) {
            scelto = scelto.size() < 2 ? QString() : scelto.mid(1, scelto.size() - 2);
        } else {
            break;
        }
    }
    if (scelto != testo) {
        txtDirectory->setText(scelto);
    }
}

void TfrmOpzioni::cmdOKClick() {
    if (txtDirectory->text().isEmpty()) {
        txtDirectory->setText(carteConfermate);
    }
    carteConfermate = txtDirectory->text();
    accept();
}
