#include "finestre/SegnoTastiera.h"

#include <QEvent>
#include <QPainter>

#include "finestre/ScalaTavolo.h"

SegnoTastiera::SegnoTastiera(Forma forma, QWidget* padre) : QWidget(padre), forma(forma) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void SegnoTastiera::Segui(QWidget* nuovo) {
    if (bersaglio == nuovo) {
        Aggiorna();
        return;
    }
    if (bersaglio) {
        bersaglio->removeEventFilter(this);
    }
    bersaglio = nuovo;
    if (bersaglio) {
        bersaglio->installEventFilter(this);
    }
    Aggiorna();
}

bool SegnoTastiera::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == bersaglio) {
        switch (evento->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
            Aggiorna();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

void SegnoTastiera::Aggiorna() {
    if (!bersaglio || bersaglio->isHidden()) {
        hide();
        return;
    }
    const int bordo = ScalaTavolo::Scala(kBordo, ScalaTavolo::Fattore(this));
    setGeometry(bersaglio->geometry().adjusted(-bordo, -bordo, bordo, bordo));
    show();
    // Above the widget it marks, which may have raised itself in the meantime.
    if (isVisible()) {
        raise();
    }
}

void SegnoTastiera::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    const QRectF anello = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    for (const auto& [colore, spessore] :
         {std::pair{QColor(Qt::white), 3.0}, std::pair{QColor(220, 0, 120), 1.5}}) {
        pittore.setPen(QPen(colore, spessore));
        if (forma == Forma::Ellisse) {
            pittore.drawEllipse(anello);
        } else {
            pittore.drawRoundedRect(anello, 4, 4);
        }
    }
}
