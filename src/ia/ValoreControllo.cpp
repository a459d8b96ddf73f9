#include "ia/ValoreControllo.h"

namespace {

std::size_t I(int i) {
    return static_cast<std::size_t>(i);
}

bool PostoValido(int giocatore) {
    return giocatore >= 0 && giocatore <= 4;
}

} // namespace

ValoreControllo::ValoreControllo(const SituazioneTattica& situazione,
                                 const Coefficienti& coefficienti)
    : s(situazione), coeff(coefficienti) {
    const bool ioChiamante = s.io == s.chiamante;
    for (int u = 0; u < 40; ++u) {
        if (!s.Ignota(u)) {
            continue;
        }
        const Carta carta = Carta::DaIndice(u);
        puntiIgnote += carta.Punti();
        if (!s.DiBriscola(carta)) {
            continue;
        }
        const int k = carta.ValoreGrezzo();
        auto& riga = ignote[I(k)];
        double resto = 1.0;
        if (!ioChiamante && PostoValido(s.chiamante)) {
            riga[I(s.chiamante)] = k * coeff.CH;
            resto = 1.0 - k * coeff.CH;
        }
        for (int j = 0; j < 5; ++j) {
            if (j != s.io) {
                riga[I(j)] += 0.25 * resto;
            }
        }
    }
    // The other hands hold at most as many trumps as a hand has cards left: only that many
    // of the highest unseen ones count.
    int rimaste = 8 - s.mani;
    for (int k = 9; k >= 0; --k) {
        auto& riga = ignote[I(k)];
        if (riga[0] + riga[1] + riga[2] + riga[3] + riga[4] == 0.0 || rimaste == 0) {
            riga.fill(0.0);
        } else {
            --rimaste;
        }
    }

    const bool ioDalChiamante = ioChiamante || s.io == s.socio;
    for (int j = 0; j < 5; ++j) {
        const bool latoChiamante = j == s.chiamante || j == s.socio;
        mioLato[I(j)] = latoChiamante == ioDalChiamante;
    }
}

double ValoreControllo::Valuta(const Carta& carta, TabellaControllo* tabella) const {
    TabellaControllo t = ignote;
    int punti = puntiIgnote;
    for (int u = 0; u < 40; ++u) {
        if (!s.InMano(u) || u == carta.Indice()) {
            continue;
        }
        const Carta resto = Carta::DaIndice(u);
        if (s.DiBriscola(resto)) {
            t[I(resto.ValoreGrezzo())][I(s.io)] = 1.0;
        }
        punti += resto.Punti();
    }
    // The deciding seat's side counts against the total, the other side for it.
    for (auto& riga : t) {
        for (int j = 0; j < 5; ++j) {
            if (mioLato[I(j)]) {
                riga[I(j)] = -riga[I(j)];
            }
        }
    }

    double f = 1.0;
    double denominatore = 0.0;
    double totale = 0.0;
    for (const auto& riga : t) {
        totale += f * (riga[0] + riga[1] + riga[2] + riga[3] + riga[4]);
        if (riga[0] != 0.0 || riga[1] != 0.0 || riga[2] != 0.0 || riga[3] != 0.0 ||
            riga[4] != 0.0) {
            denominatore += f;
            f = f * coeff.IR;
        }
    }
    double risultato = denominatore == 0.0 ? 0.0 : punti * totale / denominatore;
    // Playing the called card shows the partner to everyone.
    if (carta == s.cartaChiamata) {
        risultato += punti * coeff.CC;
    }
    if (tabella != nullptr) {
        *tabella = t;
    }
    return -risultato;
}
