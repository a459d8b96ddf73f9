#pragma once

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <set>

#include "motori/OpzioniTavolo.h"
#include "motori/Tavolo.h"
#include "rete/CasellaRete.h"
#include "rete/OpzioniSala.h"
#include "rete/Protocollo.h"
#include "rete/TavoloSalvato.h"

class FinestraRete;

// Where a table's messages leave: the service, which owns the connections.
class UscitaTavoli {
public:
    virtual ~UscitaTavoli() = default;
    virtual void InviaA(std::uint64_t connessione, const QString& testo) = 0;
    virtual void Congeda(std::uint64_t connessione, const QString& motivo) = 0;
};

// One table of the server: a Tavolo whose seats are held by computers of the table's kind or
// by people whose messages fill the seats' mailboxes. It is stepped when a message or a timer
// arrives, until it waits for a person (or nobody is connected); it never waits itself.
class TavoloRete final : public QObject {
    Q_OBJECT
public:
    using IdConnessione = std::uint64_t;

    TavoloRete(const QString& codice, const ImpostazioniTavolo& impostazioni, std::uint32_t seme,
               const OpzioniSala& opzioni, UscitaTavoli& uscita);
    // A saved table, its game in progress replayed; raises when the series cannot be taken
    // back. Nobody is connected: play resumes when a person comes back.
    TavoloRete(const TavoloSalvato& salvato, const OpzioniSala& opzioni, UscitaTavoli& uscita);
    ~TavoloRete() override;

    const QString& Codice() const { return codice; }
    // A connection joins the table (it said ciao on the table's path, or created it).
    void Entra(IdConnessione connessione, bool creatore);
    // The connection is gone: its seat, if any, passes to a computer until rientra.
    void Esci(IdConnessione connessione);
    // One message of a connection at this table; raises ErroreRichiesta, changing nothing.
    void Gestisci(IdConnessione connessione, const Richiesta& richiesta);
    // The same message to every connection at the table.
    void ATutti(const QJsonObject& messaggio);
    TavoloSalvato Salvataggio() const;

    const Tavolo& Gioco() const { return *tavolo; }
    // The seat waited for (-1: none) and what it is to decide.
    int PostoAtteso() const { return postoAtteso; }
    CasellaRete::Attesa CosaAttesa() const { return cosaAttesa; }
    bool InAttesaDiConferme() const { return fineAttesa; }

signals:
    // Nobody was connected for the closing time: the service drops the table.
    void Chiuso(const QString& codice);

private:
    struct Posto {
        QString nome;
        QString impronta;
        IdConnessione connessione = 0;
        bool Persona() const { return !impronta.isEmpty(); }
    };
    struct Connessione {
        int posto = -1;
        bool creatore = false;
    };

    QString codice;
    ImpostazioniTavolo impostazioni;
    OpzioniSala opzioni;
    UscitaTavoli* uscita;
    OpzioniTavolo opzioniComputer;
    std::unique_ptr<FinestraRete> finestra;
    std::unique_ptr<Tavolo> tavolo;
    std::array<CasellaRete, 5> caselle;
    std::array<Posto, 5> posti;
    std::map<IdConnessione, Connessione> connessioni;
    int postoCreatore = -1;
    bool iniziata = false;
    bool partitaAttiva = false;
    bool fineAttesa = false;
    std::set<int> confermati;
    int postoAtteso = -1;
    CasellaRete::Attesa cosaAttesa = CasellaRete::Attesa::Nessuna;
    bool inPasso = false;
    GeneratoreTavolo generatoreAllaPartita;
    QTimer timerTurno;
    QTimer timerFine;
    QTimer timerChiusura;
    QElapsedTimer orologioTurno;
    QElapsedTimer orologioFine;

    void Prepara();
    void Consegna(int posto, const QJsonObject& messaggio);
    void Invia(IdConnessione connessione, const QJsonObject& messaggio);
    Connessione& ConnessioneDi(IdConnessione connessione);
    int PostoSeduto(IdConnessione connessione);
    int PersoneConnesse() const;
    TipoMotore TipoComputerMotore() const;
    void AlComputer(int posto);

    void Siedi(IdConnessione connessione, const Richiesta& richiesta);
    void Rientra(IdConnessione connessione, const Richiesta& richiesta);
    void Comincia(IdConnessione connessione);
    void Decidi(IdConnessione connessione, const Richiesta& richiesta);
    void Conferma(IdConnessione connessione);
    void Chat(IdConnessione connessione, const Richiesta& richiesta);
    void Seduto(IdConnessione connessione, int posto, const QString& gettone);

    // Steps the game until it waits for a person, ends, or nobody is connected.
    void Avanza();
    void NuovaPartita();
    void TurnoScaduto();
    void IniziaAttesaFine();
    void ControllaFine();
    void AggiornaChiusura();
    bool Ripeti(const std::vector<DecisionePresa>& decisioni);

    QJsonObject MessaggioPosti() const;
    QJsonObject MessaggioTurno() const;
    QJsonObject MessaggioAttesa() const;
    QJsonObject MessaggioStato(IdConnessione connessione) const;
};
