#pragma once

#include <QDialog>
#include <QPointer>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "finestre/PannelloGiocatore.h"
#include "finestre/TfrmBriscolaBase.h"
#include "motori/PartitaConservata.h"

class FinestraAnalisi;
class ImmagineCarta;
class LobbyTavolo;
class TavolaRemota;
class TipoStoriaPartite;
class QAction;
class QKeyEvent;
class QMenu;
class PanelLicitazione;
class QLabel;
class PanelPunti;
class SegnoTastiera;
class Suggeritore;
class SuperficieMascherata;
class TfrmAboutBox;
class TfrmStato;

// Where the person's series and game are kept between runs: in the platform's data folder.
QString FileSerieConservata();

// The main window: five seat panels in a row at the top, the trick below them, the human's
// eight cards at the bottom, the turn star and the caller's and partner's markers, the menus.
class TfrmBriscolaMain final : public TfrmBriscolaBase {
    Q_OBJECT

public:
    // The seating comes from the process-wide player-type setting. Raises when the players
    // cannot be created (a missing rules file).
    // tipoGiocatori: 0, the person at seat 4; 1, 2, 3: a computer-only series, watched.
    TfrmBriscolaMain(std::uint32_t semeCasuale, int tipoGiocatori, QWidget* padre = nullptr);
    ~TfrmBriscolaMain() override;

    bool SoloComputer() const { return soloComputer; }
    const PannelloGiocatore& Pannello(int giocatore) const;
    QWidget* SegnoSocio() const;
    QWidget* SegnoChiamante() const;
    QLabel* ImageTurno() const { return immagineTurno; }
    // The line on the table that says how to start a game.
    QLabel* Benvenuto() const { return lblBenvenuto; }
    QAction* AzioneNuovaPartita() const { return menuNuovaPartita; }
    QAction* AzioneOpzioni() const { return menuOpzioni; }
    QAction* AzioneEsci() const { return menuEsci; }
    QAction* AzioneStatoIA() const { return menuStatoIA; }
    QAction* AzioneInfo() const { return menuInfo; }
    // Info -> Tasti: the list of the keys that play.
    QAction* AzioneTasti() const { return menuTasti; }
    // The card of the hand the keyboard has marked; null when none.
    QWidget* CartaSegnata() const;
    // "Mostra" -> "Dimensione": the item of a percentage, or of 0 (filling the window).
    QAction* AzioneDimensione(int percento) const;
    // The table at that size, the menu ticked and the choice kept in the options file.
    void ScegliDimensione(int percento);

    // The about box ("Info") and the AI step window ("Mostra" -> "Stato IA", F9); not owned.
    void ImpostaFinestreInfo(TfrmAboutBox* about, TfrmStato* stato);

    // "Nuova Partita": asks first when a game is under way (Yes also clears the totals); at a
    // network table, whether to leave it.
    void menuNuovaPartitaClick();

    // Partita -> Gioca in rete…, in TfrmBriscolaMainRete.cpp: host, join or come back to a
    // table played over the network; at a table, shows its room.
    QAction* AzioneGiocaInRete() const { return menuGiocaInRete; }
    void menuGiocaInReteClick();
    // The window shows a network table (or has just left one, until "Nuova Partita").
    bool InRete() const { return modoRete; }
    // The table being played over the network and its room; null when none.
    TavolaRemota* Remota() const { return tavolaRemota.get(); }
    LobbyTavolo* Lobby() const;
    // Leaves the network table: the seat stays (a computer plays it); hosting, the table is
    // saved and closed for everyone.
    void LasciaTavolo();
    // The panels show the table's names and marks.
    void AggiornaNomiRete();
    // Where the machine hosting a table keeps it when the game closes.
    static QString CartellaTavoliOspitati();
    // F10: at a network table, who sits at each place, by the table's seat numbers.
    QString TestoTipiGiocatori() const override;

    // Keeps the series and the game in progress in this file between two runs: read back
    // before the first step, written when the window closes. Empty (the default): nothing.
    void ImpostaFileConservato(const QString& percorso) { fileConservato = percorso; }

