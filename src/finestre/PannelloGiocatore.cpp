#include "finestre/PannelloGiocatore.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>

#include "finestre/TestiGioco.h"
#include "finestre/TestoEliso.h"

namespace {

// The width the turn star takes at the name's left, with a pixel to spare.
constexpr int kMargineStella = 15;
constexpr int kPixelChiamata = 11;
constexpr int kPixelChiamataMinimi = 8;

} // namespace

PannelloGiocatore::PannelloGiocatore(QWidget* tavolo, int alto, int sinistra, QLabel* turno,
                                     const QPixmap& preso, const NomiCarte& nomi)
    : nomi(nomi), immaginePresa(new QLabel(tavolo)), etichettaNome(new QLabel(tavolo)),
      etichettaChiamata(new QLabel(tavolo)), alto(alto), sinistra(sinistra), turno(turno) {
    immaginePresa->setGeometry(sinistra + 20, alto + 40, 15, 25);
    immaginePresa->setPixmap(preso);
    immaginePresa->setToolTip(QCoreApplication::translate(
        "PannelloGiocatore", "Il giocatore ha effettuato almeno una presa"));
    immaginePresa->hide();

    etichettaNome->setGeometry(sinistra, alto, 100, 20);
    etichettaNome->setAlignment(Qt::AlignCenter);
    QFont nome(QStringLiteral("DejaVu Sans"));
    nome.setPixelSize(15);
    nome.setBold(true);
    etichettaNome->setFont(nome);
    // The turn star sits at the label's left end: the name is centred in the rest.
    etichettaNome->setContentsMargins(kMargineStella, 0, 0, 0);

    etichettaChiamata->setGeometry(sinistra, alto + 20, 100, 30);
    etichettaChiamata->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // One line only: a second one would lie under the caller's and partner's markers.
    etichettaChiamata->setWordWrap(false);
    QFont testo(QStringLiteral("DejaVu Sans"));
    testo.setPixelSize(kPixelChiamata);
    etichettaChiamata->setFont(testo);
    for (QLabel* etichetta : {etichettaNome, etichettaChiamata}) {
        etichetta->setAttribute(Qt::WA_TranslucentBackground);
        etichetta->show();
    }
}

void PannelloGiocatore::ImpostaNome(const QString& nome) {
    MostraEliso(*etichettaNome, nome);
}

void PannelloGiocatore::MostraChiamata(const Chiamata& nuova) {
    chiamata = nuova;
    const QString testo = TestoChiamata(nuova, nomi);
    // A long bid ("Due di Quadri al 120") takes a smaller font before it is cut.
    QFont carattere = etichettaChiamata->font();
    int pixel = kPixelChiamata;
    for (; pixel > kPixelChiamataMinimi; --pixel) {
        carattere.setPixelSize(pixel);
        if (QFontMetrics(carattere).horizontalAdvance(testo) <=
            LarghezzaTesto(*etichettaChiamata)) {
            break;
        }
    }
    carattere.setPixelSize(pixel);
    etichettaChiamata->setFont(carattere);
    MostraEliso(*etichettaChiamata, testo);
}

void PannelloGiocatore::MostraPresa(bool visibile) {
    immaginePresa->setVisible(visibile);
    if (visibile) {
        immaginePresa->raise();
    }
}

void PannelloGiocatore::ImpostaColore(const QColor& colore) {
    for (QLabel* etichetta : {etichettaNome, etichettaChiamata}) {
        QPalette tavolozza = etichetta->palette();
        tavolozza.setColor(QPalette::WindowText, colore);
        etichetta->setPalette(tavolozza);
    }
}

void PannelloGiocatore::MostraTurno() {
    turno->move(sinistra, alto);
    turno->show();
    turno->raise();
}

void PannelloGiocatore::PosizionaSegno(QWidget* segno, bool spostato) {
    segno->move(sinistra + (spostato ? 60 : 35), alto + 34);
    segno->show();
    segno->raise();
}
