#include "ia/TestoNumero.h"

#include <array>
#include <charconv>

std::string NumeroFisso(double valore, int decimali) {
    // Wide enough for any double in fixed notation (about 310 integer digits).
    std::array<char, 400> testo;
    const auto [fine, errore] = std::to_chars(testo.data(), testo.data() + testo.size(), valore,
                                              std::chars_format::fixed, decimali);
    if (errore != std::errc{}) {
        return "?";
    }
    std::string risultato(testo.data(), fine);
    if (risultato.size() > 1 && risultato.front() == '-' &&
        risultato.find_first_not_of("0.", 1) == std::string::npos) {
        risultato.erase(0, 1);
    }
    return risultato;
}
