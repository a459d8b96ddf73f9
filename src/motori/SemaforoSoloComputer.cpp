#include "motori/SemaforoSoloComputer.h"

#include "comune/Errore.h"
#include "motori/MM_SoloComputer1.h"
#include "motori/MM_SoloComputer2.h"
#include "motori/MM_SoloComputer3.h"

namespace {

std::unique_ptr<ManagerMotori> CreaManager(FinestraGioco* finestra, int tipo,
                                           const OpzioniTavolo& opzioni) {
    switch (tipo) {
    case 1:
        return std::make_unique<MM_SoloComputer1>(finestra, opzioni);
    case 2:
        return std::make_unique<MM_SoloComputer2>(finestra, opzioni);
    case 3:
        return std::make_unique<MM_SoloComputer3>(finestra, opzioni);
    default:
        throw Errore("Tipo di giocatori non valido: " + std::to_string(tipo));
    }
}

} // namespace

SemaforoSoloComputer::SemaforoSoloComputer(FinestraGioco* finestra, int tipo,
                                           const OpzioniTavolo& opzioni)
    : Semaforo(CreaManager(finestra, tipo, opzioni), true) {}
