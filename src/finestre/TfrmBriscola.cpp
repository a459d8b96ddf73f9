#include "finestre/TfrmBriscola.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QTimer>

#include "comune/Casuale.h"
#include "finestre/CicloGioco.h"
#include "finestre/ContenitoreTavolo.h"
#include "finestre/Dialoghi.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/Maschere.h"
#include "finestre/Posizione.h"
#include "finestre/ScalaTavolo.h"
#include "finestre/TestiGioco.h"
#include "motori/Semaforo.h"
#include "motori/Tavolo.h"
#include "partita/RegistroPartita.h"

namespace {

const QString kTitoloDomande = QStringLiteral("Briscola Chiamata");

constexpr Qt::WindowFlags kBordoFisso = Qt::Window | Qt::MSWindowsFixedSizeDialogHint |
                                        Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowCloseButtonHint;
// Filling the window, the table follows its border and may fill the screen.
constexpr Qt::WindowFlags kBordoVariabile = Qt::Window | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                            Qt::WindowCloseButtonHint;

// The table: its colour and background picture, beneath the cards and panels.
class SuperficieTavolo final : public QWidget {
public:
    SuperficieTavolo(const SfondoTavolo& sfondo, QWidget* padre) : QWidget(padre), sfondo(sfondo) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pittore(this);
        sfondo.Disegna(pittore, rect());
    }

private:
    const SfondoTavolo& sfondo;
};

// The file of a card's face: suit digit and face digit (Asso 0, Due 1, ..., Re 9).
QString NomeFileCarta(int indice) {
    const int faccia = kIndiceFaccia[static_cast<std::size_t>(indice % 10)];
    return QString::number(indice / 10) + QString::number(faccia);
}

// Loads name.bmp into normale and, when present, name@2x.bmp into doppia; false when the
// normal picture could not be loaded (it is left as it was then).
bool CaricaCoppia(const QString& cartella, const QString& nome, QImage& normale, QImage& doppia) {
    QImage letta(cartella + QLatin1Char('/') + nome + QStringLiteral(".bmp"));
    if (letta.isNull()) {
        return false;
    }
    normale = letta;
    QImage grande(cartella + QLatin1Char('/') + nome + QStringLiteral("@2x.bmp"));
    doppia = grande.isNull() ? QImage() : grande;
    return true;
}

} // namespace

TfrmBriscola::TfrmBriscola(std::uint32_t semeCasuale, int tipoGiocatori, QWidget* padre)
    : QMainWindow(padre), sfondo(QSize(kLarghezzaTavolo, kAltezzaTavolo)),
      areaTavolo(new SuperficieTavolo(sfondo, this)), mascheraCarta(MascheraCarta(1)),
      mascheraCarta2x(MascheraCarta(2)) {
    for (auto& riga : mano) {
        riga.fill(CartaIndefinita);
    }
    manoIniziale = mano;
    sfondo.ImpostaTavolo(areaTavolo);
    contenitore = new ContenitoreTavolo(areaTavolo, sfondo, this);
    setCentralWidget(contenitore);
    setWindowFlags(kBordoFisso);
    setFocusPolicy(Qt::StrongFocus);
    const std::uint32_t seme = semeCasuale != 0 ? semeCasuale : SemeDalOrologio();
    generatoreFinestra.Semina(seme);
    tavoloGioco = std::make_unique<Tavolo>(tipoGiocatori, seme, this);
    ciclo = std::make_unique<CicloGioco>(tavoloGioco->Driver(),
                                         [this](const QString& testo) { MostraErrore(testo); });
    connect(ciclo.get(), &CicloGioco::Fermato, this, [this] {
        chiusuraConfermata = true;
        if (isVisible()) {
            close();
        }
    });
    connect(ciclo.get(), &CicloGioco::PassoConcluso, this,
            [this] { emit PassoGiocato(tavoloGioco->Stato().registro); });
    // The loop starts as soon as the event loop runs and the other windows exist.
    QTimer::singleShot(10, this, &TfrmBriscola::TimerStartTimer);
}

TfrmBriscola::~TfrmBriscola() = default;

