#include "motori/GiocatoriNotati.h"

#include "ia/GiocaCarta.h"
#include "ia/GiocaCartaEsperto.h"
#include "ia/GiocaCartaProbabilita.h"
#include "ia/GiocaCartaRegoleNuovo.h"
#include "motori/ManagerMotori.h"

namespace {

std::string Tipo(const Motore& motore) {
    const GiocaCarta* strategia = motore.StrategiaCarta();
    if (motore.Umano() || strategia == nullptr) {
        return "umano";
    }
    if (dynamic_cast<const GiocaCartaEsperto*>(strategia) != nullptr) {
        return "esperto";
    }
    if (dynamic_cast<const GiocaCartaProbabilita*>(strategia) != nullptr) {
        return "tattico";
    }
    if (dynamic_cast<const GiocaCartaRegoleNuovo*>(strategia) != nullptr) {
        return "standard";
    }
    return "casuale";
}

} // namespace

std::array<GiocatoreNotato, 5> GiocatoriDelTavolo(const ManagerMotori& manager,
                                                  const std::array<std::string, 5>& nomi) {
    std::array<GiocatoreNotato, 5> giocatori;
    for (int s = 0; s < 5; ++s) {
        const auto i = static_cast<std::size_t>(s);
        const Motore& motore = manager.MotoreDi(s);
        giocatori[i].tipo = Tipo(motore);
        giocatori[i].nome = !nomi[i].empty() ? nomi[i]
                            : motore.Umano() ? "Giocatore " + std::to_string(s + 1)
                                             : motore.Descrizione();
    }
    return giocatori;
}
