#include "motori/CreaMotori.h"

#include "comune/Casuale.h"
#include "motori/MotoreACaso.h"
#include "motori/MotoreEsperto.h"
#include "motori/MotoreFinestra.h"
#include "motori/MotoreOK.h"
#include "motori/MotoreProbabilita.h"

namespace {

// The seat gets a tactical player: its kind, unless the options seat another one there.
bool Tattico(TipoMotore tipo, int giocatore, const OpzioniTavolo& opzioni) {
    const auto i = static_cast<std::size_t>(giocatore);
    return tipo == TipoMotore::Probabilita && !opzioni.casuale[i] && !opzioni.esperto[i] &&
           !(giocatore == 4 && !opzioni.fileSfidante.empty());
}

} // namespace

std::unique_ptr<Motore> CreaMotore(const std::array<TipoMotore, 5>& tipi, int giocatore,
                                   FinestraGioco* finestra, const OpzioniTavolo& opzioni,
                                   GeneratoreCasuale& generatore) {
    const TipoMotore tipo = tipi[static_cast<std::size_t>(giocatore)];
    if (opzioni.casuale[static_cast<std::size_t>(giocatore)]) {
        return std::make_unique<MotoreACaso>(giocatore);
    }
    if (opzioni.esperto[static_cast<std::size_t>(giocatore)]) {
        std::array<bool, 5> tattici{};
        std::array<bool, 5> esperti{};
        for (int s = 0; s < 5; ++s) {
            const auto j = static_cast<std::size_t>(s);
            tattici[j] = Tattico(tipi[j], s, opzioni);
            esperti[j] = opzioni.esperto[j] && !opzioni.casuale[j];
        }
        return std::make_unique<MotoreEsperto>(giocatore, opzioni.budgetEsperto, opzioni.fileRegole,
                                               generatore, tattici, esperti);
    }
    if (giocatore == 4 && !opzioni.fileSfidante.empty()) {
        return std::make_unique<MotoreOK>(giocatore, opzioni.fileSfidante);
    }
    switch (tipo) {
    case TipoMotore::OK:
        if (opzioni.regoleLette != nullptr) {
            return std::make_unique<MotoreOK>(giocatore, *opzioni.regoleLette);
        }
        return std::make_unique<MotoreOK>(giocatore, opzioni.fileRegole);
    case TipoMotore::Probabilita:
        return std::make_unique<MotoreProbabilita>(giocatore);
    case TipoMotore::Finestra:
        return std::make_unique<MotoreFinestra>(giocatore, finestra);
    }
    return nullptr;
}

MotoriTavolo CreaMotori(const std::array<TipoMotore, 5>& tipi, FinestraGioco* finestra,
                        const OpzioniTavolo& opzioni, GeneratoreCasuale& generatore) {
    MotoriTavolo motori;
    for (int s = 4; s >= 0; --s) {
        const auto i = static_cast<std::size_t>(s);
        motori[i] = CreaMotore(tipi, s, finestra, opzioni, generatore);
    }
    return motori;
}
