#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "carte/NomiCarte.h"
#include "comune/Casuale.h"
#include "finestre/ScalaTavolo.h"
#include "finestre/SfondoTavolo.h"
#include "motori/FinestraGioco.h"
#include "motori/OpzioniTavolo.h"
#include "partita/RegistroPartita.h"

class CicloGioco;
class ContenitoreTavolo;
class ImmagineCarta;
class Semaforo;
class Tavolo;
class TfrmOpzioni;

// The game window as the engines see it: the 40 card pictures with their faces and back, the
// hands and the trick as shown, the human's mailboxes, the pauses of play, the loop that drives
// the game, F10's list of players and the confirmation on closing. The table itself is laid
// out by the derived windows.
class TfrmBriscola : public QMainWindow, public FinestraGioco {
    Q_OBJECT

public:
    static constexpr int kLarghezzaTavolo = ScalaTavolo::kLarghezza;
    static constexpr int kAltezzaTavolo = ScalaTavolo::kAltezza;

    // The window's table, of the seating tipoGiocatori (0: the person at seat 4 against four
    // computers), its generator seeded with semeCasuale (0: from the clock). Raises when the
    // players cannot be built (a rules file).
    TfrmBriscola(std::uint32_t semeCasuale, int tipoGiocatori, QWidget* padre = nullptr);
    ~TfrmBriscola() override;

    // The options dialog the window reads its settings from (not owned).
    void ImpostaFinestraOpzioni(TfrmOpzioni* finestra) { opzioni = finestra; }

    void CreaImmaginiCarte();
    // Loads the back and the 40 faces; one message for any that failed.
    void CaricaImmaginiCarte(const QString& cartella);
    void MettiInMano(int giocatore, int posizione, const Carta& carta, bool nascondi);
    void MostraCarta(const Carta& carta, int alto, int sinistra);
    void NascondiCarta(const Carta& carta);
    void RidisegnaCarta(const Carta& carta);
    // The seat dealt the called card, once it has played it; -1 before.
    int TrovaSocio() const;

    // The "Tipi di Giocatori" text: one line per seat.
    virtual QString TestoTipiGiocatori() const;

    QWidget* AreaTavolo() const { return areaTavolo; }
    // The table's size: 100, 150 or 200 percent at a fixed border, or 0, filling a window
    // that the user can size (the table keeping its proportions).
    void ImpostaDimensione(int percento);
    int Dimensione() const;
    // Null until the start timer has created the pictures.
    ImmagineCarta* Immagine(int indice) const;
    Tavolo& TavoloGioco() const { return *tavoloGioco; }
    Semaforo& SemaforoGioco() const;
    CicloGioco& Ciclo() const { return *ciclo; }
    const SfondoTavolo& Sfondo() const { return sfondo; }
    // The card and suit names of the card set shown; the panels, the tooltips and the step
    // window show cards in these.
    const NomiCarte& NomiMazzo() const { return nomiMazzo; }
    int AttesaGiocataCorrente() const { return attesaGiocata; }
    int AttesaManoCorrente() const { return attesaMano; }

signals:
    // A step of the game has returned: the game record as it left it.
    void PassoGiocato(const RegistroPartita& registro);

protected:
    RegistroPartita registro;
    std::array<bool, 40> coperta{};
    std::array<QImage, 40> bitmapCarta;
    std::array<QImage, 40> bitmapCarta2x;
    QImage bitmapDorso;
    QImage bitmapDorso2x;
    std::array<std::array<Carta, 8>, 5> mano;
    std::array<std::array<Carta, 8>, 5> manoIniziale;
    std::array<Carta, 5> tavolo;
    int giocatoreUmano = -1;
    bool carteOrdinate = false;
    int attesaGiocata = 500;
    int attesaMano = 2500;
    int numeroCarteInTavola = 0;
    Carta cartaChiamata;
    Chiamata chiamataMigliore;
    TfrmOpzioni* opzioni = nullptr;
    SfondoTavolo sfondo;
    NomiCarte nomiMazzo;

    // New players at the window's table (never during a step): the history stays.
    void NuoviGiocatori(const OpzioniTavolo& opzioniTavolo);
    // The window's own draws (the order the hand is laid out in), apart from the game's.
    GeneratoreCasuale generatoreFinestra;
    // The pause after a card or bid (dopoGiocata) or after a trick: once the step has
    // returned, the loop waits, with the window live, then does poi and goes on.
    void Attesa(bool dopoGiocata, std::function<void()> poi);
    // A message box through the dialog seam.
    void MostraErrore(const QString& testo);

    void keyReleaseEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

    // What the start timer does once the event loop runs: pictures, options, first step.
    virtual void TimerStartTimer();
    // Once the options are applied, before the loop's first step.
    virtual void PrimaDiGiocare() {}
    // The user has confirmed the window's close; the game is still as it stood.
    virtual void PrimaDiUscire() {}
    // The question asked before the window closes.
    virtual QString DomandaUscita() const;

private:
    QWidget* areaTavolo;
    ContenitoreTavolo* contenitore;
    std::array<ImmagineCarta*, 40> immagineCarta{};
    QImage mascheraCarta;
    QImage mascheraCarta2x;
    std::unique_ptr<Tavolo> tavoloGioco;
    std::unique_ptr<CicloGioco> ciclo;
    bool chiusuraConfermata = false;
    // Centred when first shown; later the window stays where the user put it.
    bool centrata = false;

    void CartaCliccata(int indice);
    void AggiornaImmagine(int indice);
};
