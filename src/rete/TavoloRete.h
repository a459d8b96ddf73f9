#pragma once

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "motori/OpzioniTavolo.h"
#include "motori/Tavolo.h"
#include "rete/CasellaRete.h"
#include "rete/OpzioniSala.h"
#include "rete/Protocollo.h"
#include "rete/TavoloSalvato.h"

class FinestraRete;
class QThreadPool;
class RegoleLette;

// Where a table's messages leave: the service, which owns the connections.
class UscitaTavoli {
public:
    virtual ~UscitaTavoli() = default;
    virtual void InviaA(std::uint64_t connessione, const QString& testo) = 0;
    virtual void Congeda(std::uint64_t connessione, const QString& motivo) = 0;
};

// One table of the server: a Tavolo whose seats are held by computers of the table's kind or
// by people whose messages fill the seats' mailboxes. It is stepped when a message or a timer
// arrives, until it waits for a person (or nobody is connected); it never waits itself. An
// expert's step runs on a worker thread: meanwhile nothing else touches the table (whatever
// arrives waits its turn and is handled, in order, when the step is back), so the games are
// those of a table stepped on its own thread.
class TavoloRete final : public QObject {
    Q_OBJECT
public:
    using IdConnessione = std::uint64_t;

    // fili: where the experts' steps run (not owned, outliving the table); null: here.
    // regole: the standard players' rules, read once for every table (not owned, outliving
    // the table); null: each player reads the file.
    TavoloRete(const QString& codice, const ImpostazioniTavolo& impostazioni, std::uint32_t seme,
               const OpzioniSala& opzioni, UscitaTavoli& uscita, QThreadPool* fili = nullptr,
               const RegoleLette* regole = nullptr);
    // A saved table, its game in progress replayed; raises when the series cannot be taken
    // back. Nobody is connected: play resumes when a person comes back.
    TavoloRete(const TavoloSalvato& salvato, const OpzioniSala& opzioni, UscitaTavoli& uscita,
               QThreadPool* fili = nullptr, const RegoleLette* regole = nullptr);
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
    // The server stops: a step running elsewhere (already finished: the caller waited for the
    // workers) is taken in, and the table steps no more.
    void Ferma();
    // A step runs on a worker thread.
    bool Calcolando() const { return calcolando; }

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
    QThreadPool* fili;
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
    bool calcolando = false;
    bool fermo = false;
    // While a step runs elsewhere: the messages it made, its fault, and what arrived meanwhile.
    std::vector<std::pair<int, QJsonObject>> trattenuti;
    std::string erroreRemoto;
    std::vector<std::function<void()>> differiti;
    GeneratoreTavolo generatoreAllaPartita;
    QTimer timerTurno;
    QTimer timerFine;
    QTimer timerChiusura;
    QElapsedTimer orologioTurno;
    QElapsedTimer orologioFine;

    void Prepara(const RegoleLette* regole);
    // Runs what a timer or a worker's return calls: no exception goes on into the event loop.
    void AlRiparo(const std::function<void()>& azione);
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
    // After a step: the seat now waited for, if any, is told; true when one is.
    bool DopoPasso();
    // The next step asks an expert (or deals, which its bidding weighs by simulation).
    bool PassoLungo() const;
    void AvviaPassoRemoto();
    void FinePassoRemoto();
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
