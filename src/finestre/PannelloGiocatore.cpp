#include "finestre/PannelloGiocatore.h"

#include <QLabel>
#include <QPixmap>

PannelloGiocatore::PannelloGiocatore(QWidget* tavolo, int alto, int sinistra, QLabel* turno,
                                     const QPixmap& preso, const NomiCarte& nomi)
    : nomi(nomi), immaginePresa(new QLabel(tavolo)), etichettaNome(new QLabel(tavolo)),
      etichettaChiamata(new QLabel(tavolo)), alto(alto), sinistra(sinistra), turno(turno) {
    immaginePresa->setGeometry(sinistra + 20, alto + 40, 15, 25);
    immaginePresa->setPixmap(preso);
    immaginePresa->setToolTip(QStringLiteral("Il giocatore ha effettuato almeno una presa"));
    immaginePresa->hide();

    etichettaNome->setGeometry(sinistra, alto, 100, 20);
    etichettaNome->setAlignment(Qt::AlignCenter);
    QFont nome(QStringLiteral("DejaVu Sans"));
    nome.setPixelSize(15);
    nome.setBold(true);
    etichettaNome->setFont(nome);

    etichettaChiamata->setGeometry(sinistra, alto + 20, 100, 30);
    etichettaChiamata->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    etichettaChiamata->setWordWrap(true);
    QFont testo(QStringLiteral("DejaVu Sans"));
    testo.setPixelSize(11);
    etichettaChiamata->setFont(testo);
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
    turno->move(sinistra, alto);
    turno->show();
    turno->raise();
}

void PannelloGiocatore::PosizionaSegno(QWidget* segno, bool spostato) {
    segno->move(sinistra + (spostato ? 60 : 35), alto + 34);
    segno->show();
    segno->raise();
}
