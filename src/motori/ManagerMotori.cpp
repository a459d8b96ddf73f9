#include "motori/ManagerMotori.h"

#include "comune/Errore.h"

ManagerMotori::ManagerMotori(StatoTavolo& tavolo, MotoriTavolo motoriDati)
    : tavolo(&tavolo), motori(std::move(motoriDati)) {
    for (int k = 0; k < 5; ++k) {
        const auto& motore = motori[static_cast<std::size_t>(k)];
        if (!motore || motore->Giocatore() != k) {
            throw Errore("Giocatore " + std::to_string(k) + "/4 - Identificativo errato");
        }
    }
    for (const auto& motore : motori) {
        motore->Siedi(tavolo);
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
        PreparaMotore(*motore);
    }
}

void ManagerMotori::PreparaMotore(Motore& motore) {
    Licitazione* licitazione = motore.StrategiaLicitazione();
    GiocaCarta* giocaCarta = motore.StrategiaCarta();
    if (licitazione != nullptr) {
        licitazione->ValutaMano();
    }
    if (giocaCarta != nullptr) {
        giocaCarta->AzzeraBriscola();
    }
    if (licitazione != nullptr && giocaCarta != nullptr) {
        giocaCarta->ImpostaBriscola(licitazione->ScegliBriscola());
    }
}

std::unique_ptr<Motore> ManagerMotori::CambiaMotore(std::unique_ptr<Motore> nuovo) {
    if (!nuovo) {
        throw Errore("Manca il giocatore da mettere al tavolo");
    }
    const int giocatore = nuovo->Giocatore();
    nuovo->Siedi(*tavolo);
    PreparaMotore(*nuovo);
    std::swap(motori[static_cast<std::size_t>(giocatore)], nuovo);
    return nuovo;
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
