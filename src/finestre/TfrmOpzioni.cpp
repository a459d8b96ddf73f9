#include "finestre/TfrmOpzioni.h"

#include "comune/Casuale.h"
#include "comune/Testo.h"
#include "finestre/Dialoghi.h"
#include "finestre/FileOpzioni.h"
#include "finestre/Posizione.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSaveFile>
#include <QSpinBox>

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

QString InPercorso(const QString& cartella, const QString& nome) {
    return cartella.endsWith(QLatin1Char('/')) ? cartella + nome
                                               : cartella + QLatin1Char('/') + nome;
}

} // namespace

TfrmOpzioni::TfrmOpzioni(QString fileOpzioni, QString cartellaCarte, QString cartellaSfondi,
                         QWidget* padre)
    : QDialog(padre), fileOpzioni(std::move(fileOpzioni)), cartellaCarte(std::move(cartellaCarte)),
      cartellaSfondi(std::move(cartellaSfondi)), ultimoColore(Qt::black) {
    setWindowTitle(tr("Opzioni"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(341, 223);
    CostruisciPagine();
    CaricaOpzioni();
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
    dimensione = valori.dimensione;
    certificatoTls = QString::fromStdString(valori.certificatoTls);
    chiaveTls = QString::fromStdString(valori.chiaveTls);
    cmbLingua->setCurrentIndex(valori.lingua);
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
    valori.dimensione = dimensione;
    valori.lingua = Lingua();
    valori.certificatoTls = certificatoTls.toStdString();
    valori.chiaveTls = chiaveTls.toStdString();
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

int TfrmOpzioni::Lingua() const {
    return cmbLingua->currentIndex();
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
        const int r = generatoreNomi.Casuale(15);
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
    const QString scelto = DialoghiCorrenti().ApriFile(this, tr("Imposta Sfondo"), cartellaSfondi,
                                                       tr("Immagine Bitmap (*.bmp)"));
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

void TfrmOpzioni::reject() {
    cmdOKClick();
}

void TfrmOpzioni::showEvent(QShowEvent* evento) {
    Centra(*this);
    QDialog::showEvent(evento);
}

void TfrmOpzioni::cmdOKClick() {
    if (txtDirectory->text().isEmpty()) {
        txtDirectory->setText(carteConfermate);
    }
    carteConfermate = txtDirectory->text();
    accept();
}
