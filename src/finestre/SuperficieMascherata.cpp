#include "finestre/SuperficieMascherata.h"

#include <QPainter>

#include "finestre/Maschere.h"
#include "finestre/ScalaTavolo.h"
#include "finestre/SfondoTavolo.h"

SuperficieMascherata::SuperficieMascherata(const SfondoTavolo& sfondo, QWidget* padre)
    : QWidget(padre), sfondo(sfondo) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SuperficieMascherata::ImpostaMaschera(const QImage& normale, const QImage& doppia) {
    maschera = normale;
    maschera2x = doppia;
    update();
}

void SuperficieMascherata::ImpostaImmagine(const QImage& normale, const QImage& doppia) {
    immagine = normale;
    immagine2x = doppia;
    update();
}

QImage SuperficieMascherata::Composta(qreal rapporto) const {
    // The twice-size pictures serve a grown table as they serve a scaled screen.
    const bool doppia = rapporto * ScalaTavolo::Fattore(this) > 1.0;
    const QImage& m = doppia && !maschera2x.isNull() ? maschera2x : maschera;
    const QImage& i = doppia && !immagine2x.isNull() ? immagine2x : immagine;
    QImage risultato = ComponiMascherata(sfondo.Porzione(sfondo.AreaDi(*this), rapporto), m, i);
    risultato.setDevicePixelRatio(rapporto);
    return risultato;
}

void SuperficieMascherata::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    pittore.drawImage(QPoint(0, 0), Composta(devicePixelRatioF()));
}
