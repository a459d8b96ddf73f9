#include "motori/ManagerMotoriOutputGrafico.h"

#include <array>

#include "comune/Errore.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"
#include "partita/TipoStoriaPartite.h"

ManagerMotoriOutputGrafico::ManagerMotoriOutputGrafico(StatoTavolo& tavolo, FinestraGioco* finestra,
                                                       MotoriTavolo motori,
                                                       const std::string& logTest)
    : ManagerMotori(tavolo, std::move(motori)), finestra(finestra), logTest(logTest) {
    if (finestra == nullptr) {
        throw Errore("Manca la finestra del tavolo");
    }
}

void ManagerMotoriOutputGrafico::CartaGiocata(const Carta& carta, int giocatore) {
    finestra->NotificaCartaGiocata(carta, giocatore);
    // Points change only when a trick is collected: recount them (the record's
    // PuntiGiocatore, for the five seats in one pass) at the first card of each trick or of a
    // new game, not five times after every card.
    const RegistroPartita& registro = tavolo->registro;
    const int giocate = registro.NumeroCarteGiocate();
    if (giocate <= carteContate || (giocate - 1) / 5 != (carteContate - 1) / 5) {
        punti.fill(0);
        for (int c = 0; c < 40; ++c) {
            const int possessore = registro.Possessore(c);
            if (!registro.InMano(c) && !registro.InTavola(c) && possessore >= 0 && possessore < 5) {
                punti[static_cast<std::size_t>(possessore)] += Carta::DaIndice(c).Punti();
            }
        }
    }
    carteContate = giocate;
    for (int s = 0; s < 5; ++s) {
        finestra->NotificaPunti(punti[static_cast<std::size_t>(s)], s);
    }
}

void ManagerMotoriOutputGrafico::LicitazioneFatta(const Chiamata& chiamata, int giocatore) {
    finestra->NotificaChiamata(chiamata, giocatore);
}

void ManagerMotoriOutputGrafico::LicitazioneFinita() {
    finestra->NotificaFineLicitazione();
}

void ManagerMotoriOutputGrafico::BriscolaScelta(const Briscola& briscola) {
    finestra->NotificaBriscola(briscola);
}

void ManagerMotoriOutputGrafico::CarteDistribuite() {
    ManagerMotori::CarteDistribuite();
    const RegistroPartita& registro = tavolo->registro;
    // Each hand in ascending card index, as the record's CartaInMano lists it, in one pass
    // over the deck.
    ManiDistribuite mani;
    std::array<std::size_t, 5> carte{};
    for (int c = 0; c < 40; ++c) {
        const int giocatore = registro.Possessore(c);
        if (registro.InMano(c) && giocatore >= 0 && giocatore < 5) {
            const auto s = static_cast<std::size_t>(giocatore);
            if (carte[s] < 8) {
                mani[s][carte[s]++] = Carta::DaIndice(c);
            }
        }
    }
    finestra->NotificaDistribuzione(&mani, GiocatoreUmano());
}

void ManagerMotoriOutputGrafico::ManoRaccolta() {
    finestra->NotificaManoRaccolta(tavolo->registro.VincitoreMano());
}

void ManagerMotoriOutputGrafico::FinePartita() {
    const TipoStoriaPartite& storia = tavolo->storia;
    finestra->NotificaFinePartita(tavolo->registro, storia);
    if (tavolo->TipoGiocatori() == 3 && storia.numeroPartite > 0) {
        const bool vinta = storia.Punteggio(storia.numeroPartite - 1, 4) > 0;
        logTest.Scrivi(vinta, MotoreDi(4).DettaglioStrategia());
    }
}

int ManagerMotoriOutputGrafico::GiocatoreUmano() const {
    for (int s = 4; s >= 0; --s) {
        if (MotoreDi(s).Umano()) {
            return s;
        }
    }
    return -1;
}
