#include "finestre/SfondoTavolo.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

void SfondoTavolo::ImpostaColore(const QColor& nuovo) {
    if (nuovo != colore) {
        colore = nuovo;
        rapportoPronta = 0.0;
    }
}

bool SfondoTavolo::ImpostaImmagine(const QString& percorso) {
    if (percorso.isEmpty()) {
        immagine = QImage();
        rapportoPronta = 0.0;
        return true;
    }
    QImage letta(percorso);
    if (letta.isNull()) {
        return false;
    }
    immagine = letta.convertToFormat(QImage::Format_RGB32);
    rapportoPronta = 0.0;
    return true;
}

const QImage& SfondoTavolo::Pronta(qreal rapporto) const {
    // The table may have grown since the last picture: it covers the table's size as it is.
    const QSize misura = tavolo != nullptr ? tavolo->size() : dimensione;
    const QSize pixel(static_cast<int>(std::lround(misura.width() * rapporto)),
                      static_cast<int>(std::lround(misura.height() * rapporto)));
    if (rapporto != rapportoPronta || pronta.isNull() || pronta.size() != pixel) {
        pronta = QImage(pixel, QImage::Format_RGB32);
        pronta.fill(colore);
        if (!immagine.isNull()) {
            QPainter pittore(&pronta);
            pittore.setRenderHint(QPainter::SmoothPixmapTransform);
            pittore.drawImage(pronta.rect(), immagine, immagine.rect());
        }
        rapportoPronta = rapporto;
    }
    return pronta;
}

QImage SfondoTavolo::Porzione(const QRect& area, qreal rapporto) const {
    const QImage& tutta = Pronta(rapporto);
    const QRect pixel(static_cast<int>(std::lround(area.x() * rapporto)),
                      static_cast<int>(std::lround(area.y() * rapporto)),
                      static_cast<int>(std::lround(area.width() * rapporto)),
                      static_cast<int>(std::lround(area.height() * rapporto)));
    // copy() fills what lies outside the table with black; the table colour reads better.
    QImage porzione(pixel.size(), QImage::Format_RGB32);
    porzione.fill(colore);
    QPainter pittore(&porzione);
    pittore.drawImage(QPoint(0, 0), tutta, pixel);
    return porzione;
}

void SfondoTavolo::Disegna(QPainter& pittore, const QRect& area) const {
    const qreal rapporto = pittore.device()->devicePixelRatioF();
    QImage porzione = Porzione(area, rapporto);
    porzione.setDevicePixelRatio(rapporto);
    pittore.drawImage(area.topLeft(), porzione);
}

QRect SfondoTavolo::AreaDi(const QWidget& w) const {
    if (tavolo != nullptr && tavolo->isAncestorOf(&w)) {
        return QRect(w.mapTo(tavolo, QPoint(0, 0)), w.size());
    }
    return w.geometry();
}
