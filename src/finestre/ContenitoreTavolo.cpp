#include "finestre/ContenitoreTavolo.h"

#include <QPainter>

#include <algorithm>

#include "finestre/ScalaTavolo.h"
#include "finestre/SfondoTavolo.h"

namespace {

// Filling the window, the table never shrinks below half its size.
constexpr qreal kFattoreMinimo = 0.5;

} // namespace

ContenitoreTavolo::ContenitoreTavolo(QWidget* tavolo, const SfondoTavolo& sfondo, QWidget* padre)
    : QWidget(padre), tavolo(tavolo), sfondo(sfondo) {
    tavolo->setParent(this);
    ImpostaDimensione(100);
}

qreal ContenitoreTavolo::Fattore() const {
    return ScalaTavolo::Fattore(tavolo);
}

void ContenitoreTavolo::ImpostaDimensione(int nuovo) {
    if (nuovo == percento) {
        return;
    }
    percento = nuovo;
    if (Adatta()) {
        setMinimumSize(ScalaTavolo::Scala(ScalaTavolo::kLarghezza, kFattoreMinimo),
                       ScalaTavolo::Scala(ScalaTavolo::kAltezza, kFattoreMinimo));
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        RiempiSpazio();
        return;
    }
    const qreal fattore = percento / 100.0;
    Disponi(fattore, QPoint(0, 0));
    setFixedSize(tavolo->size());
}

void ContenitoreTavolo::Disponi(qreal fattore, const QPoint& dove) {
    const QSize misura(ScalaTavolo::Scala(ScalaTavolo::kLarghezza, fattore),
                       ScalaTavolo::Scala(ScalaTavolo::kAltezza, fattore));
    tavolo->setFixedSize(misura);
    tavolo->move(dove);
    if (ScalaTavolo::Fattore(tavolo) != fattore) {
        ScalaTavolo::ImpostaFattore(tavolo, fattore);
    }
    tavolo->update();
}

void ContenitoreTavolo::resizeEvent(QResizeEvent*) {
    if (Adatta()) {
        RiempiSpazio();
    }
}

void ContenitoreTavolo::RiempiSpazio() {
    const qreal fattore =
        std::max(kFattoreMinimo, std::min(width() / qreal(ScalaTavolo::kLarghezza),
                                          height() / qreal(ScalaTavolo::kAltezza)));
    const QSize misura(ScalaTavolo::Scala(ScalaTavolo::kLarghezza, fattore),
                       ScalaTavolo::Scala(ScalaTavolo::kAltezza, fattore));
    Disponi(fattore, QPoint((width() - misura.width()) / 2, (height() - misura.height()) / 2));
}

void ContenitoreTavolo::paintEvent(QPaintEvent*) {
    // Only the bands beside the table show: the table covers the rest.
    QPainter pittore(this);
    pittore.fillRect(rect(), sfondo.Colore().darker(160));
}
