#include "carte/Carta.h"

std::string Carta::NomeLungo(const NomiCarte& nomi) const {
    std::string nome;
    if (Definita()) {
        nome = nomi.Valore(kIndiceFaccia[static_cast<std::size_t>(valore)], false);
    }
    if (Seme >= 0 && Seme <= 3) {
        nome += " di ";
        nome += nomi.Seme(Seme, false);
    }
    return nome;
}

std::string Carta::NomeBreve(const NomiCarte& nomi) const {
    std::string nome;
    if (Definita()) {
        nome = nomi.Valore(kIndiceFaccia[static_cast<std::size_t>(valore)], true);
    }
    nome += nomi.Seme(Seme, true);
    return nome;
}
