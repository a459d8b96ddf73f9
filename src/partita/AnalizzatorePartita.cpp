#include "partita/AnalizzatorePartita.h"

namespace {
bool PostoValido(int giocatore) {
    return giocatore >= 0 && giocatore <= 4;
}
} // namespace

Ruoli AnalizzatorePartita::RuoliVisti(int giocatore, const RegistroPartita& registro) {
    Ruoli ruoli;
    const int chiamante = registro.chiamante;
    if (PostoValido(chiamante)) {
        ruoli[chiamante] = kRuoloVistoChiamante;
    }
    const int socio = registro.Socio();
    if (giocatore != socio && registro.SocioPalese() < 0) {
        return ruoli;
    }
    ruoli.ruolo.fill(kRuoloVistoAvversario);
    if (PostoValido(socio)) {
        ruoli[socio] = kRuoloVistoSocio;
    }
    // A caller who holds the called card himself stays the caller.
    if (PostoValido(chiamante)) {
        ruoli[chiamante] = kRuoloVistoChiamante;
    }
    return ruoli;
}
