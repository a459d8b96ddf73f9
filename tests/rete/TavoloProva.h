#pragma once

#include <QTemporaryDir>
#include <memory>

#include "ClientiProva.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"

// A service with one table created by Anna (seat 0), Bruno at seat 2, three computers.
struct TavoloProva {
    std::unique_ptr<SalaTavoli> sala;
    std::unique_ptr<PostaProva> posta;
    std::unique_ptr<ClienteProva> anna;
    std::unique_ptr<ClienteProva> bruno;
    QString codice;

    explicit TavoloProva(const OpzioniSala& opzioni, bool manoAlBuio = false,
                         const QString& computer = "standard", int tempoTurno = 0,
                         bool suggerimenti = false) {
        sala = std::make_unique<SalaTavoli>(opzioni);
        posta = std::make_unique<PostaProva>(*sala);
        anna = std::make_unique<ClienteProva>(*sala, *posta, 1, QString());
        anna->Ciao();
        QJsonObject crea{{"tipo", "crea"},
                         {"nome", "Da Anna"},
                         {"manoAlBuio", manoAlBuio},
                         {"computer", computer},
                         {"tempoTurno", tempoTurno}};
        if (suggerimenti) {
            crea.insert("suggerimenti", true);
        }
        anna->Manda(crea);
        codice = anna->Ultimo("creato").value("codice").toString();
        anna->Siedi(0, "Anna");
        bruno = std::make_unique<ClienteProva>(*sala, *posta, 2, codice);
        bruno->Ciao();
        bruno->Siedi(2, "Bruno");
    }

    static OpzioniSala Opzioni(std::uint32_t seme = 1234) {
        OpzioniSala opzioni;
        opzioni.seme = seme;
        return opzioni;
    }

    void Comincia() { anna->Manda({{"tipo", "comincia"}}); }
    std::vector<ClienteProva*> Clienti() { return {anna.get(), bruno.get()}; }
    const TavoloRete& Tavolo() const { return *sala->TavoloDi(codice); }
    const RegistroPartita& Registro() const { return Tavolo().Gioco().Stato().registro; }
    const TipoStoriaPartite& Storia() const { return Tavolo().Gioco().Stato().storia; }
    // Plays until this many games are over.
    void GiocaPartite(int partite) {
        GiocaFinche(Clienti(), [&] { return anna->Conta("finepartita") >= partite; });
    }
};
