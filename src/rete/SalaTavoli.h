#pragma once

#include <QString>
#include <QThreadPool>
#include <map>
#include <memory>

#include "ia/RegoleLette.h"
#include "rete/ServizioTavoli.h"
#include "rete/TavoloRete.h"

// The tables' service: the tables by code and the connections at them. It checks the
// connection's order of messages (ciao first, once), creates tables within the limit, routes
// the rest to the table of the connection, and answers every refusal with an error message.
class SalaTavoli final : public ServizioTavoli, private UscitaTavoli {
    Q_OBJECT
public:
    // Reopens the tables saved in the options' data folder.
    explicit SalaTavoli(const OpzioniSala& opzioni, QObject* padre = nullptr);
    ~SalaTavoli() override;

    void Apri(IdConnessione connessione, const QString& codice, const QString& indirizzo) override;
    void Ricevi(IdConnessione connessione, const QString& testo) override;
    void Chiudi(IdConnessione connessione) override;
    void Arresta() override;

    int NumeroTavoli() const { return static_cast<int>(tavoli.size()); }
    // The table of that code, or null.
    const TavoloRete* TavoloDi(const QString& codice) const;

private:
    struct Connessione {
        QString percorso;
        QString tavolo;
        bool salutata = false;
    };

    OpzioniSala opzioni;
    // The standard players' rules, read at the first table and shared by all: declared
    // before the tables, which hold it, so that it goes after them.
    std::unique_ptr<const RegoleLette> regole;
    std::map<QString, std::unique_ptr<TavoloRete>> tavoli;
    std::map<IdConnessione, Connessione> connessioni;
    bool arrestata = false;
    // Where the experts' steps run.
    QThreadPool fili;

    UscitaTavoli& Uscita() { return *this; }
    void InviaA(std::uint64_t connessione, const QString& testo) override;
    void Congeda(std::uint64_t connessione, const QString& motivo) override;

    void Gestisci(IdConnessione connessione, Connessione& stato, const Richiesta& richiesta);
    void Saluta(IdConnessione connessione, Connessione& stato, const Richiesta& richiesta);
    void Crea(IdConnessione connessione, Connessione& stato, const Richiesta& richiesta);
    void Aggiungi(std::unique_ptr<TavoloRete> tavolo);
    // Raises when the rules file cannot be read, as a table's players would.
    const RegoleLette* Regole();
    void Riapri();
    QString FileDi(const QString& codice) const;
};
