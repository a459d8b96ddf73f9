#pragma once

#include <QDialog>
#include <QPointer>
#include <QThread>

#include <memory>
#include <optional>

#include "analisi/AnalisiPartita.h"
#include "carte/NomiCarte.h"
#include "notazione/PartitaNotata.h"

class QLabel;
class QTableWidget;
class QTextEdit;

// Mostra → Analisi: every decision of the person in the game just played, each judged by the
// expert from what the person's seat knew then: what was played, what the expert prefers and
// the expected score the choice cost, with the game's total. A row chosen shows the table at
// that moment. The analysis is worked out on a thread of its own; the window stays live.
class FinestraAnalisi final : public QDialog {
    Q_OBJECT

public:
    FinestraAnalisi(const PartitaNotata& partita, int giocatore, const NomiCarte& nomi,
                    QWidget* padre = nullptr, int budget = Consigliere::BudgetPredefinito());
    // Waits for an analysis under way: it reads nothing of the window.
    ~FinestraAnalisi() override;

    bool InCorso() const { return lavoro != nullptr; }
    const std::optional<AnalisiGiocatore>& Analisi() const { return analisi; }
    QTableWidget* Tabella() const { return tabella; }
    QTextEdit* Posizione() const { return posizione; }
    QLabel* Totale() const { return totale; }

signals:
    void Pronta();

private:
    int giocatore;
    NomiCarte nomi;
    QTableWidget* tabella;
    QLabel* totale;
    QTextEdit* posizione;
    QPointer<QThread> lavoro;
    std::optional<AnalisiGiocatore> analisi;

    void Riempi(const AnalisiGiocatore& fatta);
    void MostraPosizione(int riga);
    QString TestoScelta(const Alternativa& alternativa, TipoDecisione tipo) const;
};
