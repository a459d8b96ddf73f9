#include "ia/ValorePresa.h"

#include <bit>
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

// The discounts' powers depend on two coefficients alone, the same for every decision of a
// player: worked out once for each pair met, on each thread.
struct Sconti {
    double ps = 0.0;
    double mn = 0.0;
    bool validi = false;
    std::array<double, 4> posizione{};
    std::array<double, 8> mano{};
};

const Sconti& ScontiPer(double ps, double mn) {
    thread_local Sconti sconti;
    // A coefficient that is no number never equals itself: its powers are worked out anew
    // each time.
    if (!sconti.validi || !(sconti.ps == ps && sconti.mn == mn)) {
        sconti.ps = ps;
        sconti.mn = mn;
        for (int t = 0; t < 4; ++t) {
            sconti.posizione[I(t)] = Potenza1(ps, t);
        }
        for (int m = 0; m < 8; ++m) {
            sconti.mano[I(m)] = Potenza1(mn, m);
        }
        sconti.validi = true;
    }
    return sconti;
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
    const Sconti& sconti = ScontiPer(coeff.PS, coeff.MN);
    scontoPosizione = sconti.posizione;
    const int restanti = 7 - s.mani;
    scontoMano =
        restanti >= 0 && restanti < 8 ? sconti.mano[I(restanti)] : Potenza1(coeff.MN, restanti);
    double f = 1.0;
    for (double& peso : pesoOrdine) {
        peso = f;
        pesiFiniti = pesiFiniti && std::isfinite(peso);
        f = f / coeff.IR;
    }
    if (s.carteInTavola > 0) {
        battonoVincente = Battenti(s.vincente, s.ignote | s.mano);
    }
    PreparaVociBriscola();
}

// The row of an unseen trump: a quarter of what the caller is not thought to hold for each
// other seat, the caller's share added to his own. The same for every card scored.
void ValorePresa::PreparaVociBriscola() {
    const bool quotaChiamante = s.io != s.chiamante && PostoValido(s.chiamante);
    for (int valore = 0; valore < 10; ++valore) {
        const double rimanente = quotaChiamante ? 1.0 - valore * coeff.CH : 1.0;
        vociBriscola[I(valore)] = {0.25 * rimanente, valore * coeff.CH + 0.25 * rimanente};
    }
}

double ValorePresa::Valuta(const Carta& carta, DettaglioPresa* dettaglio) const {
    const int io = s.io;
    const int n = s.carteInTavola;
    const std::uint64_t inGioco = s.ignote | s.mano;
    int puntiInGioco = s.puntiTavola;
    int vincitore = s.vincitore;
    Carta vincente = s.vincente;
    std::uint64_t battono = battonoVincente;

    if (n > 0 && !s.Batte(carta, vincente)) {
        puntiInGioco += carta.Punti();
    } else {
        vincitore = io;
        vincente = carta;
        battono = Battenti(carta, inGioco);
        // A card that takes the lead is at stake only if some unseen card could take it.
        if ((battono & s.ignote) != 0) {
            puntiInGioco += carta.Punti();
        }
    }
    const double v = puntiInGioco;
    const bool ioChiamante = io == s.chiamante;

    const std::array<double, 5> prodotto =
        dettaglio == nullptr && pesiFiniti
            ? ProdottiDiretti(battono, vincitore, vincente)
            : ProdottiDaTabella(battono, vincitore, vincente, dettaglio);
    std::array<double, 5> p;
    for (int j = 0; j < 5; ++j) {
        p[I(j)] = 1.0 - prodotto[I(j)];
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
        dettaglio->probabilita = p;
        dettaglio->quota = q;
    }
    return v * bilancio;
}

