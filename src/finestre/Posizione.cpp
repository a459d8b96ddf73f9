#include "finestre/Posizione.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void Centra(QWidget& finestra) {
    const QScreen* schermo = finestra.screen();
    if (schermo == nullptr) {
        schermo = QGuiApplication::primaryScreen();
    }
    if (schermo == nullptr) {
        return;
    }
    // Before the first show the frame is not known yet: the window's own size stands for it.
    const QRect area = schermo->availableGeometry();
    const QSize cornice = finestra.frameGeometry().size().expandedTo(finestra.size());
    finestra.move(area.x() + (area.width() - cornice.width()) / 2,
                  area.y() + (area.height() - cornice.height()) / 2);
}
