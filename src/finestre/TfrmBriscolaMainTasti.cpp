// Playing by keys: the hand's cards by 1-8 or by the arrows and Enter, the bidding panel by
// its own keys, and the list of them all (Info -> Tasti).

#include "finestre/TfrmBriscolaMain.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>

#include "finestre/Dialoghi.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/PanelLicitazione.h"
#include "finestre/SegnoTastiera.h"

namespace {

QString TestoTasti() {
    return QCoreApplication::translate(
        "TfrmBriscolaMain",
        "Carte in mano (da sinistra):\r\n"
        "  1 - 8\tgioca la carta di quel posto\r\n"
        "  ← →\tsegna una carta\r\n"
        "  Invio\tgioca la carta segnata\r\n"
        "\r\n"
        "Licitazione:\r\n"
        "  ← → ↑ ↓\tsegna una chiamata\r\n"
        "  Invio\tfa la chiamata segnata\r\n"
        "  P\tpassa\r\n"
        "  + -\taumenta o diminuisce i punti\r\n"
        "\r\n"
        "Scelta della briscola:\r\n"
        "  1 - 4\til seme di quel posto, da sinistra\r\n"
        "  ← →, Invio\tsegna e sceglie un seme\r\n"
        "\r\n"
        "Ctrl+N nuova partita, F9 stato IA, F10 tipi di giocatori, Ctrl+Q esci");
}

} // namespace

std::vector<ImmagineCarta*> TfrmBriscolaMain::CarteInMano() const {
    std::vector<ImmagineCarta*> carte;
    if (giocatoreUmano < 0 || giocatoreUmano > 4 || soloComputer) {
        return carte;
    }
    for (const Carta& carta : mano[static_cast<std::size_t>(giocatoreUmano)]) {
        ImmagineCarta* immagine = carta.Definita() ? Immagine(carta.Indice()) : nullptr;
        if (immagine != nullptr && !immagine->isHidden()) {
            carte.push_back(immagine);
        }
    }
    // As the table shows them, from the left.
    std::sort(carte.begin(), carte.end(),
              [](const ImmagineCarta* a, const ImmagineCarta* b) { return a->x() < b->x(); });
    return carte;
}

QWidget* TfrmBriscolaMain::CartaSegnata() const {
    QWidget* segnata = segnoCarta->Bersaglio();
    const std::vector<ImmagineCarta*> carte = CarteInMano();
    return std::find(carte.begin(), carte.end(), segnata) != carte.end() ? segnata : nullptr;
}

bool TfrmBriscolaMain::TastoMano(int tasto) {
    const std::vector<ImmagineCarta*> carte = CarteInMano();
    const auto n = static_cast<std::ptrdiff_t>(carte.size());
    if (n == 0) {
        return false;
    }
    const auto segnata = std::find(carte.begin(), carte.end(), CartaSegnata());
    const std::ptrdiff_t posizione = segnata == carte.end() ? -1 : segnata - carte.begin();
    // A key plays the card as a click on it does, but only when a card is asked for: one
    // pressed early only marks it.
    const auto gioca = [&](std::ptrdiff_t k) {
        ImmagineCarta* carta = carte[static_cast<std::size_t>(k)];
        segnoCarta->Segui(carta);
        if (carta->Cliccabile() && cartaRichiesta) {
            emit carta->Cliccata(carta->Indice());
        }
    };
    if (tasto >= Qt::Key_1 && tasto <= Qt::Key_8) {
        const int k = tasto - Qt::Key_1;
        if (k < n) {
            gioca(k);
        }
        return true;
    }
    switch (tasto) {
    case Qt::Key_Left:
        segnoCarta->Segui(
            carte[static_cast<std::size_t>(posizione < 0 ? n - 1 : (posizione + n - 1) % n)]);
        return true;
    case Qt::Key_Right:
        segnoCarta->Segui(carte[static_cast<std::size_t>((posizione + 1) % n)]);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (posizione >= 0) {
            gioca(posizione);
        }
        return true;
    default:
        return false;
    }
}

void TfrmBriscolaMain::keyPressEvent(QKeyEvent* evento) {
    const Qt::KeyboardModifiers comandi =
        evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (comandi == Qt::NoModifier && !punteggiVisibili &&
        (panelLicitazione->Tasto(evento->key()) || TastoMano(evento->key()))) {
        evento->accept();
        return;
    }
    TfrmBriscolaBase::keyPressEvent(evento);
}

void TfrmBriscolaMain::MostraTasti() {
    DialoghiCorrenti().Messaggio(this, tr("Tasti"), TestoTasti(), Dialoghi::Icona::Informazione);
}
