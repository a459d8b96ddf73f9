#include "motori/MotoreEsperto.h"

#include "comune/Casuale.h"
#include "ia/GiocaCartaEsperto.h"
#include "ia/LicitazioneEsperto.h"

MotoreEsperto::MotoreEsperto(int giocatore, int budget, const std::string& fileRegole,
                             GeneratoreCasuale& generatore, const std::array<bool, 5>& tattici,
                             const std::array<bool, 5>& esperti)
    : Motore(giocatore) {
    auto esperto =
        std::make_unique<GiocaCartaEsperto>(giocatore, fileRegole, budget, generatore.Numero());
    esperto->ImpostaTattici(tattici);
    licitazione = std::make_unique<LicitazioneEsperto>(giocatore, budget, esperto->Seme(),
                                                       esperto->Simulatore(), generatore, esperti);
    giocaCarta = std::move(esperto);
}
