#pragma once

#include <variant>

#include "motori/CasellaPersona.h"

// The mailbox of a seat held by a person at a network table: the table puts there the
// decision a message brought (already checked against the game), the seat's engine takes it
// at its next request. A request that finds nothing is remembered: the table then knows it
// waits for this seat, and for which kind of decision.
class CasellaRete final : public CasellaPersona {
public:
    enum class Attesa { Nessuna, Chiamata, Briscola, Carta };

    Carta RichiediCarta() override { return Prendi<Carta>(CartaIndefinita, Attesa::Carta); }
    Chiamata RichiediChiamata() override {
        return Prendi<Chiamata>(ChiamataNulla, Attesa::Chiamata);
    }
    Briscola RichiediBriscola() override {
        return Prendi<Briscola>(BriscolaIndefinita, Attesa::Briscola);
    }

    template <typename Decisione>
    void Metti(const Decisione& decisione) {
        scelta = decisione;
    }
    void Svuota() { scelta = std::monostate{}; }
    bool Piena() const { return !std::holds_alternative<std::monostate>(scelta); }
    // The kind of decision last asked for and not found; cleared by AzzeraAttesa.
    Attesa Richiesta() const { return richiesta; }
    void AzzeraAttesa() { richiesta = Attesa::Nessuna; }

private:
    std::variant<std::monostate, Chiamata, Briscola, Carta> scelta;
    Attesa richiesta = Attesa::Nessuna;

    template <typename Decisione>
    Decisione Prendi(const Decisione& nessuna, Attesa tipo) {
        if (const auto* trovata = std::get_if<Decisione>(&scelta)) {
            const Decisione decisione = *trovata;
            scelta = std::monostate{};
            return decisione;
        }
        richiesta = tipo;
        return nessuna;
    }
};

// The protocol's name of a kind of decision ("chiamata", "briscola", "carta").
inline const char* NomeAttesa(CasellaRete::Attesa attesa) {
    switch (attesa) {
    case CasellaRete::Attesa::Chiamata:
        return "chiamata";
    case CasellaRete::Attesa::Briscola:
        return "briscola";
    case CasellaRete::Attesa::Carta:
        return "carta";
    case CasellaRete::Attesa::Nessuna:
        break;
    }
    return "";
}
