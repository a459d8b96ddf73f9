#include "finestre/PannelloGiocatore.h"

#include <QLabel>
#include <QPixmap>

#include "finestre/ScalaTavolo.h"

PannelloGiocatore::PannelloGiocatore(QWidget* tavolo, int alto, int sinistra, QLabel* turno,
                                     const QImage& preso, const QImage& presoDoppio,
                                     const NomiCarte& nomi)
    : nomi(nomi), immaginePresa(new QLabel(tavolo)), etichettaNome(new QLabel(tavolo)),
      etichettaChiamata(new QLabel(tavolo)), alto(alto), sinistra(sinistra), turno(turno) {
    ScalaTavolo::Colloca(immaginePresa, QRect(sinistra + 20, alto + 40, 15, 25));
    ScalaTavolo::ImpostaFigura(immaginePresa, preso, presoDoppio);
    immaginePresa->setToolTip(QStringLiteral("Il giocatore ha effettuato almeno una presa"));
    immaginePresa->hide();

    ScalaTavolo::Colloca(etichettaNome, QRect(sinistra, alto, 100, 20));
    etichettaNome->setAlignment(Qt::AlignCenter);
    QFont nome(QStringLiteral("DejaVu Sans"));
    nome.setPixelSize(15);
    nome.setBold(true);
    ScalaTavolo::ImpostaCarattere(etichettaNome, nome);

    ScalaTavolo::Colloca(etichettaChiamata, QRect(sinistra, alto + 20, 100, 30));
    etichettaChiamata->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    etichettaChiamata->setWordWrap(true);
    QFont testo(QStringLiteral("DejaVu Sans"));
    testo.setPixelSize(11);
    ScalaTavolo::ImpostaCarattere(etichettaChiamata, testo);
    for (QLabel* etichetta : {etichettaNome, etichettaChiamata}) {
        etichetta->setAttribute(Qt::WA_TranslucentBackground);
        etichetta->show();
    }
}

void PannelloGiocatore::ImpostaNome(const QString& nome) {
    etichettaNome->setText(nome);
}

void PannelloGiocatore::MostraChiamata(const Chiamata& nuova) {
    chiamata = nuova;
    etichettaChiamata->setText(QString::fromStdString(nuova.Testo(nomi)));
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
