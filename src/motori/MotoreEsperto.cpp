#include "motori/MotoreEsperto.h"

#include "comune/Casuale.h"
#include "ia/GiocaCartaEsperto.h"

MotoreEsperto::MotoreEsperto(int giocatore, int budget, const std::string& fileRegole,
                             const std::array<bool, 5>& tattici)
    : Motore(giocatore) {
    licitazione = std::make_unique<LicitazioneAPunti>(giocatore, kAggiuntaForza);
    auto esperto = std::make_unique<GiocaCartaEsperto>(giocatore, fileRegole, budget,
                                                       GeneratoreProcesso().Numero());
    esperto->ImpostaTattici(tattici);
    giocaCarta = std::move(esperto);
}
