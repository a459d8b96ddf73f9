#include "motori/MotoreEsperto.h"

#include "comune/Casuale.h"
#include "ia/GiocaCartaEsperto.h"

MotoreEsperto::MotoreEsperto(int giocatore, int budget, const std::string& fileRegole)
    : Motore(giocatore) {
    licitazione = std::make_unique<LicitazioneAPunti>(giocatore, kAggiuntaForza);
    giocaCarta = std::make_unique<GiocaCartaEsperto>(giocatore, fileRegole, budget,
                                                     GeneratoreProcesso().Numero());
}
