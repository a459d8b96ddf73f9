#include "motori/Tavolo.h"

#include "comune/Errore.h"
#include "ia/GiocaCartaProbabilita.h"
#include "motori/MotoreFinestra.h"
#include "motori/Semaforo1Giocatore.h"
#include "motori/SemaforoSoloComputer.h"

Tavolo::Tavolo(int tipoGiocatori, std::uint32_t seme, FinestraGioco* finestra,
               const OpzioniTavolo& opzioni)
    : stato(std::make_unique<StatoTavolo>(seme, tipoGiocatori)), finestra(finestra) {
    generatoreAiGiocatori = stato->generatore;
    semaforo = CreaSemaforo(opzioni);
}

Tavolo::~Tavolo() = default;

std::unique_ptr<Semaforo> Tavolo::CreaSemaforo(const OpzioniTavolo& opzioni) {
    if (stato->TipoGiocatori() == 0) {
        return std::make_unique<Semaforo1Giocatore>(*stato, finestra, opzioni);
    }
    return std::make_unique<SemaforoSoloComputer>(*stato, finestra, stato->TipoGiocatori(),
                                                  opzioni);
}

void Tavolo::CambiaGiocatori(const OpzioniTavolo& opzioni) {
    const GeneratoreCasuale prima = stato->generatore;
    std::unique_ptr<Semaforo> nuovo = CreaSemaforo(opzioni);
    generatoreAiGiocatori = prima;
    nuovo->ImpostaManoAlBuio(semaforo->ManoAlBuio());
    nuovo->ImpostaPuntiMonte(semaforo->PuntiMonte());
    semaforo = std::move(nuovo);
}

void Tavolo::AffidaAPersona(int giocatore, CasellaPersona& casella) {
    Manager().CambiaMotore(std::make_unique<MotoreFinestra>(giocatore, &casella));
}

void Tavolo::AffidaAlComputer(int giocatore, TipoMotore tipo, const OpzioniTavolo& opzioni) {
    Manager().MotoreDi(giocatore);
    if (tipo == TipoMotore::Finestra) {
        throw Errore("Un posto affidato al computer non può essere della finestra");
    }
    // The other seats as they are held now, so that an expert models each as it plays.
    std::array<TipoMotore, 5> tipi{};
    for (int s = 0; s < 5; ++s) {
        const Motore& motore = Manager().MotoreDi(s);
        tipi[static_cast<std::size_t>(s)] =
            motore.Umano() ? TipoMotore::Finestra
            : dynamic_cast<const GiocaCartaProbabilita*>(motore.StrategiaCarta()) != nullptr
                ? TipoMotore::Probabilita
                : TipoMotore::OK;
    }
    tipi[static_cast<std::size_t>(giocatore)] = tipo;
    // An expert draws its seed as it is built and keeps the table's generator for its points
    // bids: the seed is the table's next number, but the table's sequence stays where it was.
    const GeneratoreTavolo prima = stato->generatore;
    std::unique_ptr<Motore> nuovo =
        CreaMotore(tipi, giocatore, finestra, opzioni, stato->generatore);
    stato->generatore = prima;
    Manager().CambiaMotore(std::move(nuovo));
}
