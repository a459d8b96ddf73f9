#include "motori/CreaMotori.h"

#include "motori/MotoreACaso.h"
#include "motori/MotoreEsperto.h"
#include "motori/MotoreFinestra.h"
#include "motori/MotoreOK.h"
#include "motori/MotoreProbabilita.h"

namespace {

std::unique_ptr<Motore> CreaMotore(TipoMotore tipo, int giocatore, FinestraGioco* finestra,
                                   const OpzioniTavolo& opzioni) {
    if (opzioni.casuale[static_cast<std::size_t>(giocatore)]) {
        return std::make_unique<MotoreACaso>(giocatore);
    }
    if (opzioni.esperto[static_cast<std::size_t>(giocatore)]) {
        return std::make_unique<MotoreEsperto>(giocatore, opzioni.budgetEsperto,
                                               opzioni.fileRegole);
    }
    if (giocatore == 4 && !opzioni.fileSfidante.empty()) {
        return std::make_unique<MotoreOK>(giocatore, opzioni.fileSfidante);
    }
    switch (tipo) {
    case TipoMotore::OK:
        return std::make_unique<MotoreOK>(giocatore, opzioni.fileRegole);
    case TipoMotore::Probabilita:
        return std::make_unique<MotoreProbabilita>(giocatore);
    case TipoMotore::Finestra:
        return std::make_unique<MotoreFinestra>(giocatore, finestra);
    }
    return nullptr;
}

} // namespace

MotoriTavolo CreaMotori(const std::array<TipoMotore, 5>& tipi, FinestraGioco* finestra,
                        const OpzioniTavolo& opzioni) {
    MotoriTavolo motori;
    for (int s = 4; s >= 0; --s) {
        const auto i = static_cast<std::size_t>(s);
        motori[i] = CreaMotore(tipi[i], s, finestra, opzioni);
    }
    return motori;
}
