#pragma once

#include <QJsonObject>
#include <QString>
#include <string>

#include "carte/Carta.h"
#include "comune/Errore.h"
#include "partita/Chiamata.h"

// The protocol of the tables (docs/protocollo.md): JSON text messages, each an object with a
// "tipo". Decoding checks every field of a client's message; encoding writes the server's.

inline constexpr int kVersioneProtocollo = 1;
inline constexpr int kLunghezzaNome = 20;
inline constexpr int kLunghezzaNomeTavolo = 40;
inline constexpr int kLunghezzaChat = 200;
inline constexpr int kTempoTurnoMassimo = 3600;

// A refused message: the code of the fault ("campo", "turno", ...) and its Italian text.
class ErroreRichiesta : public Errore {
public:
    ErroreRichiesta(std::string codice, const std::string& messaggio)
        : Errore(messaggio), codice(std::move(codice)) {}
    const std::string& Codice() const { return codice; }

private:
    std::string codice;
};

// Who plays the seats that no person holds.
enum class TipoComputer { Standard, Tattico, Esperto };

// What a table is made with: its name, the variant, who fills the seats without a person, and
// the seconds a person has for a decision (0: no limit), and whether the creator lets the
// people ask the expert for hints during a game.
struct ImpostazioniTavolo {
    QString nome;
    bool manoAlBuio = false;
    TipoComputer computer = TipoComputer::Standard;
    int tempoTurno = 0;
    bool suggerimenti = false;
};

// One client message, decoded and checked for its form (not yet against the table).
struct Richiesta {
    enum class Tipo {
        Ciao,
        Crea,
        Siedi,
        Rientra,
        Comincia,
        Chiamata,
        Briscola,
        Carta,
        Conferma,
        Chat
    };
    Tipo tipo = Tipo::Ciao;
    int versione = 0;
    // crea
    QString nome;
    bool manoAlBuio = false;
    TipoComputer computer = TipoComputer::Standard;
    int tempoTurno = 0;
    bool suggerimenti = false;
    // siedi, rientra (nome too)
    int posto = -1;
    QString gettone;
    ::Chiamata chiamata;
    int seme = -1;
    ::Carta carta;
    // chat, control characters already removed
    QString testo;
};

// Decodes one text message; raises ErroreRichiesta naming the fault.
Richiesta DecodificaRichiesta(const QString& testo);

// The compact JSON text of a server message.
QString Codifica(const QJsonObject& messaggio);
QJsonObject MessaggioErrore(const std::string& codice, const std::string& messaggio);

// A bid as the protocol writes it: "passo", a rank letter, or the points "61".."120"; and back
// (raises ErroreRichiesta "chiamata").
QString CodiceChiamata(const ::Chiamata& chiamata);
::Chiamata ChiamataDaCodice(const QString& codice);
QString CodiceCartaRete(const ::Carta& carta);
// Raises ErroreRichiesta "carta" for anything but a card's code.
::Carta CartaDaCodiceRete(const QString& codice);
QString NomeComputer(TipoComputer tipo);
// Raises ErroreRichiesta "campo" for a name not in the list.
TipoComputer ComputerDaNome(const QString& nome);
// True when the name is 1..massimo characters and holds no control character.
bool NomeAmmissibile(const QString& nome, int massimo);
