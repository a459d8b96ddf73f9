#include "carte/InsiemeCarte.h"

#include <algorithm>

void InsiemeCarte::Svuota() {
    indici.fill(0);
    Numero = 0;
}

InsiemeCarte& InsiemeCarte::operator+=(const Carta& carta) {
    if (carta == CartaIndefinita) {
        return *this;
    }
    const int indice = carta.Indice();
    // A card without a real suit has no place among the 40 indices.
    if (indice < 0 || indice > 39) {
        throw Errore("Carta Indefinita");
    }
    if (!ContieneIndice(indice) && Numero < 40) {
        indici[static_cast<std::size_t>(Numero++)] = indice;
    }
    return *this;
}

InsiemeCarte& InsiemeCarte::operator+=(const InsiemeCarte& altro) {
    for (int i = 0; i < altro.Numero; ++i) {
        *this += altro.Prima(i);
    }
    return *this;
}

InsiemeCarte& InsiemeCarte::operator-=(const Carta& carta) {
    if (carta == CartaIndefinita) {
        return *this;
    }
    const int indice = carta.Indice();
    const auto fine = indici.begin() + Numero;
    const auto trovato = std::find(indici.begin(), fine, indice);
    if (trovato != fine) {
        std::copy(trovato + 1, fine, trovato);
        --Numero;
    }
    return *this;
}

InsiemeCarte& InsiemeCarte::operator-=(const InsiemeCarte& altro) {
    std::array<bool, 40> presenti{};
    for (int i = 0; i < Numero; ++i) {
        presenti[static_cast<std::size_t>(indici[static_cast<std::size_t>(i)])] = true;
    }
    for (int i = 0; i < altro.Numero; ++i) {
        presenti[static_cast<std::size_t>(altro.indici[static_cast<std::size_t>(i)])] = false;
    }
    RicostruisciDa(presenti);
    return *this;
}

void InsiemeCarte::Complemento() {
    std::array<bool, 40> presenti;
    presenti.fill(true);
    for (int i = 0; i < Numero; ++i) {
        presenti[static_cast<std::size_t>(indici[static_cast<std::size_t>(i)])] = false;
    }
    RicostruisciDa(presenti);
}

bool InsiemeCarte::Contiene(const Carta& carta) const {
    if (Numero == 0) {
        return false;
    }
    return ContieneIndice(carta.Indice());
}

bool InsiemeCarte::ContieneIndice(int indice) const {
    return std::find(indici.begin(), indici.begin() + Numero, indice) != indici.begin() + Numero;
}

Carta InsiemeCarte::Prima(int i) const {
    if (i < 0 || i >= Numero) {
        return CartaIndefinita;
    }
    return Carta::DaIndice(indici[static_cast<std::size_t>(i)]);
}

void InsiemeCarte::RicostruisciDa(const std::array<bool, 40>& presenti) {
    Svuota();
    for (int indice = 0; indice < 40; ++indice) {
        if (presenti[static_cast<std::size_t>(indice)]) {
            indici[static_cast<std::size_t>(Numero++)] = indice;
        }
    }
}
