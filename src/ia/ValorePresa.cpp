#include "ia/ValorePresa.h"

#include <cmath>

namespace {

std::size_t I(int i) {
    return static_cast<std::size_t>(i);
}

bool PostoValido(int giocatore) {
    return giocatore >= 0 && giocatore <= 4;
}

// x^y with 0^0 = 0.
double Potenza0(double x, double y) {
    return x == 0.0 && y == 0.0 ? 0.0 : std::pow(x, y);
}

// x^y with 0^0 = 1.
double Potenza1(double x, double y) {
    return std::pow(x, y);
}

} // namespace

ValorePresa::ValorePresa(const SituazioneTattica& situazione, const Coefficienti& coefficienti)
    : s(situazione), coeff(coefficienti) {
    // The side weights are the chance that seat j is on the deciding seat's side. Once the
    // partner is believed known the sides are certain. While he is hidden, the caller knows
    // that each other seat is his partner one time in four; any other seat knows the caller
    // is against it and takes each remaining seat for an ally about three times in four
    // (two of the three are, unless the caller called his own card). The player thus helps
    // the side it believes it is on, and its doubt shows in the weight.
    const bool socioNoto = PostoValido(s.socio);
    const auto latoChiamante = [&](int g) { return g == s.chiamante || g == s.socio; };
    for (int j = 0; j < 5; ++j) {
        double peso = 0.0;
        if (j == s.io) {
            peso = 1.0;
        } else if (socioNoto) {
            peso = latoChiamante(j) == latoChiamante(s.io) ? 1.0 : 0.0;
        } else if (s.io == s.chiamante) {
            peso = 0.25;
        } else {
            peso = j == s.chiamante ? 0.0 : 0.75;
        }
        pesoLato[I(j)] = peso;
    }
    for (int t = 0; t < 4; ++t) {
        scontoPosizione[I(t)] = Potenza1(coeff.PS, t);
    }
    scontoMano = Potenza1(coeff.MN, 7 - s.mani);
}

double ValorePresa::Valuta(const Carta& carta, DettaglioPresa* dettaglio) const {
    const int io = s.io;
    const int n = s.carteInTavola;
    int puntiInGioco = s.puntiTavola;
    int vincitore = s.vincitore;
    Carta vincente = s.vincente;

    if (n > 0 && !s.Batte(carta, vincente)) {
        puntiInGioco += carta.Punti();
    } else {
        // A card that takes the lead is at stake only if some unseen card could take it.
        vincitore = io;
        vincente = carta;
        for (int x = 0; x < 40; ++x) {
            if (s.Ignota(x) && s.Batte(Carta::DaIndice(x), carta)) {
                puntiInGioco += carta.Punti();
                break;
            }
        }
    }
    const double v = puntiInGioco;

    std::array<std::array<double, 5>, 20> presa{};
    const bool ioChiamante = io == s.chiamante;
    for (int x = 0; x < 40; ++x) {
        const bool ignota = s.Ignota(x);
        if (!ignota && !s.InMano(x)) {
            continue;
        }
        const Carta cartaX = Carta::DaIndice(x);
        if (!s.Batte(cartaX, vincente)) {
            continue;
        }
        const int valore = cartaX.ValoreGrezzo();
        const int riga = s.Riga(cartaX);
        auto& righe = presa[I(riga)];
        if (!ignota) {
            righe[I(io)] = 1.0;
        } else if (s.DiBriscola(cartaX)) {
            // An unseen trump is most likely in the caller's hand, the more so the higher.
            double resto = 1.0;
            if (!ioChiamante && PostoValido(s.chiamante)) {
                righe[I(s.chiamante)] = valore * coeff.CH;
                resto = 1.0 - valore * coeff.CH;
            }
            for (int j = 0; j < 5; ++j) {
                if (j != io) {
                    righe[I(j)] += 0.25 * resto;
                }
            }
        } else {
            righe.fill(0.2);
        }
    }
    const int rigaVincente = s.Riga(vincente);
    presa[I(rigaVincente)][I(vincitore)] = 1.0;

    std::array<double, 20> pesoRiga{};
    double f = 1.0;
    for (int r = 19; r >= rigaVincente; --r) {
        const auto& riga = presa[I(r)];
        if (riga[0] + riga[1] + riga[2] + riga[3] + riga[4] != 0.0) {
            pesoRiga[I(r)] = f;
            f = f / coeff.IR;
        }
    }

    std::array<double, 5> p{};
    for (int j = 0; j < 5; ++j) {
        // Rows below the winning card weigh 0 and leave the product as it is.
        double prodotto = 1.0;
        for (int r = rigaVincente; r < 20; ++r) {
            prodotto *= 1.0 - presa[I(r)][I(j)] * pesoRiga[I(r)];
        }
        p[I(j)] = 1.0 - prodotto;
    }
    for (int t = 1; t <= n; ++t) {
        const int giaGiocato = (io - t + 5) % 5;
        if (giaGiocato != vincitore) {
            p[I(giaGiocato)] = 0.0;
        }
    }
    if (vincitore != io) {
        p[I(io)] = 0.0;
    }
    const double esponente = v * coeff.PP;
    for (double& pj : p) {
        // (1 + 0)^y - 1 is 0 for every y: no need to compute it.
        if (pj != 0.0) {
            pj = Potenza0(1.0 + pj, esponente) - 1.0;
        }
    }
    for (int t = 0; t <= 3 - n; ++t) {
        p[I((io + 1 + t) % 5)] *= scontoPosizione[I(t)];
    }
    if (!ioChiamante && PostoValido(s.chiamante)) {
        p[I(s.chiamante)] *= scontoMano;
    }

    const double somma = p[0] + p[1] + p[2] + p[3] + p[4];
    std::array<double, 5> q{};
    if (somma == 0.0) {
        q[I(vincitore)] = 1.0;
    } else {
        for (int j = 0; j < 5; ++j) {
            q[I(j)] = p[I(j)] / somma;
        }
    }
    double bilancio = 0.0;
    for (int j = 0; j < 5; ++j) {
        bilancio += (2.0 * pesoLato[I(j)] - 1.0) * q[I(j)];
    }

    if (dettaglio != nullptr) {
        dettaglio->puntiInGioco = v;
        dettaglio->presa = presa;
        dettaglio->pesoRiga = pesoRiga;
        dettaglio->probabilita = p;
        dettaglio->quota = q;
    }
    return v * bilancio;
}
