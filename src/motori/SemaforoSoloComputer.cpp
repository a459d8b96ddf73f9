#include "motori/SemaforoSoloComputer.h"

#include "comune/Errore.h"
#include "motori/MM_SoloComputer1.h"
#include "motori/MM_SoloComputer2.h"
#include "motori/MM_SoloComputer3.h"

namespace {

std::unique_ptr<ManagerMotori> CreaManager(StatoTavolo& tavolo, FinestraGioco* finestra, int tipo,
                                           const OpzioniTavolo& opzioni) {
    switch (tipo) {
    case 1:
        return std::make_unique<MM_SoloComputer1>(tavolo, finestra, opzioni);
    case 2:
        return std::make_unique<MM_SoloComputer2>(tavolo, finestra, opzioni);
    case 3:
        return std::make_unique<MM_SoloComputer3>(tavolo, finestra, opzioni);
    default:
        throw Errore("Tipo di giocatori non valido: " + std::to_string(tipo));
    }
}

} // namespace

SemaforoSoloComputer::SemaforoSoloComputer(StatoTavolo& tavolo, FinestraGioco* finestra, int tipo,
                                           const OpzioniTavolo& opzioni)
    : Semaforo(CreaManager(tavolo, finestra, tipo, opzioni), true) {}
