// The saved-table reader on any bytes. A refused file raises Errore and nothing else; an
// accepted one writes back to bytes that read again the same, and reopens as a table whose
// record is a consistent game.

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

#include "Controlla.h"
#include "comune/Errore.h"
#include "comune/Percorsi.h"
#include "partita/RegistroPartita.h"
#include "partita/StatoTavolo.h"
#include "partita/TipoStoriaPartite.h"
#include "rete/TavoloRete.h"
#include "rete/TavoloSalvato.h"

namespace {

QCoreApplication& Applicazione() {
    static int argc = 1;
    static char nome[] = "fuzz-tavolo-salvato";
    static char* argv[] = {nome, nullptr};
    static QCoreApplication applicazione(argc, argv);
    // The computer players' rules file, from the sources.
    ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
    return applicazione;
}

class UscitaMuta final : public UscitaTavoli {
public:
    void InviaA(std::uint64_t, const QString&) override {}
    void Congeda(std::uint64_t, const QString&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    Applicazione();
    const QByteArray byte(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(dimensione));
    TavoloSalvato salvato;
    try {
        salvato = LeggiTavoloSalvato(byte);
    } catch (const Errore&) {
        return 0;
    }
    const QByteArray scritto = ScriviTavoloSalvato(salvato);
    CONTROLLA(ScriviTavoloSalvato(LeggiTavoloSalvato(scritto)) == scritto);

    UscitaMuta uscita;
    OpzioniSala opzioni;
    TavoloRete tavolo(salvato, opzioni, uscita);
    const RegistroPartita& registro = tavolo.Gioco().Stato().registro;
    int inMano = 0;
    for (int c = 0; c < 40; ++c) {
        inMano += registro.InMano(c) ? 1 : 0;
    }
    CONTROLLA(inMano + registro.NumeroCarteGiocate() == 40 ||
              !(salvato.iniziata && salvato.partitaInCorso));
    // The series comes back as read (its bytes as the history writes them again).
    TipoStoriaPartite storia;
    CONTROLLA(storia.CaricaDaByte(salvato.storia));
    CONTROLLA(tavolo.Salvataggio().storia == storia.SalvaInByte());
    return 0;
}
