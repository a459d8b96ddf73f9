#include "partita/StatoTavolo.h"

#include <string>

#include "comune/Errore.h"

StatoTavolo::StatoTavolo(std::uint32_t seme, int tipoGiocatori) : generatore(seme) {
    ImpostaTipoGiocatori(tipoGiocatori);
}

void StatoTavolo::ImpostaTipoGiocatori(int tipo) {
    if (tipo < 0 || tipo > 3) {
        throw Errore("Tipo di giocatori non valido: " + std::to_string(tipo));
    }
    tipoGiocatori = tipo;
}

StatoTavolo& TavoloDelGiocatore(StatoTavolo* tavolo, int giocatore) {
    if (tavolo == nullptr) {
        throw Errore("Il giocatore " + std::to_string(giocatore) + " non siede a nessun tavolo");
    }
    return *tavolo;
}
