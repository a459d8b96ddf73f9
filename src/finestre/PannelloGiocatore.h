#pragma once

#include <QColor>
#include <QString>

#include "carte/NomiCarte.h"
#include "partita/Chiamata.h"

class QLabel;
class QImage;
class QWidget;

// One seat's place at the top of the table: the player's name, his bid, the small card shown
// once he has taken a trick, and where the turn star and the caller's and partner's markers go.
class PannelloGiocatore {
public:
    // The labels are created on tavolo at (sinistra, alto) in the table's 100% units; turno is
    // the window's turn star; preso the taken-trick picture at scale 1 and 2; bids are shown in
    // nomi, the window's card names (not owned).
    PannelloGiocatore(QWidget* tavolo, int alto, int sinistra, QLabel* turno, const QImage& preso,
                      const QImage& presoDoppio, const NomiCarte& nomi);

    // A name too long for the label is cut, and whole in its tooltip.
    void ImpostaNome(const QString& nome);
    // Stores the bid and shows its text (empty for a pass and for no bid) on one line, in a
    // smaller font or cut (whole in the tooltip) when it is too long.
    void MostraChiamata(const Chiamata& nuova);
    void MostraPresa(bool visibile);
    void ImpostaColore(const QColor& colore);
    void MostraTurno();
    // Puts a marker beside the name: at left + 35, or left + 60 when spostato.
    void PosizionaSegno(QWidget* segno, bool spostato);

    const Chiamata& ChiamataMostrata() const { return chiamata; }
    QLabel* EtichettaNome() const { return etichettaNome; }
    QLabel* EtichettaChiamata() const { return etichettaChiamata; }
    QLabel* ImmaginePresa() const { return immaginePresa; }

private:
    Chiamata chiamata;
    const NomiCarte& nomi;
    QLabel* immaginePresa;
    QLabel* etichettaNome;
    QLabel* etichettaChiamata;
    int alto;
    int sinistra;
    QLabel* turno;
};
