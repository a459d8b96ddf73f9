#include "ia/RisposteModello.h"

namespace {

constexpr std::size_t kPostiIniziali = 1024;

std::size_t Hash(const DomandaModello& d) {
    std::uint64_t h = d.mano * 0x9e3779b97f4a7c15ull;
    h ^= (static_cast<std::uint64_t>(d.coperte) << 16 | static_cast<std::uint64_t>(d.giocate) << 4 |
          static_cast<std::uint64_t>(d.chi) << 1 | (d.tattico ? 1u : 0u)) *
         0xc2b2ae3d27d4eb4full;
    return static_cast<std::size_t>(h ^ (h >> 29));
}

} // namespace

RisposteModello::RisposteModello() : risposte(kPostiIniziali) {}

std::size_t RisposteModello::Posto(const DomandaModello& domanda) const {
    std::size_t i = Hash(domanda) & (risposte.size() - 1);
    while (risposte[i].usata && !(risposte[i].domanda == domanda)) {
        i = (i + 1) & (risposte.size() - 1);
    }
    return i;
}

void RisposteModello::Ricorda(std::size_t posto, const DomandaModello& domanda, Carta carta) {
    if (2 * (numero + 1) > risposte.size()) {
        std::vector<Voce> vecchie(risposte.size() * 2);
        vecchie.swap(risposte);
        for (const Voce& v : vecchie) {
            if (v.usata) {
                risposte[Posto(v.domanda)] = v;
            }
        }
        posto = Posto(domanda);
    }
    risposte[posto] = {domanda, carta, true};
    ++numero;
}
