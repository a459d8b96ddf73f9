// The saved-series reader on any bytes. A refused file leaves the history as it was; an
// accepted one writes back to bytes that read again to the same history and write again the
// same bytes; and any accepted series can be played on for a few games.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "Controlla.h"
#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/ManagerMotoriOutputGrafico.h"
#include "motori/MotoreACaso.h"
#include "motori/Semaforo.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"
#include "partita/TipoStoriaPartite.h"

namespace {

// Random-card players' games after those of storia; the history they leave.
TipoStoriaPartite GiocaPartite(const TipoStoriaPartite& iniziale, int partite, std::uint32_t seme,
                               bool soloComputer) {
    StatoTavolo tavolo(seme, soloComputer ? 1 : 0);
    tavolo.storia = iniziale;
    FinestraSilenziosa finestra;
    finestra.ImpostaGeneratore(&tavolo.generatore);
    MotoriTavolo motori;
    for (int s = 0; s < 5; ++s) {
        motori[static_cast<std::size_t>(s)] = std::make_unique<MotoreACaso>(s);
    }
    Semaforo semaforo(std::make_unique<ManagerMotoriOutputGrafico>(tavolo, &finestra,
                                                                   std::move(motori), "/dev/null"),
                      soloComputer);
    TipoStoriaPartite& storia = tavolo.storia;
    const long long fine = static_cast<long long>(storia.numeroPartite) + partite;
    semaforo.NuovaPartita();
    for (int passi = 0; storia.numeroPartite < fine && passi < 10000; ++passi) {
        const bool piena = storia.Piena();
        const TipoStoriaPartite prima = storia;
        try {
            semaforo.Passo();
        } catch (const Errore&) {
            // Only a full series may refuse a game, and it stays as it was.
            CONTROLLA(piena);
            CONTROLLA(storia == prima);
            return storia;
        }
        if (!semaforo.InCorso() && !soloComputer) {
            semaforo.NuovaPartita();
        }
    }
    // Every game was counted, or the series reached its limit on the way.
    CONTROLLA(storia.numeroPartite == fine || storia.Piena());
    return storia;
}

const TipoStoriaPartite& Precedente() {
    static const TipoStoriaPartite precedente = GiocaPartite(TipoStoriaPartite(), 3, 7, true);
    return precedente;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), dimensione);
    TipoStoriaPartite storia = Precedente();
    std::string motivo;
    if (!storia.CaricaDaByte(byte, &motivo)) {
        CONTROLLA(!motivo.empty());
        CONTROLLA(storia == Precedente());
        for (int g = 0; g < TipoStoriaPartite::kPartiteTenute; ++g) {
            CONTROLLA(storia.Partita(g) == Precedente().Partita(g));
        }
        return 0;
    }
    const std::string salvata = storia.SalvaInByte();
    TipoStoriaPartite riletta;
    CONTROLLA(riletta.CaricaDaByte(salvata));
    CONTROLLA(riletta == storia);
    CONTROLLA(riletta.SalvaInByte() == salvata);

    GiocaPartite(storia, 2, static_cast<std::uint32_t>(dimensione), dimensione % 2 == 1);
    return 0;
}
