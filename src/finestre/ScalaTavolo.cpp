#include "finestre/ScalaTavolo.h"

#include <QLabel>
#include <QPixmap>
#include <QTreeWidget>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace ScalaTavolo {

namespace {

// What each widget keeps of its 100% self.
constexpr const char* kFattore = "scalaTavolo.fattore";
constexpr const char* kBase = "scalaTavolo.base";
constexpr const char* kCarattere = "scalaTavolo.carattere";
constexpr const char* kFigura = "scalaTavolo.figura";
constexpr const char* kFiguraDoppia = "scalaTavolo.figuraDoppia";
constexpr const char* kColonne = "scalaTavolo.colonne";
constexpr const char* kMargini = "scalaTavolo.margini";

QRect Scalato(const QRect& base, qreal fattore) {
    return {Scala(base.x(), fattore), Scala(base.y(), fattore), Scala(base.width(), fattore),
            Scala(base.height(), fattore)};
}

void ApplicaCarattere(QWidget* w, qreal fattore) {
    const QVariant valore = w->property(kCarattere);
    if (!valore.isValid()) {
        return;
    }
    QFont carattere = valore.value<QFont>();
    if (carattere.pixelSize() > 0) {
        carattere.setPixelSize(std::max(1, Scala(carattere.pixelSize(), fattore)));
    } else if (carattere.pointSizeF() > 0) {
        carattere.setPointSizeF(carattere.pointSizeF() * fattore);
    }
    w->setFont(carattere);
}

void ApplicaFigura(QLabel* etichetta, qreal fattore) {
    const QVariant normale = etichetta->property(kFigura);
    if (!normale.isValid()) {
        return;
    }
    const QImage doppia = etichetta->property(kFiguraDoppia).value<QImage>();
    const bool grande = ScalaFigure(etichetta) > 1 && !doppia.isNull();
    QPixmap figura = QPixmap::fromImage(grande ? doppia : normale.value<QImage>());
    // The picture's logical size is its 100% size times the factor.
    figura.setDevicePixelRatio((grande ? 2.0 : 1.0) / fattore);
    etichetta->setPixmap(figura);
}

void ApplicaColonne(QTreeWidget* lista, qreal fattore) {
    const QVariant valore = lista->property(kColonne);
    if (!valore.isValid()) {
        return;
    }
    const auto larghezze = valore.value<QVector<int>>();
    for (int c = 0; c < larghezze.size(); ++c) {
        lista->setColumnWidth(c, Scala(larghezze[c], fattore));
    }
}

void Applica(QWidget* w) {
    const qreal fattore = Fattore(w);
    const QVariant base = w->property(kBase);
    if (base.isValid()) {
        w->setGeometry(Scalato(base.toRect(), fattore));
    }
    ApplicaCarattere(w, fattore);
    const QVariant margini = w->property(kMargini);
    if (margini.isValid()) {
        const QMargins m = margini.value<QMargins>();
        w->setContentsMargins(Scala(m.left(), fattore), Scala(m.top(), fattore),
                              Scala(m.right(), fattore), Scala(m.bottom(), fattore));
    }
    if (auto* etichetta = qobject_cast<QLabel*>(w)) {
        ApplicaFigura(etichetta, fattore);
    }
    if (auto* lista = qobject_cast<QTreeWidget*>(w)) {
        ApplicaColonne(lista, fattore);
    }
}

} // namespace

int Scala(int lunghezza, qreal fattore) {
    return static_cast<int>(std::lround(lunghezza * fattore));
}

void ImpostaFattore(QWidget* tavolo, qreal fattore) {
    tavolo->setProperty(kFattore, fattore);
    for (QWidget* w : tavolo->findChildren<QWidget*>()) {
        Applica(w);
    }
}

qreal Fattore(const QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        const QVariant fattore = w->property(kFattore);
        if (fattore.isValid()) {
            return fattore.toReal();
        }
    }
    return 1.0;
}

void Colloca(QWidget* w, const QRect& base) {
    w->setProperty(kBase, base);
    w->setGeometry(Scalato(base, Fattore(w)));
}

void Sposta(QWidget* w, const QPoint& base) {
    Colloca(w, QRect(base, Base(w).size()));
}

void Ridimensiona(QWidget* w, const QSize& base) {
    Colloca(w, QRect(Base(w).topLeft(), base));
}

QRect Base(const QWidget* w) {
    const QVariant base = w->property(kBase);
    return base.isValid() ? base.toRect() : w->geometry();
}

void ImpostaCarattere(QWidget* w, const QFont& base) {
    w->setProperty(kCarattere, QVariant::fromValue(base));
    ApplicaCarattere(w, Fattore(w));
}

void ImpostaMargini(QWidget* w, const QMargins& base) {
    w->setProperty(kMargini, QVariant::fromValue(base));
    Applica(w);
}

void ImpostaFigura(QLabel* etichetta, const QImage& normale, const QImage& doppia) {
    etichetta->setProperty(kFigura, QVariant::fromValue(normale));
    etichetta->setProperty(kFiguraDoppia, QVariant::fromValue(doppia));
    ApplicaFigura(etichetta, Fattore(etichetta));
}

void ImpostaColonne(QTreeWidget* lista, const QVector<int>& larghezze) {
    lista->setProperty(kColonne, QVariant::fromValue(larghezze));
    ApplicaColonne(lista, Fattore(lista));
}

int ScalaFigure(const QWidget* w) {
    return Fattore(w) * w->devicePixelRatioF() > 1.0 ? 2 : 1;
}

} // namespace ScalaTavolo
