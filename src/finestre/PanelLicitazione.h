#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "finestre/TipoPulsante.h"
#include "partita/Chiamata.h"

class NomiCarte;
class QLabel;
class SegnoTastiera;
class SfondoTavolo;

// Where the human bids and, as caller, names the trump suit: ten rank buttons in an arc, two
// pass buttons, a points counter with minus and plus, and four suit buttons. It lies over the
// table, which shows through everywhere but the buttons' faces. A click on a rank, a pass, the
// counter or a suit tells the window the bid or the suit it stands for; the window fills its
// mailbox.
class PanelLicitazione final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPuntiMassimi = 120;

    // Created hidden, at its place on tavolo.
    PanelLicitazione(const SfondoTavolo& sfondo, QWidget* tavolo);
    ~PanelLicitazione() override;

    // A new auction: every rank, both passes and the counter at 61; no suit.
    void Prepara();
    // Follows a bid made at the table: the counter stays above its points, and unless it is a
    // pass the ranks it reaches can no longer be called.
    void SeguiChiamata(const Chiamata& chiamata);
    // Only the suits can be chosen: the other faces stay, empty.
    void ModoSeme();

    // Inactive (after the person's pass) the panel is shown faded and takes no click or key;
    // Prepara makes it active again.
    void ImpostaAttivo(bool attivo);
    bool Attivo() const { return isEnabled(); }

    int Punti() const { return punti; }
    // One point down, not below minimo; one point up, not above 120. Either way the counter's
    // tooltip is rewritten.
    void Diminuisci(int minimo);
    void Aumenta();

    // Rank captions and tooltips, and suit tooltips, from the card set's names.
    void ImpostaNomi(const NomiCarte& nomi);
    // The suit pictures S0..S3 of a card set (with S0@2x... when present); the first picture
    // that cannot be loaded ends the loading, silently.
    void CaricaSemi(const QString& cartella);

    // A key pressed while the panel is shown and active: the arrows move the mark over the
    // controls that can be chosen, Enter (or the space bar) chooses the marked one, P passes,
    // + and - change the points, and in naming the trump 1-4 choose the suits from the left.
    // Each does what the click on its control does; false for a key the panel has no use for.
    bool Tasto(int tasto);
    // The control the keyboard has marked; null when none.
    QWidget* Segnato() const;

    QLabel* EtichettaValore(int valore) const;
    QLabel* EtichettaPasso(int quale) const;
    QLabel* EtichettaPunti() const { return labelPunti; }
    QLabel* EtichettaMeno() const { return labelMeno; }
    QLabel* EtichettaPiu() const { return labelPiu; }
    QLabel* ImmagineSeme(int seme) const;
    const RegistroPulsanti& Pulsanti() const { return pulsanti; }

signals:
    // A rank, a pass, or the Due at the points the counter shows.
    void ChiamataCliccata(const Chiamata& chiamata);
    // The suit 0..3 of the picture clicked.
    void SemeCliccato(int seme);
    void MenoCliccato();
    void PiuCliccato();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    const SfondoTavolo& sfondo;
    RegistroPulsanti pulsanti;
    std::array<TipoPulsante*, 10> pulsantiValore{};
    std::array<TipoPulsante*, 2> pulsantiPasso{};
    std::array<TipoPulsante*, 4> pulsantiSeme{};
    TipoPulsante* pulsanteMeno = nullptr;
    TipoPulsante* pulsantePiu = nullptr;
    TipoPulsante* pulsantePunti = nullptr;
    std::array<QLabel*, 10> labelValore{};
    std::array<QLabel*, 2> labelPasso{};
    std::array<QLabel*, 4> immagineSeme{};
    QLabel* labelMeno = nullptr;
    QLabel* labelPiu = nullptr;
    QLabel* labelPunti = nullptr;
    int punti = 61;
    // The keyboard's mark, in PanelLicitazioneTasti.cpp.
    SegnoTastiera* segno = nullptr;
    QWidget* comandoSegnato = nullptr;
    std::vector<QWidget*> ComandiScegliibili() const;
    bool InModoSeme() const;
    void Segna(QWidget* comando);
    void SpostaSegno(int passo);

    TipoPulsante* CreaPulsante(const QRect& riquadro, QWidget* comando, const FacciaPulsante& su,
                               const FacciaPulsante& giu, const FacciaPulsante& maschera);
    void ImpostaPunti(int nuovi);
    // The bid a click on the control stands for; the no-bid value for any other control.
    Chiamata ChiamataDi(const QObject* comando) const;
    // The suit of a suit picture; -1 for any other control.
    int SemeDi(const QObject* comando) const;
    void Cliccato(QObject* comando);
};
