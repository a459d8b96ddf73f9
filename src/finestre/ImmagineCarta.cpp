#include "finestre/ImmagineCarta.h"

#include <QMouseEvent>

ImmagineCarta::ImmagineCarta(int indice, const SfondoTavolo& sfondo, QWidget* padre)
    : SuperficieMascherata(sfondo, padre), indice(indice) {
    resize(55, 101);
    hide();
}

void ImmagineCarta::ImpostaCliccabile(bool si) {
    cliccabile = si;
    setCursor(si ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ImmagineCarta::mouseReleaseEvent(QMouseEvent* evento) {
    if (cliccabile && evento->button() == Qt::LeftButton && rect().contains(evento->pos())) {
        emit Cliccata(indice);
    }
}
