#include "partita/Chiamata.h"

#include "carte/Carta.h"

std::string Chiamata::Testo(const NomiCarte& nomi) const {
    Carta carta;
    if (Valore >= 0 && Valore <= 9) {
        carta.ImpostaValore(Valore);
    }
    if (Seme >= 0 && Seme <= 3) {
        carta.Seme = Seme;
    }
    std::string testo = carta.NomeLungo(nomi);
    if (Punti > 60) {
        testo += " al " + std::to_string(Punti);
    }
    return testo;
}
