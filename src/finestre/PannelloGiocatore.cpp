#include "finestre/PannelloGiocatore.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>

#include "finestre/ScalaTavolo.h"
#include "finestre/TestiGioco.h"
#include "finestre/TestoEliso.h"

namespace {

// The width the turn star takes at the name's left, with a pixel to spare.
constexpr int kMargineStella = 15;
constexpr int kPixelChiamata = 11;
constexpr int kPixelChiamataMinimi = 8;

} // namespace

PannelloGiocatore::PannelloGiocatore(QWidget* tavolo, int alto, int sinistra, QLabel* turno,
                                     const QImage& preso, const QImage& presoDoppio,
                                     const NomiCarte& nomi)
    : nomi(nomi), immaginePresa(new QLabel(tavolo)), etichettaNome(new QLabel(tavolo)),
      etichettaChiamata(new QLabel(tavolo)), alto(alto), sinistra(sinistra), turno(turno) {
    ScalaTavolo::Colloca(immaginePresa, QRect(sinistra + 20, alto + 40, 15, 25));
    ScalaTavolo::ImpostaFigura(immaginePresa, preso, presoDoppio);
    immaginePresa->setToolTip(QCoreApplication::translate(
        "PannelloGiocatore", "Il giocatore ha effettuato almeno una presa"));
    immaginePresa->hide();

    ScalaTavolo::Colloca(etichettaNome, QRect(sinistra, alto, 100, 20));
    etichettaNome->setAlignment(Qt::AlignCenter);
    // A name is text people typed (at a network table, anyone's): never markup.
    etichettaNome->setTextFormat(Qt::PlainText);
    QFont nome(QStringLiteral("DejaVu Sans"));
    nome.setPixelSize(15);
    nome.setBold(true);
    ScalaTavolo::ImpostaCarattere(etichettaNome, nome);
    // The turn star sits at the label's left end: the name is centred in the rest.
    ScalaTavolo::ImpostaMargini(etichettaNome, QMargins(kMargineStella, 0, 0, 0));

    ScalaTavolo::Colloca(etichettaChiamata, QRect(sinistra, alto + 20, 100, 30));
    etichettaChiamata->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // One line only: a second one would lie under the caller's and partner's markers.
    etichettaChiamata->setWordWrap(false);
    QFont testo(QStringLiteral("DejaVu Sans"));
    testo.setPixelSize(kPixelChiamata);
    ScalaTavolo::ImpostaCarattere(etichettaChiamata, testo);
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
    // A long bid ("Due di Quadri al 120") takes a smaller font before it is cut; the fit is
    // judged at 100%, which the table's factor keeps at every size.
    QFont carattere(QStringLiteral("DejaVu Sans"));
    int pixel = kPixelChiamata;
    for (; pixel > kPixelChiamataMinimi; --pixel) {
        carattere.setPixelSize(pixel);
        if (QFontMetrics(carattere).horizontalAdvance(testo) <=
            ScalaTavolo::Base(etichettaChiamata).width()) {
            break;
        }
    }
    carattere.setPixelSize(pixel);
    ScalaTavolo::ImpostaCarattere(etichettaChiamata, carattere);
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
    ScalaTavolo::Sposta(turno, QPoint(sinistra, alto));
    turno->show();
    turno->raise();
}

void PannelloGiocatore::PosizionaSegno(QWidget* segno, bool spostato) {
    ScalaTavolo::Sposta(segno, QPoint(sinistra + (spostato ? 60 : 35), alto + 34));
    segno->show();
    segno->raise();
}
