#pragma once

#include "finestre/TfrmBriscola.h"

// Turns the game's notifications and requests into the state of the table (caller, partner,
// trick, called card) and calls the display operations, which the main window implements.
class TfrmBriscolaBase : public TfrmBriscola {
    Q_OBJECT

public:
    using TfrmBriscola::TfrmBriscola;

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
    void ImpostaOpzioni(bool primaVolta) override;

    int Chiamante() const { return chiamante; }
    int Socio() const { return socio; }

protected:
    int chiamante = -1;
    int socio = -1;
    int ultimoGiocatore = -1;
    Chiamata ultimaChiamata;

    virtual void MostraPresa(int /*giocatore*/) {}
    virtual void MostraFinePartita() {}
    virtual void DisponiMano(int /*giocatore*/) {}
    virtual void PreparaLicitazione() {}
    virtual void MostraLicitazione(bool /*visibile*/) {}
    virtual void MostraPunti(bool /*visibile*/) {}
    virtual void MostraChiamataGiocatore() {}
    virtual void TurnoCarta() {}
    virtual void TurnoChiamata() {}
    virtual void MostraCartaGiocata(const Carta& /*carta*/, int /*giocatore*/) {}
    virtual void TurnoBriscola() {}
    virtual void MostraSemeChiamato() {}
    virtual void MostraSocio() {}
    virtual void MostraChiamante() {}
    virtual void MostraSocioChiamante() {}
    virtual void PulisciPannelli() {}
    virtual void ImpostaAspetto(bool /*primaVolta*/) {}
    virtual void NuovaPartita();

private:
    void AggiornaSocio();
};
