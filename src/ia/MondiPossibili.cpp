#include "ia/MondiPossibili.h"

#include <algorithm>
#include <numeric>

#include "ia/PesiMondi.h"

namespace {

std::uint32_t Mescola(std::uint32_t h, std::uint32_t v) {
    h ^= v + 0x9e3779b9u + (h << 6) + (h >> 2);
    return h;
}

} // namespace

MondiPossibili::MondiPossibili(const RegistroPartita& registro, int giocatore)
    : registro(registro), giocatore(giocatore) {
    for (int c = 0; c < 40; ++c) {
        const int chi = registro.Distribuzione(c);
        if (registro.InMano(c) && chi != giocatore && chi >= 0) {
            nascoste.push_back(c);
            ++carteNascoste[static_cast<std::size_t>(chi)];
        }
    }
    for (int n = 0; n < registro.NumeroCarteGiocate(); ++n) {
        if (Coperta(n)) {
            coperte.push_back(n);
            nascoste.push_back(registro.CartaGiocata(n).Indice());
        }
    }
    std::sort(nascoste.begin(), nascoste.end());
}

// A card of the called rank in a face-down first trick still on the table, played by another.
bool MondiPossibili::Coperta(int n) const {
    if (registro.primaManoCoperta != 1 || registro.ManiComplete() != 0 ||
        n >= registro.CarteInTavola()) {
        return false;
    }
    int chi = -1;
    Carta carta;
    registro.CartaGiocata(n, chi, carta);
    return chi != giocatore && carta.ValoreGrezzo() == registro.chiamata.Valore;
}

std::uint32_t MondiPossibili::Impronta() const {
    std::uint32_t h = static_cast<std::uint32_t>(giocatore) + 1u;
    for (int c = 0; c < 40; ++c) {
        if (registro.InMano(c) && registro.Distribuzione(c) == giocatore) {
            h = Mescola(h, static_cast<std::uint32_t>(c));
        }
    }
    for (int n = 0; n < registro.NumeroCarteGiocate(); ++n) {
        const Carta carta = registro.CartaGiocata(n);
        h = Mescola(h, static_cast<std::uint32_t>(Coperta(n) ? 100 + carta.ValoreGrezzo()
                                                             : carta.Indice()));
    }
    for (int n = 0; n < registro.NumeroLicitazioni(); ++n) {
        int chi = -1;
        const Chiamata c = registro.LicitazioneN(n, chi);
        h = Mescola(h, static_cast<std::uint32_t>(c.Valore * 1000 + c.Punti * 10 + chi));
    }
    return Mescola(h, static_cast<std::uint32_t>(registro.briscola.SemeGrezzo()));
}

RegistroPartita MondiPossibili::Mondo(GeneratoreCasuale& generatore) const {
    // The cards in index order and the places in a fixed order (face-down places in order of
    // play, then the hands seat by seat), so that the draw depends on nothing the seat cannot
    // see.
    std::vector<int> carte = nascoste;
    std::vector<int> scelte;
    scelte.reserve(carte.size());
    const int valoreCoperto = registro.chiamata.Valore;
    for (std::size_t k = 0; k < coperte.size(); ++k) {
        std::vector<std::size_t> adatte;
        for (std::size_t i = 0; i < carte.size(); ++i) {
            if (carte[i] % 10 == valoreCoperto) {
                adatte.push_back(i);
            }
        }
        const std::size_t i =
            adatte[static_cast<std::size_t>(generatore.Casuale(static_cast<int>(adatte.size())))];
        scelte.push_back(carte[i]);
        carte.erase(carte.begin() + static_cast<std::ptrdiff_t>(i));
    }
    for (std::size_t i = carte.size(); i > 1; --i) {
        const auto j = static_cast<std::size_t>(generatore.Casuale(static_cast<int>(i)));
        std::swap(carte[i - 1], carte[j]);
    }
    scelte.insert(scelte.end(), carte.begin(), carte.end());

    // The true card in each place, in the same order.
    std::vector<int> posti;
    posti.reserve(scelte.size());
    for (const int n : coperte) {
        posti.push_back(registro.CartaGiocata(n).Indice());
    }
    for (int s = 0; s < 5; ++s) {
        for (int c = 0; c < 40; ++c) {
            if (s != giocatore && registro.InMano(c) && registro.Distribuzione(c) == s) {
                posti.push_back(c);
            }
        }
    }
    // Swapping brings each chosen card to its place; dove follows where each card now lies.
    RegistroPartita mondo = registro;
    std::array<int, 40> dove;
    std::iota(dove.begin(), dove.end(), 0);
    std::array<int, 40> chi;
    std::iota(chi.begin(), chi.end(), 0);
    for (std::size_t k = 0; k < posti.size(); ++k) {
        const int voluta = scelte[k];
        const int presente = chi[static_cast<std::size_t>(posti[k])];
        if (voluta == presente) {
            continue;
        }
        mondo.ScambiaCarte(presente, voluta);
        const int postoVoluta = dove[static_cast<std::size_t>(voluta)];
        chi[static_cast<std::size_t>(postoVoluta)] = presente;
        dove[static_cast<std::size_t>(presente)] = postoVoluta;
        chi[static_cast<std::size_t>(posti[k])] = voluta;
        dove[static_cast<std::size_t>(voluta)] = posti[k];
    }
    return mondo;
}

std::vector<RegistroPartita> MondiPossibili::Estrai(int quanti, int candidati,
                                                    GeneratoreCasuale& generatore,
                                                    SimulatorePartita& modello) const {
    candidati = std::max(candidati, quanti);
    std::vector<RegistroPartita> mondi;
    std::vector<double> pesi;
    mondi.reserve(static_cast<std::size_t>(candidati));
    pesi.reserve(static_cast<std::size_t>(candidati));
    PesiMondi pesatore(*this, modello);
    double totale = 0.0;
    for (int i = 0; i < candidati; ++i) {
        mondi.push_back(Mondo(generatore));
        pesi.push_back(pesatore.Peso(mondi.back()));
        totale += pesi.back();
    }
    // Systematic resampling: each world kept about in proportion to its weight.
    std::vector<RegistroPartita> scelti;
    scelti.reserve(static_cast<std::size_t>(quanti));
    const double passo = totale / quanti;
    double soglia = passo * (generatore.Casuale(1 << 20) + 0.5) / (1 << 20);
    double cumulato = 0.0;
    std::size_t i = 0;
    for (int k = 0; k < quanti; ++k) {
        while (i + 1 < mondi.size() && cumulato + pesi[i] < soglia) {
            cumulato += pesi[i];
            ++i;
        }
        scelti.push_back(mondi[i]);
        soglia += passo;
    }
    return scelti;
}
