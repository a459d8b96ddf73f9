#include "ia/IntelligenzaArtificiale.h"

#include <bit>
#include <cmath>

#include "comune/Casuale.h"
#include "comune/Errore.h"

namespace {

// Keeps 2 x amplitude within the range of Casuale.
constexpr double kRumoreMassimo = 1.0e9;

} // namespace

IntelligenzaArtificiale::IntelligenzaArtificiale() {
    ImpostaRumore(0.0);
}

IntelligenzaArtificiale::~IntelligenzaArtificiale() = default;

Predicato& IntelligenzaArtificiale::NuovoPredicato(const std::string& nome) {
    modificata = true;
    Predicato& predicato = *predicati.emplace_back(std::make_unique<Predicato>(nome));
    if (predicati.size() > 64) {
        mascheraValida = false;
    } else {
        predicato.mascheraValida = &mascheraValida;
    }
    return predicato;
}

_Regola& IntelligenzaArtificiale::NuovaRegola(double peso, const std::string& nome) {
    return Aggiungi(std::make_unique<_Regola>(peso, nome));
}

_Regola& IntelligenzaArtificiale::NuovaRegola(Predicato& bersaglio, const std::string& nome) {
    return Aggiungi(std::make_unique<_Regola>(bersaglio, nome));
}

_Regola& IntelligenzaArtificiale::Aggiungi(std::unique_ptr<_Regola> regola) {
    regola->modificata = &modificata;
    modificata = true;
    return *regole.emplace_back(std::move(regola));
}

Predicato& IntelligenzaArtificiale::CercaPredicato(std::string_view nome) const {
    for (const auto& predicato : predicati) {
        if (predicato->Nome() == nome) {
            return *predicato;
        }
    }
    throw Errore("Predicato " + std::string(nome) + " Inesistente");
}

void IntelligenzaArtificiale::AzzeraPredicati() {
    for (const auto& predicato : predicati) {
        predicato->ImpostaProbabilita(0.0);
    }
}

void IntelligenzaArtificiale::ImpostaMaschera(std::uint64_t veri) {
    if (predicati.size() > 64) {
        for (std::size_t i = 0; i < predicati.size(); ++i) {
            predicati[i]->ImpostaVero(i < 64 && ((veri >> i) & 1) != 0);
        }
        return;
    }
    if (predicati.size() < 64) {
        veri &= (std::uint64_t{1} << predicati.size()) - 1;
    }
    // Only the truths that change need writing while the bits are known.
    std::uint64_t daScrivere = veri ^ maschera;
    if (!mascheraValida) {
        daScrivere =
            predicati.size() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << predicati.size()) - 1;
    }
    for (; daScrivere != 0; daScrivere &= daScrivere - 1) {
        const auto i = static_cast<std::size_t>(std::countr_zero(daScrivere));
        predicati[i]->probabilita = static_cast<double>((veri >> i) & 1);
    }
    maschera = veri;
    mascheraValida = true;
}

void IntelligenzaArtificiale::ImpostaRumore(double ampiezza) {
    const double decimillesimi = std::trunc(ampiezza * 10000.0);
    if (std::isnan(decimillesimi)) {
        rumore = 0;
    } else {
        rumore = static_cast<std::int32_t>(
            std::fmax(-kRumoreMassimo, std::fmin(kRumoreMassimo, decimillesimi)));
    }
}

double IntelligenzaArtificiale::Valuta() {
    if (modificata) {
        compatte.Ricostruisci(predicati, regole);
        modificata = false;
    }
    const double somma = mascheraValida ? compatte.SommaBinaria(maschera) : compatte.Somma();
    const int k = rumore;
    if (k > 0 && generatore == nullptr) {
        throw Errore("Manca il generatore del rumore delle regole");
    }
    const int r = k > 0 ? generatore->Casuale(2 * k) : 0;
    return somma * (10000 + r - k) * 0.0001;
}
