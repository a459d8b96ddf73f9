#pragma once

#include <QJsonObject>
#include <functional>
#include <vector>

#include "motori/FinestraGioco.h"

class StatoTavolo;

// One decision as the game took it, in the order taken: what a saved table replays.
struct DecisionePresa {
    enum class Tipo { Chiamata, Briscola, Carta };
    Tipo tipo = Tipo::Carta;
    int posto = -1;
    Chiamata chiamata;
    int seme = -1;
    Carta carta;
};

// The window of a network table: hears every event of the game and turns it into one message
// per seat, each built from what that seat may see (its own hand only; a face-down card
// without its face for the others; the partner once the called card is seen). It never makes
// a decision: the seats' mailboxes do.
class FinestraRete final : public FinestraGioco {
public:
    // consegna(posto, messaggio): deliver to the people at seat posto (-1: at the table
    // without a seat); called for each of -1..4 with that seat's own message.
    using Consegna = std::function<void(int posto, const QJsonObject& messaggio)>;

    explicit FinestraRete(Consegna consegna);
    // The table whose record the messages read (not owned), set once the table is built.
    void ImpostaStato(const StatoTavolo& nuovo) { stato = &nuovo; }

    void NotificaCartaGiocata(const Carta& carta, int giocatore) override;
    void NotificaBriscola(const Briscola& briscola) override;
    void NotificaChiamata(const Chiamata& chiamata, int giocatore) override;
    void NotificaFineLicitazione() override;
    void NotificaPunti(int /*punti*/, int /*giocatore*/) override {}
    void NotificaDistribuzione(const ManiDistribuite* mani, int giocatoreUmano) override;
    void NotificaManoRaccolta(int vincitore) override;
    void NotificaFinePartita(RegistroPartita registro, TipoStoriaPartite storia) override;
    void ImpostaOpzioni(bool /*primaVolta*/) override {}

    // The decisions of the game in progress, from its deal.
    const std::vector<DecisionePresa>& Decisioni() const { return decisioni; }

private:
    const StatoTavolo* stato = nullptr;
    Consegna consegna;
    std::vector<DecisionePresa> decisioni;
    int socioAnnunciato = -1;

    // The same message to everyone at the table.
    void ATutti(const QJsonObject& messaggio);
    // The partner's message, once, when the called card has just been seen.
    void AnnunciaSocio();
};
