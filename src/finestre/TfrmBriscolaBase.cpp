#include "finestre/TfrmBriscolaBase.h"

#include "finestre/CicloGioco.h"
#include "finestre/Dialoghi.h"
#include "finestre/TfrmOpzioni.h"
#include "motori/Semaforo.h"

void TfrmBriscolaBase::NotificaDistribuzione(const ManiDistribuite* mani, int umano) {
    giocatoreUmano = umano;
    ImpostaAspetto(true);
    PreparaLicitazione();
    MostraLicitazione(true);
    chiamante = -1;
    socio = -1;
    cartaScelta = CartaIndefinita;
    chiamataScelta = ChiamataNulla;
    briscolaScelta = BriscolaIndefinita;
    cartaChiamata = CartaIndefinita;
    chiamataMigliore = ChiamataNulla;
    numeroCarteInTavola = 0;
    tavolo.fill(CartaIndefinita);
    if (mani != nullptr) {
        for (int s = 0; s < 5; ++s) {
            for (int k = 0; k < 8; ++k) {
                MettiInMano(s, k, (*mani)[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)],
                            true);
            }
            DisponiMano(s);
        }
    }
    PulisciPannelli();
}

void TfrmBriscolaBase::NotificaChiamata(const Chiamata& chiamata, int giocatore) {
    ultimoGiocatore = giocatore;
    ultimaChiamata = chiamata;
    if (chiamata.Valore != kPasso && chiamata.Valore != kNessunaChiamata) {
        chiamante = giocatore;
        chiamataMigliore = chiamata;
    }
    MostraChiamataGiocatore();
    // A bid clicked during the pause is not the human's answer to the next request.
    Attesa(true, [this] { chiamataScelta = ChiamataNulla; });
}

void TfrmBriscolaBase::NotificaFineLicitazione() {
    MostraChiamante();
}

void TfrmBriscolaBase::NotificaBriscola(const Briscola& briscola) {
    if (!briscola.Nominata()) {
        return;
    }
    cartaChiamata = Carta(chiamataMigliore.ValoreVerificato(), briscola.Seme());
    MostraSemeChiamato();
    MostraChiamante();
    MostraLicitazione(false);
}

void TfrmBriscolaBase::AggiornaSocio() {
    socio = TrovaSocio();
    if (socio >= 0) {
        socio == chiamante ? MostraSocioChiamante() : MostraSocio();
    }
}

void TfrmBriscolaBase::NotificaCartaGiocata(const Carta& carta, int giocatore) {
    ultimoGiocatore = giocatore;
    if (!carta.Definita()) {
        return;
    }
    cartaScelta = CartaIndefinita;
    if (giocatore >= 0 && giocatore < 5) {
        for (Carta& c : mano[static_cast<std::size_t>(giocatore)]) {
            if (c == carta) {
                c = CartaIndefinita;
            }
        }
    }
    if (numeroCarteInTavola < 5) {
        tavolo[static_cast<std::size_t>(numeroCarteInTavola)] = carta;
        ++numeroCarteInTavola;
    }
    coperta[static_cast<std::size_t>(carta.Indice())] = carta.Coperta != 0;
    MostraCartaGiocata(carta, giocatore);
    AggiornaSocio();
    Attesa(true, [this] { cartaScelta = CartaIndefinita; });
}

void TfrmBriscolaBase::NotificaPunti(int, int) {}

void TfrmBriscolaBase::NotificaManoRaccolta(int vincitore) {
    if (numeroCarteInTavola != 5) {
        return;
    }
    for (const Carta& c : tavolo) {
        if (c.Definita()) {
            coperta[static_cast<std::size_t>(c.Indice())] = false;
            RidisegnaCarta(c);
        }
    }
    MostraPresa(vincitore);
    numeroCarteInTavola = 0;
    AggiornaSocio();
    Attesa(false, [this, presa = tavolo] {
        for (const Carta& c : presa) {
            NascondiCarta(c);
        }
    });
}

void TfrmBriscolaBase::NotificaFinePartita(RegistroPartita copia, TipoStoriaPartite) {
    registro = copia;
    MostraFinePartita();
}

Carta TfrmBriscolaBase::RichiediCarta() {
    MostraLicitazione(false);
    TurnoCarta();
    const Carta scelta = TfrmBriscola::RichiediCarta();
    if (!scelta.Definita()) {
        Ciclo().AttendiUmano();
    }
    return scelta;
}

Chiamata TfrmBriscolaBase::RichiediChiamata() {
    MostraLicitazione(true);
    TurnoChiamata();
    const Chiamata scelta = TfrmBriscola::RichiediChiamata();
    if (scelta.Valore == kNessunaChiamata) {
        Ciclo().AttendiUmano();
    }
    return scelta;
}

Briscola TfrmBriscolaBase::RichiediBriscola() {
    TurnoBriscola();
    const Briscola scelta = TfrmBriscola::RichiediBriscola();
    if (scelta.SemeGrezzo() == kBriscolaNonNominata) {
        Ciclo().AttendiUmano();
    }
    return scelta;
}

void TfrmBriscolaBase::ImpostaOpzioni(bool primaVolta) {
    if (opzioni == nullptr) {
        return;
    }
    const QString precedente = opzioni->DirectoryCarte();
    if (!primaVolta) {
        DialoghiCorrenti().Esegui(*opzioni);
        // Written at once as well as at the end, so a crash never loses what was just chosen.
        opzioni->Salva();
    }
    const QString directoryCarte = opzioni->DirectoryCarte();
    if (primaVolta || directoryCarte != precedente) {
        CaricaImmaginiCarte(directoryCarte);
        nomiMazzo.Carica((directoryCarte + QStringLiteral("/Carte.ini")).toStdString());
    }
    ImpostaAspetto(primaVolta);
    SemaforoGioco().ImpostaManoAlBuio(opzioni->ManoAlBuio());
    SemaforoGioco().ImpostaPuntiMonte(opzioni->PuntiMonte());
    attesaGiocata = opzioni->AttesaGiocata();
    attesaMano = opzioni->AttesaMano();
    carteOrdinate = opzioni->CarteOrdinate();
}

void TfrmBriscolaBase::NuovaPartita() {
    Ciclo().Riprendi([this] { SemaforoGioco().NuovaPartita(); });
}
