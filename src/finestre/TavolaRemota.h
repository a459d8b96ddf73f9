#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <deque>
#include <memory>

#include "notazione/PartitaNotata.h"
#include "partita/TipoStoriaPartite.h"
#include "rete/ClienteTavolo.h"

class ServerLocale;
class TfrmBriscolaMain;

// A table played on a server, shown in the main window as if it were the window's own: the
// server's messages become the same notifications and requests the local players give, one a
// step of the window's loop (so its pauses apply), with the seats turned so that the person's
// own sits at seat 4's place and the others follow in the table's order. The person's choices
// go to the server; the game is the server's.
class TavolaRemota final : public QObject {
    Q_OBJECT
public:
    // server: the tables' server this machine hosts, or null when joining someone else's.
    TavolaRemota(TfrmBriscolaMain& finestra, std::unique_ptr<ClienteTavolo> cliente,
                 std::unique_ptr<ServerLocale> server);
    ~TavolaRemota() override;

    ClienteTavolo& Cliente() const { return *cliente; }
    ServerLocale* Server() const { return server.get(); }
    // The window's place of a table's seat, and back.
    int Locale(int remoto) const;
    int Remoto(int locale) const;
    // The name a place shows: the person's, or the kind of computer, with the marks.
    QString NomePosto(int locale) const;

    // One step of the window's loop: the next message shown, or the person asked for the
    // decision due; -1 once the window stops.
    int Passo();
    bool SenzaPassi() const;
    // The decision the server waits for from this seat ("chiamata", "briscola", "carta"), once
    // every message before it has been shown; empty when none.
    const QString& Dovuto() const { return dovuto; }
    // The games seen whole at this table, in the table's own seat order: what "Salva Partita"
    // saves, so that every seat's file is the same series.
    const TipoStoriaPartite& StoriaTavolo() const { return storiaTavolo; }
    // False once the table's series holds a game this window did not see whole (it joined
    // late or came back): StoriaTavolo then cannot be saved as the table's series.
    bool StoriaIntera() const { return !partiteMancanti; }

signals:
    // The seats' names or marks changed.
    void PostiCambiati();

private:
    TfrmBriscolaMain& finestra;
    std::unique_ptr<ClienteTavolo> cliente;
    std::unique_ptr<ServerLocale> server;
    std::deque<MessaggioServer> coda;
    // What the server waits for from this seat: "chiamata", "briscola", "carta" or nothing.
    QString dovuto;
    // The game so far, in the window's places, to be played again at its end for the record.
    PartitaNotata notata;
    bool notataCompleta = false;
    std::array<int, 5> giocate{};
    TipoStoriaPartite storiaTavolo;
    bool partiteMancanti = false;
    // The series as the server last told it, shown in the score panel in the window's places.
    SerieVista serie;
    void MostraSerie();
    // Another seat's card lying face down: its back, at the seat's place in the trick.
    std::array<QPointer<QLabel>, 5> dorsi;
    void MostraDorso(int locale);
    void NascondiDorsi();
    int mioPosto() const { return cliente->Vista().posto; }

    void Mostra(const MessaggioServer& messaggio);
    void Chiedi();
    void Distribuisci(const std::vector<Carta>& mano);
    void MostraStato(const VistaTavolo& vista);
    void CartaGiocata(const CartaVista& carta);
    void FinePartita(const MessaggioServer& messaggio);
};
