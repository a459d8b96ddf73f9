#include "ia/OsservatoreTattica.h"

#include <array>

std::string TestoRuoli(const Ruoli& ruoli) {
    static constexpr std::array<const char*, 4> kParole = {"Chiamante ", "Avversario ", "Socio ",
                                                           "Neutro "};
    std::string testo;
    for (int g = 0; g < 5; ++g) {
        const std::size_t ruolo = ruoli[g];
        testo += ruolo < kParole.size() ? kParole[ruolo] : "";
    }
    return testo;
}
