#include "motori/ManagerMotori.h"

#include "comune/Errore.h"

ManagerMotori::ManagerMotori(MotoriTavolo motoriDati) : motori(std::move(motoriDati)) {
    for (int k = 0; k < 5; ++k) {
        const auto& motore = motori[static_cast<std::size_t>(k)];
        if (!motore || motore->Giocatore() != k) {
            throw Errore("Giocatore " + std::to_string(k) + "/4 - Identificativo errato");
        }
    }
}

ManagerMotori::~ManagerMotori() = default;

Motore& ManagerMotori::MotoreDi(int giocatore) const {
    // A seat outside the table would read past the five engines.
    if (giocatore < 0 || giocatore > 4) {
        throw Errore("Identificativo del giocatore non valido");
    }
    return *motori[static_cast<std::size_t>(giocatore)];
}

std::string ManagerMotori::DescrizioneMotore(int giocatore) const {
    return MotoreDi(giocatore).Descrizione();
}

void ManagerMotori::CarteDistribuite() {
    for (const auto& motore : motori) {
        Licitazione* licitazione = motore->StrategiaLicitazione();
        GiocaCarta* giocaCarta = motore->StrategiaCarta();
        if (licitazione != nullptr) {
            licitazione->ValutaMano();
        }
        if (giocaCarta != nullptr) {
            giocaCarta->AzzeraBriscola();
        }
        // The card strategy plays as if the suit its bidding would name were trump.
        if (licitazione != nullptr && giocaCarta != nullptr) {
            giocaCarta->ImpostaBriscola(licitazione->ScegliBriscola());
        }
    }
}

std::string ManagerMotori::DescrizioniMotori() const {
    std::string testo;
    for (int k = 0; k < 5; ++k) {
        if (k > 0) {
            testo += "\r\n";
        }
        testo += DescrizioneMotore(k);
    }
    return testo;
}
