#pragma once

#include <QString>
#include <array>
#include <vector>

#include "carte/Carta.h"
#include "partita/Chiamata.h"

// What a client reads from a table's server, as plain values. The server is trusted for the
// game but not for the bytes: every seat, count and card is checked as it is decoded, and a
// message that does not fit raises Errore (the client then drops the connection).

struct PostoVisto {
    QString nome;
    bool persona = false;
    bool connesso = false;
};

// A card on the table as this seat sees it: carta is undefined when it lies face down and is
// another seat's.
struct CartaVista {
    int posto = -1;
    bool coperta = false;
    Carta carta;
};

struct PartitaDellaSerie {
    int numero = 0;
    int chiamante = -1;
    int socio = -1;
    Chiamata chiamata;
    std::array<int, 5> punteggi{};
};

// Games won, lost and played by each seat, as caller, partner, opponent and in all.
struct StatisticheSerie {
    std::array<std::array<std::array<int, 3>, 5>, 4> valori{};
};

struct SerieVista {
    int partite = 0;
    std::array<int, 5> totali{};
    std::vector<PartitaDellaSerie> ultime;
    StatisticheSerie statistiche;
};

struct TurnoVisto {
    int posto = -1;
    // "chiamata", "briscola" or "carta"; empty when nobody is to decide.
    QString cosa;
    int tempoMs = 0;
};

// The game in progress as this seat knows it.
struct PartitaVista {
    int numero = -1;
    std::vector<Carta> mano;
    std::vector<std::pair<int, Chiamata>> licitazioni;
    int primo = -1;
    int chiamante = -1;
    Chiamata chiamata;
    int briscola = -1;
    Carta cartaChiamata;
    int socio = -1;
    std::vector<CartaVista> tavola;
    std::array<int, 5> prese{};
    std::array<int, 5> punti{};
    TurnoVisto turno;
    bool finita = false;
};

// The table as this connection may see it: the "stato" message, kept up to date by the others.
struct VistaTavolo {
    QString codice;
    QString nome;
    bool manoAlBuio = false;
    QString computer;
    int tempoTurno = 0;
    bool suggerimenti = false;
    int posto = -1;
    bool creatore = false;
    bool iniziata = false;
    std::array<PostoVisto, 5> posti;
    SerieVista serie;
    bool inPartita = false;
    PartitaVista partita;
    // The end of a game waits for the people's confirmations.
    bool inAttesa = false;
    std::vector<int> confermati;
};

struct MessaggioServer {
    enum class Tipo {
        Benvenuto,
        Creato,
        Seduto,
        Stato,
        Posti,
        Inizio,
        Chiamata,
        FineLicitazione,
        Briscola,
        Carta,
        Presa,
        Socio,
        FinePartita,
        Serie,
        Turno,
        Attesa,
        Chat,
        Errore,
        Chiusura,
        Arresto
    };
    Tipo tipo = Tipo::Benvenuto;
    int versione = 0;
    QString codice;
    int posto = -1;
    QString gettone;
    // stato
    VistaTavolo vista;
    // posti
    std::array<PostoVisto, 5> posti;
    // inizio (partita: numero), finelicitazione and finepartita (chiamante, chiamata, socio)
    int numero = -1;
    std::vector<Carta> mano;
    int primo = -1;
    ::Chiamata chiamata;
    int chiamante = -1;
    int socio = -1;
    int seme = -1;
    ::Carta cartaChiamata;
    CartaVista carta;
    // presa
    int vincitore = -1;
    int puntiPresa = 0;
    std::vector<CartaVista> carte;
    // finepartita
    std::array<int, 5> punti{};
    std::array<int, 5> punteggi{};
    bool vinta = false;
    SerieVista serie;
    TurnoVisto turno;
    std::vector<int> confermati;
    int tempoMs = 0;
    // chat (nome, testo), errore (codice, testo), chiusura and arresto (testo)
    QString nome;
    QString testo;
};

// Decodes one text message of the server; raises Errore for anything malformed.
MessaggioServer DecodificaMessaggioServer(const QString& testo);

// Brings the view up to date with a message (the message already decoded, so checked).
void AggiornaVista(VistaTavolo& vista, const MessaggioServer& messaggio);
