#pragma once

#include <QWidget>

#include <functional>

#include "ia/OsservatoreTattica.h"

class QEventLoop;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class StatoTavolo;
class TfrmBriscola;

// The AI step window: every hand, the called card, the caller and the true partner as the
// game record has them, refreshed every 300 ms while the window is shown, and the tactical
// player's reasoning at each of its decisions. With "Auto" up it holds the game at each such
// decision until "Continua". It watches the tactical player only while it is shown, so that
// otherwise no text is built and no decision waits.
class TfrmStato final : public QWidget, public OsservatoreTattica {
    Q_OBJECT

public:
    static constexpr int kLarghezza = 370;
    static constexpr int kAltezza = 441;

    // nomeGiocatore: the player name of seat 0..4 (from the options).
    explicit TfrmStato(std::function<QString(int)> nomeGiocatore, QWidget* padre = nullptr);
    ~TfrmStato() override;

    // A close of the main window during a step lets a held decision go.
    void ImpostaFinestraGioco(TfrmBriscola* finestra);
    // The table watched (not owned): the window's, which ImpostaFinestraGioco sets.
    void ImpostaTavolo(StatoTavolo* nuovo);
    // Cards are shown in nomi (the main window's card names, not owned); the built-in names
    // until then.
    void ImpostaNomiCarte(const NomiCarte& nomi) { nomiCarte = &nomi; }

    bool InAttesa() const { return inAttesa != 0; }

    // Reads the game record into the "Carte Giocate" page.
    void TimerTimer();
    void cmdContClick();

    void Schema(const std::string& etichetta) override;
    void Giocatore(int giocatore) override;
    void Analisi(const std::string& ruoli) override;
    void CarteMigliori(const std::string& righe) override;
    void CartaGiocata(const std::string& nomeLungo) override;
    // Holds the decision, with the event loop running, while "Auto" is up and the window
    // is shown, until "Continua", hiding or the main window's close.
    void Attendi() override;
    const NomiCarte& Nomi() const override { return *nomiCarte; }

protected:
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    // The table of the window it watches (not owned): its record, and where it attaches itself
    // as the tactical players' observer while shown.
    StatoTavolo* tavolo = nullptr;

    void Distacca();
    std::function<QString(int)> nomeGiocatore;
    const NomiCarte* nomiCarte = &NomiCarte::Predefiniti();
    QTabWidget* pagine;
    QLineEdit* EditChiamata;
    QLineEdit* EditChiamante;
    QLineEdit* EditSocio;
    QLineEdit* EditNome[5];
    QLineEdit* EditMano[5];
    QLineEdit* EditDistribuite[5];
    QGroupBox* grpGiocatore;
    QLabel* txtSchema;
    QLabel* txtAnalisi;
    QLabel* txtCarteMigliori;
    QLabel* txtCartaGiocata;
    QPushButton* cmdAuto;
    QPushButton* cmdCont;
    QPushButton* cmdAutoDet;
    QPushButton* cmdContDet;
    QLabel* txtCarta;
    QTimer* Timer;
    unsigned char inAttesa = 0;
    QEventLoop* attesa = nullptr;

    void CreaPaginaCarte(QWidget* pagina);
    void CreaPaginaDettaglio(QWidget* pagina);
    void Rilascia();
};
