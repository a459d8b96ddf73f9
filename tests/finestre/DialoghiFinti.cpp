#include "finestre/DialoghiFinti.h"

#include <QDialog>

namespace {

template <typename T>
T Prossima(std::deque<T>& coda, T altrimenti) {
    if (coda.empty()) {
        return altrimenti;
    }
    T valore = std::move(coda.front());
    coda.pop_front();
    return valore;
}

} // namespace

bool DialoghiFinti::Domanda(QWidget*, const QString& titolo, const QString& testo) {
    mostrati.push_back({titolo, testo, Icona::Domanda});
    return Prossima(risposte, false);
}

void DialoghiFinti::Messaggio(QWidget*, const QString& titolo, const QString& testo, Icona icona) {
    mostrati.push_back({titolo, testo, icona});
}

std::optional<QColor> DialoghiFinti::ScegliColore(QWidget*, const QColor&) {
    return Prossima<std::optional<QColor>>(colori, std::nullopt);
}

QString DialoghiFinti::ApriFile(QWidget*, const QString&, const QString&, const QString&) {
    return Prossima(file, QString());
}

QString DialoghiFinti::SalvaFile(QWidget*, const QString&, const QString&, const QString&,
                                 const QString& estensione) {
    return ConEstensione(Prossima(file, QString()), estensione);
}

int DialoghiFinti::Esegui(QDialog& dialogo) {
    auto azione = Prossima<std::function<int(QDialog&)>>(azioni, {});
    return azione ? azione(dialogo) : QDialog::Rejected;
}

ConDialoghiFinti::ConDialoghiFinti() {
    // The seam is the process's: two tables of one test share the boxes the first put there.
    finti = dynamic_cast<DialoghiFinti*>(&DialoghiCorrenti());
    if (finti != nullptr) {
        return;
    }
    proprio = true;
    auto nuovi = std::make_unique<DialoghiFinti>();
    finti = nuovi.get();
    ImpostaDialoghi(std::move(nuovi));
}

ConDialoghiFinti::~ConDialoghiFinti() {
    if (proprio) {
        ImpostaDialoghi(nullptr);
    }
}