    PanelPunti& Punti() const { return *panelPunti; }
    QAction* AzioneSalvaPartita() const { return menuSalvaPartita; }
    QAction* AzioneCaricaPartita() const { return menuCaricaPartita; }
    QAction* AzioneMostraPartita() const { return menuMostraPartita; }
    QAction* AzioneMostraPunti() const { return menuMostraPunti; }
    bool PunteggiVisibili() const { return punteggiVisibili; }
    QAction* AzioneEsportaPartite() const { return menuEsportaPartite; }
    // The notation of every game of the session's series, in order.
    const std::string& PartiteNotate() const { return partiteNotate; }
    void menuSalvaPartitaClick();
    void menuEsportaPartiteClick();
    // Also refreshes the score panel when the load failed or was cancelled.
    void menuCaricaPartitaClick();
    void menuPuntiPartitaClick(bool punti);
    PanelLicitazione* Licitazione() const { return panelLicitazione; }
    // Mostra → Suggerimento (H) and Mostra → Analisi, in TfrmBriscolaMainSuggerimento.cpp.
    QAction* AzioneSuggerimento() const { return menuSuggerimento; }
    QAction* AzioneAnalisi() const { return menuAnalisi; }
    void ChiediSuggerimento();
    // The analysis of the person's last game; false when there is none.
    bool MostraAnalisi();
    // Null until the first hint is asked for; the analysis window while it is open.
    Suggeritore* SuggeritoreGioco() const { return suggeritore; }
    FinestraAnalisi* FinestraAnalisiAperta() const;
    // The bidding panel's clicks: each fills the human's mailbox and wakes the game.
    void ClickChiamata(const Chiamata& chiamata);
    void SemeClick(int seme);
    void cmdMenoClick();
    void cmdPiuClick();

protected:
    void MostraPresa(int giocatore) override;
    void DisponiMano(int giocatore) override;
    void TurnoCarta() override;
    void TurnoChiamata() override;
    void MostraCartaGiocata(const Carta& carta, int giocatore) override;
    void MostraChiamataGiocatore() override;
    void MostraSemeChiamato() override;
    void MostraSocio() override;
    void MostraChiamante() override;
    void MostraSocioChiamante() override;
    void PulisciPannelli() override;
    void ImpostaAspetto(bool primaVolta) override;
    void NuovaPartita() override;
    void ImpostaOpzioni(bool primaVolta) override;
    void TimerStartTimer() override;
    void MostraFinePartita() override;
    void MostraPunti(bool visibile) override;

    void keyPressEvent(QKeyEvent* evento) override;
    void PrimaDiGiocare() override;
    void PrimaDiUscire() override;
    QString DomandaUscita() const override;

    void PreparaLicitazione() override;
    void MostraLicitazione(bool visibile) override;
    void TurnoBriscola() override;

private:
    friend class TavolaRemota;

    bool soloComputer;
    // The four computers of the human's table are experts; the options ask for a change.
    bool espertiAlTavolo = false;
    bool cambioGiocatori = false;

    static OpzioniTavolo OpzioniGiocatori(bool esperti);
    void CambiaGiocatori();
    QLabel* immagineTurno;
    std::array<std::unique_ptr<PannelloGiocatore>, 5> pannelli;
    SuperficieMascherata* paintBoxSocio;
    SuperficieMascherata* paintBoxChiamante;
    QLabel* lblBenvenuto;
    QAction* menuNuovaPartita = nullptr;
    QAction* menuOpzioni = nullptr;
    QAction* menuEsci = nullptr;
    PanelPunti* panelPunti = nullptr;
    bool punteggiVisibili = false;
    QAction* menuSalvaPartita = nullptr;
    QAction* menuCaricaPartita = nullptr;
    QAction* menuEsportaPartite = nullptr;
    std::string partiteNotate;
    QAction* menuMostraPartita = nullptr;
    QAction* menuMostraPunti = nullptr;
    PanelLicitazione* panelLicitazione;
    QAction* menuStatoIA = nullptr;
    QAction* menuInfo = nullptr;
    QAction* menuTasti = nullptr;
    // Playing by keys, in TfrmBriscolaMainTasti.cpp.
    SegnoTastiera* segnoCarta = nullptr;
    // The game waits for the person's card.
    bool cartaRichiesta = false;
    std::vector<ImmagineCarta*> CarteInMano() const;
    bool TastoMano(int tasto);
    void MostraTasti();
    std::array<QAction*, 4> menuDimensione{};
    TfrmAboutBox* frmAboutBox = nullptr;
    QAction* menuSuggerimento = nullptr;
    QAction* menuAnalisi = nullptr;
    Suggeritore* suggeritore = nullptr;
    QPointer<QDialog> finestraAnalisi;
    void CreaMenuSuggerimento(QMenu* mostra);
    QPointer<TfrmStato> frmStato;

    QString fileConservato;
    // How the game under way began: what plays it again at the next run.
    PartitaConservata inizioPartita;
    // Keeping the series between runs lives in TfrmBriscolaMainConserva.cpp.
    void AnnotaInizioPartita();
    void RiprendiConservata(const PartitaConservata& conservata);

    // The menus and what their items do live in TfrmBriscolaMainMenu.cpp.
    void CreaMenu();
    void CreaMenuInfo(QMenu* mostra);
    void CreaMenuDimensione(QMenu* mostra);
    PannelloGiocatore& PannelloDi(int giocatore);

    QAction* menuGiocaInRete = nullptr;
    bool modoRete = false;
    std::unique_ptr<TavolaRemota> tavolaRemota;
    QPointer<LobbyTavolo> lobby;
    // The window's own series, put aside while a network table's games fill the score panel.
    std::unique_ptr<TipoStoriaPartite> storiaLocale;
    // The name a panel shows: the table's at a network table, else the options'.
    QString NomeMostrato(int giocatore) const;
    void EntraInRete(std::unique_ptr<TavolaRemota> tavola, const QString& pubblico, quint16 porta,
                     const QString& indirizzi);
    void TornaAlGiocoLocale();
    void RicordaPosto();
    void SvuotaTavola();
};