void TfrmBriscola::ImpostaDimensione(int percento) {
    if (percento == contenitore->Dimensione()) {
        return;
    }
    const bool adatta = percento == 0;
    const bool visibile = isVisible();
    const QSize prima = size();
    contenitore->ImpostaDimensione(percento);
    if (layout() != nullptr) {
        layout()->setSizeConstraint(adatta ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
    }
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // A change of border hides the window on most window systems: shown again as it was.
    setWindowFlags(adatta ? kBordoVariabile : kBordoFisso);
    if (adatta) {
        resize(prima);
    } else {
        adjustSize();
    }
    if (visibile) {
        show();
    }
}

int TfrmBriscola::Dimensione() const {
    return contenitore->Dimensione();
}

Semaforo& TfrmBriscola::SemaforoGioco() const {
    return tavoloGioco->Driver();
}

void TfrmBriscola::NuoviGiocatori(const OpzioniTavolo& opzioniTavolo) {
    tavoloGioco->CambiaGiocatori(opzioniTavolo);
    ciclo->ImpostaSemaforo(tavoloGioco->Driver());
}

void TfrmBriscola::TimerStartTimer() {
    CreaImmaginiCarte();
    ImpostaOpzioni(true);
    PrimaDiGiocare();
    if (ciclo) {
        ciclo->Sveglia();
    }
}

void TfrmBriscola::CreaImmaginiCarte() {
    if (immagineCarta[0] != nullptr) {
        return;
    }
    for (int i = 0; i < 40; ++i) {
        auto* immagine = new ImmagineCarta(i, sfondo, areaTavolo);
        immagine->ImpostaMaschera(mascheraCarta, mascheraCarta2x);
        connect(immagine, &ImmagineCarta::Cliccata, this, &TfrmBriscola::CartaCliccata);
        immagineCarta[static_cast<std::size_t>(i)] = immagine;
        const Carta carta = Carta::DaIndice(i);
        mano[static_cast<std::size_t>(i / 8)][static_cast<std::size_t>(i % 8)] = carta;
        manoIniziale[static_cast<std::size_t>(i / 8)][static_cast<std::size_t>(i % 8)] = carta;
        coperta[static_cast<std::size_t>(i)] = false;
        AggiornaImmagine(i);
    }
}

ImmagineCarta* TfrmBriscola::Immagine(int indice) const {
    return indice >= 0 && indice < 40 ? immagineCarta[static_cast<std::size_t>(indice)] : nullptr;
}

void TfrmBriscola::AggiornaImmagine(int indice) {
    ImmagineCarta* immagine = Immagine(indice);
    if (immagine == nullptr) {
        return;
    }
    const auto i = static_cast<std::size_t>(indice);
    if (coperta[i]) {
        immagine->ImpostaImmagine(bitmapDorso, bitmapDorso2x);
    } else {
        immagine->ImpostaImmagine(bitmapCarta[i], bitmapCarta2x[i]);
    }
}

void TfrmBriscola::CaricaImmaginiCarte(const QString& cartella) {
    bool fallita = !CaricaCoppia(cartella, QStringLiteral("XX"), bitmapDorso, bitmapDorso2x);
    for (int i = 0; i < 40; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!CaricaCoppia(cartella, NomeFileCarta(i), bitmapCarta[k], bitmapCarta2x[k])) {
            fallita = true;
        }
        AggiornaImmagine(i);
    }
    if (fallita) {
        DialoghiCorrenti().Messaggio(this, QString(),
                                     tr("Impossibile caricare le immagini delle carte"),
                                     Dialoghi::Icona::Errore);
    }
}

void TfrmBriscola::MettiInMano(int giocatore, int posizione, const Carta& carta, bool nascondi) {
    if (!carta.Definita() || giocatore < 0 || giocatore > 4 || posizione < 0 || posizione > 7) {
        return;
    }
    if (ImmagineCarta* immagine = Immagine(carta.Indice())) {
        immagine->ImpostaCliccabile(giocatore == giocatoreUmano);
        if (nascondi) {
            immagine->hide();
        }
    }
    mano[static_cast<std::size_t>(giocatore)][static_cast<std::size_t>(posizione)] = carta;
    manoIniziale[static_cast<std::size_t>(giocatore)][static_cast<std::size_t>(posizione)] = carta;
}

