#include "partita/TipoGiocatori.h"

#include "comune/Errore.h"

namespace {
int tipoGiocatori = 0;
}

int TipoGiocatori() {
    return tipoGiocatori;
}

void ImpostaTipoGiocatori(int tipo) {
    if (tipo < 0 || tipo > 3) {
        throw Errore("Tipo di giocatori non valido: " + std::to_string(tipo));
    }
    tipoGiocatori = tipo;
}
