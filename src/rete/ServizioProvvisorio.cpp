#include "rete/ServizioTavoli.h"

namespace {

// Sends every message back to its connection, until the tables' service takes its place.
class ServizioEco final : public ServizioTavoli {
public:
    using ServizioTavoli::ServizioTavoli;
    void Apri(IdConnessione, const QString&, const QString&) override {}
    void Ricevi(IdConnessione connessione, const QString& testo) override {
        emit Invia(connessione, testo);
    }
    void Chiudi(IdConnessione) override {}
    void Arresta() override {}
};

} // namespace

std::unique_ptr<ServizioTavoli> CreaServizioTavoli(const OpzioniSala&, QObject* padre) {
    return std::make_unique<ServizioEco>(padre);
}
