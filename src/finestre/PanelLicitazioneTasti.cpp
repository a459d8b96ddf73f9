// The bidding panel from the keyboard: the arrows move a mark over the controls that can be
// chosen, Enter chooses the marked one, P passes, + and - change the points, 1-4 name a suit.

#include "finestre/PanelLicitazione.h"

#include <QLabel>

#include <algorithm>

#include "finestre/SegnoTastiera.h"
#include "finestre/SuperficieMascherata.h"

std::vector<QWidget*> PanelLicitazione::ComandiScegliibili() const {
    std::vector<QWidget*> comandi;
    if (InModoSeme()) {
        // Left to right as they lie on the panel.
        for (QLabel* seme : immagineSeme) {
            comandi.push_back(seme);
        }
        std::sort(comandi.begin(), comandi.end(),
                  [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        return comandi;
    }
    comandi.push_back(labelPasso[0]);
    // The arc, from Asso at the left to Due at the right.
    for (int valore = 9; valore >= 0; --valore) {
        comandi.push_back(labelValore[static_cast<std::size_t>(valore)]);
    }
    comandi.push_back(labelPunti);
    comandi.push_back(labelPasso[1]);
    std::erase_if(comandi, [this](const QWidget* comando) { return !comando->isVisibleTo(this); });
    return comandi;
}

bool PanelLicitazione::InModoSeme() const {
    return immagineSeme[0]->isVisibleTo(this);
}

void PanelLicitazione::Segna(QWidget* comando) {
    comandoSegnato = comando;
    const TipoPulsante* pulsante = comando != nullptr ? pulsanti.Trova(comando) : nullptr;
    segno->Segui(pulsante != nullptr ? pulsante->Superficie() : nullptr);
}

void PanelLicitazione::SpostaSegno(int passo) {
    const std::vector<QWidget*> comandi = ComandiScegliibili();
    if (comandi.empty()) {
        Segna(nullptr);
        return;
    }
    const auto attuale = std::find(comandi.begin(), comandi.end(), comandoSegnato);
    const auto n = static_cast<std::ptrdiff_t>(comandi.size());
    std::ptrdiff_t posizione = 0;
    if (attuale == comandi.end()) {
        // The first step marks the first control (the last, going left).
        posizione = passo > 0 ? 0 : n - 1;
    } else {
        posizione = ((attuale - comandi.begin()) + passo % n + n) % n;
    }
    Segna(comandi[static_cast<std::size_t>(posizione)]);
}

QWidget* PanelLicitazione::Segnato() const {
    const std::vector<QWidget*> comandi = ComandiScegliibili();
    return std::find(comandi.begin(), comandi.end(), comandoSegnato) != comandi.end()
               ? comandoSegnato
               : nullptr;
}

bool PanelLicitazione::Tasto(int tasto) {
    if (!isVisible() || !isEnabled()) {
        return false;
    }
    switch (tasto) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        SpostaSegno(-1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        SpostaSegno(1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (QWidget* comando = Segnato()) {
            Cliccato(comando);
        }
        return true;
    default:
        break;
    }
    // While the panel asks, the digits are its own: none of them reaches the hand.
    if (tasto >= Qt::Key_0 && tasto <= Qt::Key_9) {
        if (InModoSeme() && tasto >= Qt::Key_1 && tasto <= Qt::Key_4) {
            const std::vector<QWidget*> semi = ComandiScegliibili();
            Segna(semi[static_cast<std::size_t>(tasto - Qt::Key_1)]);
            Cliccato(comandoSegnato);
        }
        return true;
    }
    if (InModoSeme()) {
        return false;
    }
    switch (tasto) {
    case Qt::Key_P:
        Cliccato(labelPasso[0]);
        return true;
    case Qt::Key_Plus:
        Cliccato(labelPiu);
        return true;
    case Qt::Key_Minus:
        Cliccato(labelMeno);
        return true;
    default:
        return false;
    }
}
