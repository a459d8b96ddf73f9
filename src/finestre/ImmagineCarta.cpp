#include "finestre/ImmagineCarta.h"

#include <QMouseEvent>

#include "finestre/ScalaTavolo.h"

ImmagineCarta::ImmagineCarta(int indice, const SfondoTavolo& sfondo, QWidget* padre)
    : SuperficieMascherata(sfondo, padre), indice(indice) {
    ScalaTavolo::Ridimensiona(this, QSize(55, 101));
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
