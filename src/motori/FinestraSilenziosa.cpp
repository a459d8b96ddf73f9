#include "motori/FinestraSilenziosa.h"

#include "comune/Casuale.h"
#include "comune/Errore.h"

namespace {

// Bids in ascending order: Asso .. Due on rank (0..9), then Due with 61..120 points (10..69).
constexpr int kGradiniScala = 70;

int GradinoScala(const Chiamata& chiamata) {
    if (chiamata.Valore > 0 || chiamata.Punti <= 60) {
        return 9 - chiamata.Valore;
    }
    return 9 + chiamata.Punti - 60;
}

Chiamata ChiamataDelGradino(int gradino) {
    return gradino <= 9 ? Chiamata(9 - gradino) : Chiamata(51 + gradino);
}

} // namespace

FinestraSilenziosa::FinestraSilenziosa(bool registra, int rinvii)
    : registra(registra), rinvii(rinvii < 0 ? 0 : rinvii) {}

void FinestraSilenziosa::Registra(const EventoFinestra& evento) {
    if (registra) {
        eventi.push_back(evento);
    }
}

void FinestraSilenziosa::NotificaCartaGiocata(const Carta& carta, int giocatore) {
    if (giocatore == giocatoreUmano && carta.Definita()) {
        for (Carta& inMano : manoUmana) {
            if (inMano == carta) {
                inMano = CartaIndefinita;
            }
        }
    }
    Registra({EventoFinestra::kCartaGiocata, giocatore, carta, {}, {}, 0});
}

void FinestraSilenziosa::NotificaBriscola(const Briscola& briscola) {
    Registra({EventoFinestra::kBriscola, -1, {}, {}, briscola, 0});
}

void FinestraSilenziosa::NotificaChiamata(const Chiamata& chiamata, int giocatore) {
    if (chiamata.Valore != kPasso && chiamata.Valore != kNessunaChiamata) {
        chiamataMigliore = chiamata;
    }
    Registra({EventoFinestra::kChiamata, giocatore, {}, chiamata, {}, 0});
}

void FinestraSilenziosa::NotificaFineLicitazione() {
    Registra({EventoFinestra::kFineLicitazione, -1, {}, {}, {}, 0});
}

void FinestraSilenziosa::NotificaPunti(int punti, int giocatore) {
    // Five times after every card: nothing to do unless recording.
    if (registra) {
        Registra({EventoFinestra::kPunti, giocatore, {}, {}, {}, punti});
    }
}

void FinestraSilenziosa::NotificaDistribuzione(const ManiDistribuite* mani, int umano) {
    giocatoreUmano = umano;
    chiamataMigliore = ChiamataNulla;
    rinviiFatti = 0;
    manoUmana.fill(CartaIndefinita);
    if (mani != nullptr && umano >= 0 && umano <= 4) {
        manoUmana = (*mani)[static_cast<std::size_t>(umano)];
    }
    Registra({EventoFinestra::kDistribuzione, umano, {}, {}, {}, 0});
}

void FinestraSilenziosa::NotificaManoRaccolta(int vincitore) {
    Registra({EventoFinestra::kManoRaccolta, vincitore, {}, {}, {}, 0});
}

void FinestraSilenziosa::NotificaFinePartita(RegistroPartita registroFinale,
                                             TipoStoriaPartite /*storia*/) {
    registro = registroFinale;
    Registra({EventoFinestra::kFinePartita, -1, {}, {}, {}, 0});
}

bool FinestraSilenziosa::Rinvia() {
    ++richieste;
    if (rinviiFatti < rinvii) {
        ++rinviiFatti;
        return true;
    }
    rinviiFatti = 0;
    return false;
}

Carta FinestraSilenziosa::RichiediCarta() {
    const Carta lasciata = FinestraGioco::RichiediCarta();
    if (lasciata.Definita()) {
        ++richieste;
        return lasciata;
    }
    if (Rinvia()) {
        return CartaIndefinita;
    }
    std::array<Carta, 8> rimaste;
    int numero = 0;
    for (const Carta& carta : manoUmana) {
        if (carta.Definita()) {
            rimaste[static_cast<std::size_t>(numero++)] = carta;
        }
    }
    if (numero == 0) {
        throw Errore("Nessuna carta in mano al giocatore " + std::to_string(giocatoreUmano));
    }
    return rimaste[static_cast<std::size_t>(Casuale(numero))];
}

Chiamata FinestraSilenziosa::RichiediChiamata() {
    const Chiamata lasciata = FinestraGioco::RichiediChiamata();
    if (lasciata.Valore != kNessunaChiamata) {
        ++richieste;
        return lasciata;
    }
    if (Rinvia()) {
        return ChiamataNulla;
    }
    // With no bid standing a pass could leave the table without a caller: always bid.
    if (chiamataMigliore == ChiamataNulla) {
        return ChiamataDelGradino(Casuale(3));
    }
    const int gradino = GradinoScala(chiamataMigliore) + 1 + Casuale(3);
    if (Casuale(2) == 0 || gradino >= kGradiniScala) {
        return ChiamataPasso;
    }
    return ChiamataDelGradino(gradino);
}

int FinestraSilenziosa::Casuale(int n) {
    if (generatore == nullptr) {
        throw Errore("La finestra silenziosa non siede a nessun tavolo");
    }
    return generatore->Casuale(n);
}

Briscola FinestraSilenziosa::RichiediBriscola() {
    const Briscola lasciata = FinestraGioco::RichiediBriscola();
    if (lasciata.SemeGrezzo() != kBriscolaNonNominata) {
        ++richieste;
        return lasciata;
    }
    if (Rinvia()) {
        return BriscolaIndefinita;
    }
    return Briscola(Casuale(4));
}
