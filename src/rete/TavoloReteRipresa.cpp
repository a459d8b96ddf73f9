#include <QtGlobal>

#include "comune/Errore.h"
#include "rete/FinestraRete.h"
#include "rete/TavoloRete.h"

// A table's save and its taking back after a restart.

TavoloRete::TavoloRete(const TavoloSalvato& salvato, const OpzioniSala& opzioni,
                       UscitaTavoli& uscita, QThreadPool* fili, const RegoleLette* regole)
    : codice(salvato.codice), impostazioni(salvato.impostazioni), opzioni(opzioni), uscita(&uscita),
      fili(fili) {
    Prepara(regole);
    StatoTavolo& stato = tavolo->Stato();
    std::string motivo;
    if (!stato.storia.CaricaDaByte(salvato.storia, &motivo)) {
        throw Errore("La serie del tavolo non si legge: " + motivo);
    }
    GeneratoreTavolo ora;
    GeneratoreTavolo allaPartita;
    if (!ora.ImpostaStato(salvato.generatore) ||
        (salvato.partitaInCorso && !allaPartita.ImpostaStato(salvato.generatoreAllaPartita))) {
        throw Errore("Lo stato del generatore del tavolo non si legge");
    }
    postoCreatore = salvato.postoCreatore;
    iniziata = salvato.iniziata;
    for (std::size_t s = 0; s < 5; ++s) {
        posti[s].nome = salvato.posti[s].nome;
        posti[s].impronta = salvato.posti[s].impronta;
    }
    if (iniziata && salvato.partitaInCorso) {
        stato.generatore = allaPartita;
        const TipoStoriaPartite storia = stato.storia;
        if (Ripeti(salvato.decisioni)) {
            stato.generatore = ora;
        } else {
            // The decisions do not replay: the game starts again from the same deal.
            qWarning("Tavolo %s: la partita in corso ricomincia dalla stessa distribuzione",
                     qPrintable(codice));
            stato.storia = storia;
            stato.generatore = allaPartita;
            NuovaPartita();
            tavolo->Passo();
        }
        for (int posto = 0; posto < 5; ++posto) {
            AlComputer(posto);
            caselle[static_cast<std::size_t>(posto)].Svuota();
        }
    } else if (iniziata) {
        stato.generatore = ora;
        fineAttesa = true;
    } else {
        stato.generatore = ora;
    }
}

bool TavoloRete::Ripeti(const std::vector<DecisionePresa>& decisioni) {
    for (int posto = 0; posto < 5; ++posto) {
        tavolo->AffidaAPersona(posto, caselle[static_cast<std::size_t>(posto)]);
    }
    NuovaPartita();
    std::size_t fatte = 0;
    try {
        for (int passi = 0; passi < 100000; ++passi) {
            if (!tavolo->Driver().InCorso()) {
                return false;
            }
            CasellaRete* riempita = nullptr;
            if (fatte < decisioni.size()) {
                const DecisionePresa& decisione = decisioni[fatte];
                if (decisione.posto < 0 || decisione.posto > 4) {
                    return false;
                }
                riempita = &caselle[static_cast<std::size_t>(decisione.posto)];
                switch (decisione.tipo) {
                case DecisionePresa::Tipo::Chiamata:
                    riempita->Metti(decisione.chiamata);
                    break;
                case DecisionePresa::Tipo::Briscola:
                    riempita->Metti(Briscola(decisione.seme));
                    break;
                case DecisionePresa::Tipo::Carta:
                    riempita->Metti(decisione.carta);
                    break;
                }
            }
            for (CasellaRete& casella : caselle) {
                casella.AzzeraAttesa();
            }
            tavolo->Passo();
            if (riempita != nullptr && !riempita->Piena()) {
                ++fatte;
                continue;
            }
            bool chiesta = false;
            for (const CasellaRete& casella : caselle) {
                chiesta = chiesta || casella.Richiesta() != CasellaRete::Attesa::Nessuna;
            }
            if (chiesta) {
                // The game stands where it was saved only when every decision was taken.
                return riempita == nullptr;
            }
        }
    } catch (const std::exception&) {
        return false;
    }
    return false;
}

TavoloSalvato TavoloRete::Salvataggio() const {
    TavoloSalvato salvato;
    salvato.codice = codice;
    salvato.impostazioni = impostazioni;
    salvato.postoCreatore = postoCreatore;
    salvato.iniziata = iniziata;
    for (std::size_t s = 0; s < 5; ++s) {
        salvato.posti[s] = {posti[s].nome, posti[s].impronta};
    }
    const StatoTavolo& stato = tavolo->Stato();
    salvato.storia = stato.storia.SalvaInByte();
    salvato.generatore = stato.generatore.Stato();
    salvato.partitaInCorso = partitaAttiva && tavolo->Driver().InCorso();
    if (salvato.partitaInCorso) {
        salvato.generatoreAllaPartita = generatoreAllaPartita.Stato();
        salvato.decisioni = finestra->Decisioni();
    }
    return salvato;
}
