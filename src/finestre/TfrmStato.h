#pragma once

#include <QWidget>

#include <functional>

#include "ia/OsservatoreTattica.h"
#include "partita/RegistroPartita.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class StatoTavolo;
class TfrmBriscola;

// The AI step window: every hand, the called card, the caller and the true partner as the
// game record has them after each step of the game, and the tactical player's reasoning at
// each of its decisions. With "Auto" up it has the game hold each such decision until
// "Continua". It watches the tactical player only while it is shown, so that otherwise no
// text is built and no decision waits.
class TfrmStato final : public QWidget, public OsservatoreTattica {
    Q_OBJECT

public:
    static constexpr int kLarghezza = 370;
    static constexpr int kAltezza = 441;

    // nomeGiocatore: the player name of seat 0..4 (from the options).
    explicit TfrmStato(std::function<QString(int)> nomeGiocatore, QWidget* padre = nullptr);
    ~TfrmStato() override;

    // The game window whose steps feed this window and whose loop holds the decisions.
    void ImpostaFinestraGioco(TfrmBriscola* finestra);
    // The table watched (not owned): the window's, which ImpostaFinestraGioco sets.
    void ImpostaTavolo(StatoTavolo* nuovo);
    // Cards are shown in nomi (the main window's card names, not owned); the built-in names
    // until then.
    void ImpostaNomiCarte(const NomiCarte& nomi) { nomiCarte = &nomi; }

    // The game record after a step; shown on the "Carte Giocate" page when the window is.
    void MostraRegistro(const RegistroPartita& registro);
    void cmdContClick();

    void Schema(const std::string& etichetta) override;
    void Giocatore(int giocatore) override;
    void Analisi(const std::string& ruoli) override;
    void CarteMigliori(const std::string& righe) override;
    // Ends the decision: with "Auto" up and the window shown, asks for it to be held.
    void CartaGiocata(const std::string& nomeLungo) override;
    const NomiCarte& Nomi() const override { return *nomiCarte; }

signals:
    // The decision being taken is to be held until Continua.
    void Trattieni();
    // "Continua", or the window hidden: a held decision goes on.
    void Continua();

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
    RegistroPartita registro;

    void CreaPaginaCarte(QWidget* pagina);
    void CreaPaginaDettaglio(QWidget* pagina);
    void AggiornaCarte();
};
