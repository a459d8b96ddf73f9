#include "carte/CodiceCarta.h"

#include <array>

namespace {

// Ranks by face (Asso, Due, ..., Re), as kIndiceFaccia orders them.
constexpr std::array<char, 10> kLettereFaccia = {'A', '2', '3', '4', '5', '6', '7', 'F', 'C', 'R'};
constexpr std::array<char, 4> kLettereSemi = {'C', 'Q', 'F', 'P'};

std::string Troncato(std::string_view testo) {
    // A hostile code may be long or hold anything: the message quotes a short, printable part.
    std::string esito;
    for (char c : testo.substr(0, 8)) {
        esito += (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f)
                     ? c
                     : '?';
    }
    return testo.size() > 8 ? esito + "..." : esito;
}

} // namespace

std::string CodiceCarta(const Carta& carta) {
    const int valore = carta.Valore();
    if (carta.Seme < 0 || carta.Seme > 3) {
        throw Errore("Carta Indefinita");
    }
    return {
        kLettereFaccia[static_cast<std::size_t>(kIndiceFaccia[static_cast<std::size_t>(valore)])],
        kLettereSemi[static_cast<std::size_t>(carta.Seme)]};
}

Carta CartaDaCodice(std::string_view codice) {
    if (codice.size() == 2) {
        for (int valore = 0; valore < 10; ++valore) {
            if (kLettereFaccia[static_cast<std::size_t>(
                    kIndiceFaccia[static_cast<std::size_t>(valore)])] != codice[0]) {
                continue;
            }
            for (int seme = 0; seme < 4; ++seme) {
                if (kLettereSemi[static_cast<std::size_t>(seme)] == codice[1]) {
                    return Carta(valore, seme);
                }
            }
        }
    }
    throw Errore("Codice di carta sconosciuto: " + Troncato(codice));
}

std::string CodiceSeme(int seme) {
    if (seme < 0 || seme > 3) {
        throw Errore("Seme Errato");
    }
    return std::string(1, kLettereSemi[static_cast<std::size_t>(seme)]);
}

int SemeDaCodice(std::string_view codice) {
    for (int seme = 0; seme < 4; ++seme) {
        if (codice.size() == 1 && codice[0] == kLettereSemi[static_cast<std::size_t>(seme)]) {
            return seme;
        }
    }
    throw Errore("Codice di seme sconosciuto: " + Troncato(codice));
}
