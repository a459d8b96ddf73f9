#include "ia/PesoLicitazione.h"

#include <array>
#include <cstddef>

#include "ia/SimulatorePartita.h"
#include "partita/Chiamata.h"
#include "partita/RegistroPartita.h"

namespace {

constexpr double kPesoLicitazione = 0.1;
constexpr double kPesoPasso = 0.3;
constexpr double kPesoBriscola = 0.1;

// Strengths (strictly above) from which the standard bidder goes down to Tre, Re, ... Due.
constexpr std::array<int, 9> kSoglie = {70, 80, 90, 100, 110, 120, 130, 140, 150};

// The lowest rank the standard bidder of this strength would bid.
int LimiteValore(int forza) {
    int limite = kAsso;
    for (std::size_t i = 0; i < kSoglie.size(); ++i) {
        if (forza > kSoglie[i]) {
            limite = kTre - static_cast<int>(i);
        }
    }
    return limite;
}

} // namespace

double PesoLicitazione(const RegistroPartita& mondo, int giocatore) {
    double peso = 1.0;
    // The standard bidder goes down the ladder as far as its strength allows and never bids a
    // rank whose card of its best suit it holds.
    Chiamata corrente = ChiamataNulla;
    for (int n = 0; n < mondo.NumeroLicitazioni(); ++n) {
        int chi = -1;
        const Chiamata c = mondo.LicitazioneN(n, chi);
        if (chi != giocatore && chi >= 0) {
            int somma = 0;
            const int seme = SimulatorePartita::SemeMigliore(mondo, chi, &somma);
            const int forza = somma * 9 / 10;
            const int limite = LimiteValore(forza);
            const auto tiene = [&](int v) { return mondo.Distribuzione(seme * 10 + v) == chi; };
            if (c.Valore == kPasso) {
                const int da = corrente == ChiamataNulla ? 9 : corrente.Valore - 1;
                for (int v = da; v >= limite && v >= 0; --v) {
                    if (!tiene(v)) {
                        peso *= kPesoPasso;
                        break;
                    }
                }
            } else if (c.Punti > 60 ? forza <= 150 || tiene(kDue)
                                    : c.Valore < limite || tiene(c.Valore)) {
                peso *= kPesoLicitazione;
            }
        }
        if (c.Valore != kPasso) {
            corrente = c;
        }
    }
    const int chiamante = mondo.chiamante;
    if (chiamante != giocatore && chiamante >= 0 && mondo.briscola.Nominata() &&
        SimulatorePartita::SemeMigliore(mondo, chiamante) != mondo.briscola.SemeGrezzo()) {
        peso *= kPesoBriscola;
    }
    return peso;
}
