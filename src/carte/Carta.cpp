#include "carte/Carta.h"

#include "carte/NomiCarte.h"

std::string Carta::NomeLungo() const {
    std::string nome;
    if (Definita()) {
        nome = NomeValore(kIndiceFaccia[static_cast<std::size_t>(valore)], false);
    }
    if (Seme >= 0 && Seme <= 3) {
        nome += " di ";
        nome += NomeSeme(Seme, false);
    }
    return nome;
}

std::string Carta::NomeBreve() const {
    std::string nome;
    if (Definita()) {
        nome = NomeValore(kIndiceFaccia[static_cast<std::size_t>(valore)], true);
    }
    nome += NomeSeme(Seme, true);
    return nome;
}
