#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

#include "carte/NomiCarte.h"

class QLabel;
class QPushButton;
class QToolButton;
class QTreeWidget;
class TipoStoriaPartite;

// The score panel over the table: each seat's total under its name, the last 25 games with
// the standings after each, and the won/lost/played counts of one seat by role.
class PanelPunti final : public QWidget {
public:
    // nomeGiocatore gives the current name of a seat (the history does not keep names); in
    // computer-only play the totals show the average score per game; storia: the history
    // shown, the table's; bids are shown in nomiCarte, the window's card names (neither owned).
    PanelPunti(const TipoStoriaPartite& storia, bool soloComputer,
               std::function<QString(int)> nomeGiocatore, const NomiCarte& nomiCarte,
               QWidget* padre = nullptr);

    // The history shown; the table's until a test gives another.
    void ImpostaStoria(const TipoStoriaPartite& storia) { this->storia = &storia; }

    // Refills the totals, the list of games and the statistics block.
    void AggiornaPunti();
    // Refills the statistics block for one seat.
    void StatisticheGiocatore(int giocatore);
    // Empties the list of games (the history was cleared).
    void SvuotaLista();
    // The current player names over the seats' columns.
    void ImpostaNomi();
    // The window's colour behind everything, the text colour on the list and the totals.
    void ImpostaColori(const QColor& sfondo, const QColor& testo);

    bool ModoPercentuale() const { return modoPercentuale; }
    int GiocatoreScelto() const { return posizione; }

    QLabel* lblPunti(int giocatore) const { return punti.at(static_cast<std::size_t>(giocatore)); }
    QTreeWidget* ListPunti() const { return lista; }
    QLabel* lblGiocDettaglio() const { return dettaglio; }
    QLabel* lblPuntiGioc() const { return puntiGioc; }
    QPushButton* btnModoPunti() const { return modoPunti; }
    QToolButton* FrecciaSinistra() const { return sinistra; }
    QToolButton* FrecciaDestra() const { return destra; }
    // The cell of statistic row esito (won, lost, played) and column ruolo (caller, partner,
    // opponent, any role).
    QLabel* Cella(int esito, int ruolo) const;

    // "33.4%": the ratio raised to the next tenth of a percent, in its shortest form.
    static QString Percentuale(double rapporto);
    // The average score per game: 4 decimals, at most 5 significant digits.
    static QString Media(int totale, int partite);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    bool soloComputer;
    bool modoPercentuale = false;
    int posizione = 4;
    QColor coloreTesto = Qt::black;
    std::function<QString(int)> nomeGiocatore;
    const NomiCarte& nomiCarte;
    const TipoStoriaPartite* storia;
    std::array<QLabel*, 5> punti{};
    QTreeWidget* lista;
    QLabel* dettaglio;
    QToolButton* sinistra;
    QToolButton* destra;
    QLabel* puntiGioc;
    QPushButton* modoPunti;
    std::array<std::array<QLabel*, 4>, 3> celle{};

    void UpDownGiocMouseUp(int passo);
    void btnModoPuntiClick();
};