std::array<double, 5> ValorePresa::ProdottiDaTabella(std::uint64_t battono, int vincitore,
                                                     const Carta& vincente,
                                                     DettaglioPresa* dettaglio) const {
    const int io = s.io;
    // Each card that could take the trick has a row of its own, above the winning card's:
    // only those rows are filled, and the others, all zero, change nothing below.
    std::array<std::array<double, 5>, 20> presa;
    std::uint32_t righe = 0;
    const bool ioChiamante = io == s.chiamante;
    for (std::uint64_t resto = battono; resto != 0; resto &= resto - 1) {
        const int x = std::countr_zero(resto);
        const Carta cartaX = Carta::DaIndice(x);
        const int valore = cartaX.ValoreGrezzo();
        const int r = s.Riga(cartaX);
        auto& riga = presa[I(r)];
        riga.fill(0.0);
        righe |= std::uint32_t{1} << r;
        if (s.InMano(x)) {
            riga[I(io)] = 1.0;
        } else if (s.DiBriscola(cartaX)) {
            // An unseen trump is most likely in the caller's hand, the more so the higher.
            double rimanente = 1.0;
            if (!ioChiamante && PostoValido(s.chiamante)) {
                riga[I(s.chiamante)] = valore * coeff.CH;
                rimanente = 1.0 - valore * coeff.CH;
            }
            for (int j = 0; j < 5; ++j) {
                if (j != io) {
                    riga[I(j)] += 0.25 * rimanente;
                }
            }
        } else {
            riga.fill(0.2);
        }
    }
    const int rigaVincente = s.Riga(vincente);
    presa[I(rigaVincente)].fill(0.0);
    presa[I(rigaVincente)][I(vincitore)] = 1.0;
    righe |= std::uint32_t{1} << rigaVincente;

    // Every filled row has a positive entry: from the top down each weighs 1/IR of the last.
    std::array<double, 20> pesoRiga;
    int ordine = 0;
    for (std::uint32_t resto = righe; resto != 0; ++ordine) {
        const int r = 31 - std::countl_zero(resto);
        pesoRiga[I(r)] = pesoOrdine[I(ordine)];
        resto &= ~(std::uint32_t{1} << r);
    }

    // Each seat's product runs over the rows from the bottom up, as over the whole table.
    std::array<double, 5> prodotto = {1.0, 1.0, 1.0, 1.0, 1.0};
    for (std::uint32_t resto = righe; resto != 0; resto &= resto - 1) {
        const int r = std::countr_zero(resto);
        const auto& riga = presa[I(r)];
        const double peso = pesoRiga[I(r)];
        for (int j = 0; j < 5; ++j) {
            prodotto[I(j)] *= 1.0 - riga[I(j)] * peso;
        }
    }
    if (dettaglio != nullptr) {
        for (int r = 0; r < 20; ++r) {
            if (((righe >> r) & 1U) != 0) {
                dettaglio->presa[I(r)] = presa[I(r)];
            } else {
                dettaglio->presa[I(r)].fill(0.0);
            }
        }
        for (int r = 0; r < 20; ++r) {
            dettaglio->pesoRiga[I(r)] = ((righe >> r) & 1U) != 0 ? pesoRiga[I(r)] : 0.0;
        }
    }
    return prodotto;
}

// The same products without the table. A zero entry gives the factor 1 - 0 x peso, exactly 1,
// as long as the weight is finite: only the seats with an entry are multiplied.
std::array<double, 5> ValorePresa::ProdottiDiretti(std::uint64_t battono, int vincitore,
                                                   const Carta& vincente) const {
    // The card of each row, as the table would keep it: the last written, the winner's last.
    constexpr int kRigaVincente = -1;
    std::array<int, 20> cartaDiRiga;
    std::uint32_t righe = 0;
    for (std::uint64_t resto = battono; resto != 0; resto &= resto - 1) {
        const int x = std::countr_zero(resto);
        const int r = s.Riga(Carta::DaIndice(x));
        cartaDiRiga[I(r)] = x;
        righe |= std::uint32_t{1} << r;
    }
    const int rigaVincente = s.Riga(vincente);
    cartaDiRiga[I(rigaVincente)] = kRigaVincente;
    righe |= std::uint32_t{1} << rigaVincente;

    std::array<double, 5> prodotto = {1.0, 1.0, 1.0, 1.0, 1.0};
    // From the bottom up: the rows above this one set its place in the order from the top.
    int sopra = std::popcount(righe);
    for (std::uint32_t resto = righe; resto != 0; resto &= resto - 1) {
        const int r = std::countr_zero(resto);
        const double peso = pesoOrdine[I(--sopra)];
        const int x = cartaDiRiga[I(r)];
        if (x == kRigaVincente) {
            prodotto[I(vincitore)] *= 1.0 - 1.0 * peso;
        } else if (s.InMano(x)) {
            prodotto[I(s.io)] *= 1.0 - 1.0 * peso;
        } else if (s.DiBriscola(Carta::DaIndice(x))) {
            MoltiplicaBriscolaIgnota(prodotto, Carta::DaIndice(x).ValoreGrezzo(), peso);
        } else {
            for (double& fattore : prodotto) {
                fattore *= 1.0 - 0.2 * peso;
            }
        }
    }
    return prodotto;
}

void ValorePresa::MoltiplicaBriscolaIgnota(std::array<double, 5>& prodotto, int valore,
                                           double peso) const {
    const bool quotaChiamante = s.io != s.chiamante && PostoValido(s.chiamante);
    const auto& [altri, chiamante] = vociBriscola[I(valore)];
    for (int j = 0; j < 5; ++j) {
        if (j != s.io) {
            const double voce = quotaChiamante && j == s.chiamante ? chiamante : altri;
            prodotto[I(j)] *= 1.0 - voce * peso;
        }
    }
}

std::uint64_t ValorePresa::Battenti(const Carta& carta, std::uint64_t tra) const {
    std::uint64_t battono = 0;
    for (; tra != 0; tra &= tra - 1) {
        const int x = std::countr_zero(tra);
        if (s.Batte(Carta::DaIndice(x), carta)) {
            battono |= std::uint64_t{1} << x;
        }
    }
    return battono;
}
