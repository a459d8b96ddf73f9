#include "rete/MessaggioServer.h"

#include <algorithm>

// What each message of the server changes of the seat's view.
void AggiornaVista(VistaTavolo& vista, const MessaggioServer& m) {
    using Tipo = MessaggioServer::Tipo;
    PartitaVista& partita = vista.partita;
    switch (m.tipo) {
    case Tipo::Creato:
        vista.codice = m.codice;
        vista.creatore = true;
        break;
    case Tipo::Seduto:
        vista.posto = m.posto;
        break;
    case Tipo::Stato:
        vista = m.vista;
        break;
    case Tipo::Posti:
        vista.posti = m.posti;
        break;
    case Tipo::Inizio:
        vista.iniziata = true;
        vista.inPartita = true;
        vista.inAttesa = false;
        vista.confermati.clear();
        partita = PartitaVista{};
        partita.numero = m.numero;
        partita.mano = m.mano;
        partita.primo = m.primo;
        break;
    case Tipo::Chiamata:
        partita.licitazioni.emplace_back(m.posto, m.chiamata);
        if (m.chiamata.Valore != kPasso) {
            partita.chiamata = m.chiamata;
        }
        partita.turno = {};
        break;
    case Tipo::FineLicitazione:
        partita.chiamante = m.chiamante;
        partita.chiamata = m.chiamata;
        break;
    case Tipo::Briscola:
        partita.briscola = m.seme;
        partita.cartaChiamata = m.cartaChiamata;
        partita.turno = {};
        break;
    case Tipo::Carta:
        if (partita.tavola.size() >= 5) {
            partita.tavola.clear();
        }
        partita.tavola.push_back(m.carta);
        if (m.posto == vista.posto) {
            std::erase(partita.mano, m.carta.carta);
        }
        partita.turno = {};
        break;
    case Tipo::Presa: {
        partita.tavola.clear();
        // A game has eight tricks: a server that sends more does not grow the counts.
        const auto v = static_cast<std::size_t>(m.vincitore);
        if (partita.prese[v] < 8) {
            ++partita.prese[v];
            partita.punti[v] = std::min(partita.punti[v] + m.puntiPresa, 120);
        }
        break;
    }
    case Tipo::Socio:
        partita.socio = m.posto;
        break;
    case Tipo::FinePartita:
        partita.finita = true;
        partita.socio = m.socio;
        partita.punti = m.punti;
        partita.turno = {};
        break;
    case Tipo::Serie:
        vista.serie = m.serie;
        break;
    case Tipo::Turno:
        partita.turno = m.turno;
        break;
    case Tipo::Attesa:
        vista.inAttesa = true;
        vista.confermati = m.confermati;
        break;
    case Tipo::Benvenuto:
    case Tipo::Chat:
    case Tipo::Errore:
    case Tipo::Chiusura:
    case Tipo::Arresto:
        break;
    }
}
