#pragma once

#include <array>

#include "carte/Briscola.h"
#include "carte/Carta.h"
#include "motori/CasellaPersona.h"
#include "partita/Chiamata.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

// The hands of a deal, seat by seat, each in ascending card index.
using ManiDistribuite = std::array<std::array<Carta, 8>, 5>;

// The main window as the game sees it: eight notifications from the engine manager, three
// requests from the human's engine and the options. A notification never calls back into the
// game; a request never blocks: it answers the user's choice once and the no-decision value
// (undefined card, no-bid, trump not named) on every other call.
class FinestraGioco : public CasellaPersona {
public:
    virtual ~FinestraGioco() = default;

    // The card as the game left it, face-down flag included.
    virtual void NotificaCartaGiocata(const Carta& carta, int giocatore) = 0;
    virtual void NotificaBriscola(const Briscola& briscola) = 0;
    // The bid as the game left it: a refused bid arrives as a pass.
    virtual void NotificaChiamata(const Chiamata& chiamata, int giocatore) = 0;
    virtual void NotificaFineLicitazione() = 0;
    virtual void NotificaPunti(int punti, int giocatore) = 0;
    // giocatoreUmano is -1 when no seat is human.
    virtual void NotificaDistribuzione(const ManiDistribuite* mani, int giocatoreUmano) = 0;
    // Before the game collects the trick.
    virtual void NotificaManoRaccolta(int /*vincitore*/) {}
    // Copies: the window keeps no reference to the game's objects.
    virtual void NotificaFinePartita(RegistroPartita /*registro*/, TipoStoriaPartite /*storia*/) {}
    Carta RichiediCarta() override;
    Chiamata RichiediChiamata() override;
    Briscola RichiediBriscola() override;
    virtual void ImpostaOpzioni(bool primaVolta) = 0;

    // The mailboxes a click fills; the next request empties them.
    void ImpostaCartaScelta(const Carta& carta);
    void ImpostaChiamataScelta(const Chiamata& chiamata) { chiamataScelta = chiamata; }
    void ImpostaBriscolaScelta(const Briscola& briscola) { briscolaScelta = briscola; }

protected:
    Carta cartaScelta;
    Chiamata chiamataScelta;
    Briscola briscolaScelta;
};
