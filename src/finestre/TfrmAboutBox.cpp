#include "finestre/TfrmAboutBox.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "finestre/Dialoghi.h"

namespace {

// A small globe beside the link: a blue disc with its meridians and parallels.
QPixmap DisegnoGlobo(int lato) {
    QPixmap immagine(lato, lato);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    const QRectF cerchio(1, 1, lato - 2, lato - 2);
    pittore.setBrush(QColor(70, 130, 220));
    pittore.setPen(QPen(QColor(20, 50, 120), 1));
    pittore.drawEllipse(cerchio);
    pittore.setBrush(Qt::NoBrush);
    pittore.drawEllipse(cerchio.adjusted(lato / 4.0, 0, -lato / 4.0, 0));
    pittore.drawLine(QPointF(lato / 2.0, 1), QPointF(lato / 2.0, lato - 1));
    pittore.drawLine(QPointF(1, lato / 2.0), QPointF(lato - 1, lato / 2.0));
    return immagine;
}

} // namespace

TfrmAboutBox::TfrmAboutBox(QString fileManuale, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      fileManuale(std::move(fileManuale)),
      apertura([](const QUrl& indirizzo) { return QDesktopServices::openUrl(indirizzo); }) {
    setWindowTitle(tr("Briscola Chiamata"));
    setFixedSize(298, 169);
    QPalette colori = palette();
    colori.setColor(QPalette::Window, Qt::white);
    setPalette(colori);
    setAutoFillBackground(true);

    auto* pannello = new QFrame(this);
    pannello->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pannello->setGeometry(8, 8, 282, 118);

    imgProgramma = new QLabel(pannello);
    imgProgramma->setGeometry(8, 6, 57, 105);
    QPixmap figura(QStringLiteral(":/pentaludo/pentaludo-128.png"));
    imgProgramma->setPixmap(figura.scaled(57, 105, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    imgProgramma->setAlignment(Qt::AlignCenter);
    imgProgramma->setCursor(Qt::PointingHandCursor);

    auto* nome = new QLabel(tr("Briscola Chiamata"), pannello);
    QFont grande = nome->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    grande.setBold(true);
    nome->setFont(grande);
    nome->setGeometry(76, 8, 200, 26);
    auto* versione =
        new QLabel(tr("Versione %1").arg(QStringLiteral(PENTALUDO_VERSIONE)), pannello);
    versione->setGeometry(76, 38, 200, 18);
    auto* autore = new QLabel(tr("Gli autori di Pentaludo"), pannello);
    autore->setGeometry(76, 58, 200, 18);

    imgGlobo = new QLabel(pannello);
    imgGlobo->setPixmap(DisegnoGlobo(16));
    imgGlobo->setGeometry(76, 88, 16, 16);
    imgGlobo->setCursor(Qt::PointingHandCursor);
    lblIndirizzo = new QLabel(tr("Manuale di Pentaludo"), pannello);
    QFont sottolineato = lblIndirizzo->font();
    sottolineato.setUnderline(true);
    lblIndirizzo->setFont(sottolineato);
    QPalette blu = lblIndirizzo->palette();
    blu.setColor(QPalette::WindowText, Qt::blue);
    lblIndirizzo->setPalette(blu);
    lblIndirizzo->setGeometry(96, 87, 180, 18);
    lblIndirizzo->setCursor(Qt::PointingHandCursor);
    lblIndirizzo->setToolTip(IndirizzoManuale().toString());
    for (QLabel* cliccabile : {imgProgramma, imgGlobo, lblIndirizzo}) {
        cliccabile->installEventFilter(this);
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(112, 134, 75, 25);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAboutBox::ImpostaApertura(std::function<bool(const QUrl&)> nuova) {
    apertura = std::move(nuova);
}

QUrl TfrmAboutBox::IndirizzoManuale() const {
    return QUrl::fromLocalFile(QFileInfo(fileManuale).absoluteFilePath());
}

bool TfrmAboutBox::ApriManuale() {
    const bool aperto = QFileInfo(fileManuale).isFile() && apertura(IndirizzoManuale());
    if (!aperto) {
        DialoghiCorrenti().Messaggio(this, tr("Briscola Chiamata"),
                                     tr("Impossibile aprire il manuale: ") + fileManuale,
                                     Dialoghi::Icona::Errore);
    }
    return aperto;
}

bool TfrmAboutBox::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease) {
        ApriManuale();
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}
