#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <memory>
#include <optional>

#include "analisi/Suggerimento.h"
#include "partita/RegistroPartita.h"

class PanelLicitazione;
class QWidget;
class SegnoTastiera;
class TfrmBriscola;

// Mostra → Suggerimento: the expert's advice for the person's decision, worked out on a
// thread of its own from a copy of the record, so that the window stays live. It marks the
// card, the bid or the suit the expert would choose, and puts each card's expected score in
// its tooltip. A hint that arrives after the person has acted is dropped.
class Suggeritore final : public QObject {
    Q_OBJECT

public:
    // The seed of every hint, so that a position always gets the same one.
    static constexpr std::uint32_t kSeme = 1;

    Suggeritore(TfrmBriscola& finestra, PanelLicitazione& licitazione, int giocatore);
    // Waits for a hint under way: it reads nothing of the window.
    ~Suggeritore() override;

    // Starts a hint for the person's decision; false when the person has none to make now or
    // a hint is already being worked out.
    bool Chiedi();
    bool InCorso() const;
    // Takes the mark and the tooltips away, and forgets a hint under way.
    void Annulla();

    // The hint shown, while it is.
    const std::optional<Suggerimento>& Mostrato() const { return mostrato; }
    // The control marked; null when none.
    QWidget* Segnato() const;
    // The budget of the hints (the adviser's by default); tests make it smaller.
    void ImpostaBudget(int nuovo) { budget = nuovo; }

signals:
    // A hint has been shown (or its error reported).
    void Mostrata();

private:
    TfrmBriscola& finestra;
    PanelLicitazione& licitazione;
    int giocatore;
    // One mark among the cards of the table, one on the bidding panel.
    SegnoTastiera* segnoCarta;
    SegnoTastiera* segnoLicitazione;
    int budget;
    QPointer<QThread> lavoro;
    // The position the hint under way is for, and its result, which the thread fills.
    RegistroPartita posizione;
    struct Risultato {
        std::optional<Suggerimento> suggerimento;
        QString errore;
    };
    std::shared_ptr<Risultato> risultato;
    std::optional<Suggerimento> mostrato;
    QPointer<QWidget> conSuggerimento;
    QString tooltipPrecedente;

    void Arrivato(const std::shared_ptr<Risultato>& arrivato);
    void Mostra(const Suggerimento& suggerimento);
    void TogliTooltip();
};
