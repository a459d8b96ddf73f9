#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "motori/FinestraGioco.h"

class GeneratoreCasuale;

// One notification as the silent window heard it.
struct EventoFinestra {
    enum Tipo : std::uint8_t {
        kCartaGiocata,
        kBriscola,
        kChiamata,
        kFineLicitazione,
        kPunti,
        kDistribuzione,
        kManoRaccolta,
        kFinePartita,
    };

    Tipo tipo;
    // The seat the event is about: the player, the bidder, the seat of the points, the
    // trick's winner, the human seat of a deal; -1 when none.
    int giocatore = -1;
    Carta carta;
    Chiamata chiamata;
    Briscola briscola;
    int punti = 0;
};

// The window interface without a window, for tests and headless series. Notifications draw
// nothing; when asked to, they are recorded. The human's requests are answered like a person
// at the table: a card a test left in a mailbox first; otherwise the no-decision value a set
// number of times per decision (as while the user thinks), then a random legal decision: a
// card of the hand, a pass or a bid above the best one, a suit.
class FinestraSilenziosa : public FinestraGioco {
public:
    // registra: keep every notification; rinvii: no-decision answers before each decision.
    explicit FinestraSilenziosa(bool registra = false, int rinvii = 1);

    void NotificaCartaGiocata(const Carta& carta, int giocatore) override;
    void NotificaBriscola(const Briscola& briscola) override;
    void NotificaChiamata(const Chiamata& chiamata, int giocatore) override;
    void NotificaFineLicitazione() override;
    void NotificaPunti(int punti, int giocatore) override;
    void NotificaDistribuzione(const ManiDistribuite* mani, int giocatoreUmano) override;
    void NotificaManoRaccolta(int vincitore) override;
    void NotificaFinePartita(RegistroPartita registro, TipoStoriaPartite storia) override;
    Carta RichiediCarta() override;
    Chiamata RichiediChiamata() override;
    Briscola RichiediBriscola() override;
    void ImpostaOpzioni(bool /*primaVolta*/) override {}
    // Where the simulated person's choices are drawn from (not owned): the generator of the
    // table it sits at, so that a seed gives the same games. Drawing without one raises.
    void ImpostaGeneratore(GeneratoreCasuale* nuovo) { generatore = nuovo; }

    const std::vector<EventoFinestra>& Eventi() const { return eventi; }
    void AzzeraEventi() { eventi.clear(); }
    // Requests answered so far, with or without a decision.
    int Richieste() const { return richieste; }
    int GiocatoreUmano() const { return giocatoreUmano; }
    // The record of the last finished game, as the window keeps it.
    const RegistroPartita& UltimoRegistro() const { return registro; }
    // The best bid notified since the deal.
    const Chiamata& ChiamataMigliore() const { return chiamataMigliore; }

private:
    bool registra;
    int rinvii;
    GeneratoreCasuale* generatore = nullptr;
    int rinviiFatti = 0;
    int richieste = 0;
    int giocatoreUmano = -1;
    std::array<Carta, 8> manoUmana;
    Chiamata chiamataMigliore;
    RegistroPartita registro;
    std::vector<EventoFinestra> eventi;

    void Registra(const EventoFinestra& evento);
    // True when this request is one of those answered with no decision.
    bool Rinvia();
    int Casuale(int n);
};