void TfrmBriscola::MostraCarta(const Carta& carta, int alto, int sinistra) {
    ImmagineCarta* immagine = carta.Definita() ? Immagine(carta.Indice()) : nullptr;
    if (immagine == nullptr) {
        return;
    }
    ScalaTavolo::Sposta(immagine, QPoint(sinistra, alto));
    immagine->setToolTip(TestoCarta(carta, nomiMazzo));
    AggiornaImmagine(carta.Indice());
    immagine->show();
    immagine->raise();
}

void TfrmBriscola::NascondiCarta(const Carta& carta) {
    ImmagineCarta* immagine = carta.Definita() ? Immagine(carta.Indice()) : nullptr;
    if (immagine == nullptr) {
        return;
    }
    ScalaTavolo::Sposta(immagine, QPoint(5000, ScalaTavolo::Base(immagine).y()));
    immagine->hide();
    immagine->setToolTip(QString());
}

void TfrmBriscola::RidisegnaCarta(const Carta& carta) {
    if (carta.Definita()) {
        AggiornaImmagine(carta.Indice());
    }
}

int TfrmBriscola::TrovaSocio() const {
    if (!cartaChiamata.Definita()) {
        return -1;
    }
    for (int s = 0; s < 5; ++s) {
        const auto& dealt = manoIniziale[static_cast<std::size_t>(s)];
        if (std::find(dealt.begin(), dealt.end(), cartaChiamata) != dealt.end()) {
            const auto& tenute = mano[static_cast<std::size_t>(s)];
            const bool ancoraInMano =
                std::find(tenute.begin(), tenute.end(), cartaChiamata) != tenute.end();
            return ancoraInMano ? -1 : s;
        }
    }
    return -1;
}

void TfrmBriscola::CartaCliccata(int indice) {
    ImpostaCartaScelta(Carta::DaIndice(indice));
    if (ciclo) {
        ciclo->Sveglia();
    }
}

QString TfrmBriscola::TestoTipiGiocatori() const {
    if (!tavoloGioco) {
        return {};
    }
    QStringList righe;
    for (int s = 0; s < 5; ++s) {
        righe << TestoTipoGiocatore(SemaforoGioco().Manager().DescrizioneMotore(s));
    }
    return righe.join(QStringLiteral("\r\n"));
}

void TfrmBriscola::keyReleaseEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F10 && !evento->isAutoRepeat()) {
        DialoghiCorrenti().Messaggio(this, tr("Tipi di Giocatori"), TestoTipiGiocatori(),
                                     Dialoghi::Icona::Nessuna);
        return;
    }
    QMainWindow::keyReleaseEvent(evento);
}

void TfrmBriscola::Attesa(bool dopoGiocata, std::function<void()> poi) {
    const int durata = dopoGiocata ? attesaGiocata : attesaMano;
    if (!ciclo) {
        poi();
        return;
    }
    // Even a pause of 0 lets the window show the card before the next step.
    ciclo->Pausa(durata, std::move(poi));
}

void TfrmBriscola::MostraErrore(const QString& testo) {
    DialoghiCorrenti().Messaggio(this, kTitoloDomande, testo, Dialoghi::Icona::Errore);
}

void TfrmBriscola::showEvent(QShowEvent* evento) {
    if (!centrata) {
        centrata = true;
        Centra(*this);
    }
    QMainWindow::showEvent(evento);
}

QString TfrmBriscola::DomandaUscita() const {
    return tr("Vuoi uscire dal gioco ?");
}

void TfrmBriscola::closeEvent(QCloseEvent* evento) {
    if (chiusuraConfermata) {
        evento->accept();
        return;
    }
    if (!DialoghiCorrenti().Domanda(this, kTitoloDomande, DomandaUscita())) {
        evento->ignore();
        return;
    }
    PrimaDiUscire();
    SemaforoGioco().Ferma();
    if (ciclo && ciclo->InPasso()) {
        // Asked from inside a step: it finishes first; the driver's -1 then closes the window.
        evento->ignore();
        return;
    }
    chiusuraConfermata = true;
    evento->accept();
    // A pause or a held decision ends now; the loop's next step only ends the game.
    if (ciclo) {
        ciclo->Riprendi();
    }
}
