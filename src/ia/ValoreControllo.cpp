#include "ia/ValoreControllo.h"

#include <bit>

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
    for (std::uint64_t carte = s.ignote; carte != 0; carte &= carte - 1) {
        const Carta carta = Carta::DaIndice(std::countr_zero(carte));
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
        if (SommaRiga(riga) == 0.0 || rimaste == 0) {
            riga.fill(0.0);
        } else {
            --rimaste;
        }
    }

    // The deciding seat's side counts against the total, the other side for it.
    const bool ioDalChiamante = ioChiamante || s.io == s.socio;
    for (int j = 0; j < 5; ++j) {
        const bool latoChiamante = j == s.chiamante || j == s.socio;
        mioLato[I(j)] = latoChiamante == ioDalChiamante;
    }
    for (int k = 0; k < 10; ++k) {
        auto& riga = ignote[I(k)];
        for (int j = 0; j < 5; ++j) {
            if (mioLato[I(j)]) {
                riga[I(j)] = -riga[I(j)];
            }
        }
        sommaIgnote[I(k)] = SommaRiga(riga);
        rigaIgnote[I(k)] =
            riga[0] != 0.0 || riga[1] != 0.0 || riga[2] != 0.0 || riga[3] != 0.0 || riga[4] != 0.0;
    }
    for (std::uint64_t resto = s.mano; resto != 0; resto &= resto - 1) {
        puntiMano += Carta::DaIndice(std::countr_zero(resto)).Punti();
    }
}

double ValoreControllo::Valuta(const Carta& carta, TabellaControllo* tabella) const {
    // The trumps kept: those of the hand but the card played.
    std::array<bool, 10> tenuta{};
    if (s.briscola.Nominata()) {
        const int primaBriscola = 10 * s.briscola.SemeGrezzo();
        for (int k = 0; k < 10; ++k) {
            const int u = primaBriscola + k;
            tenuta[I(k)] = s.InMano(u) && !(Carta::DaIndice(u) == carta);
        }
    }
    const int punti = puntiIgnote + puntiMano - carta.Punti();

    double f = 1.0;
    double denominatore = 0.0;
    double totale = 0.0;
    for (int k = 0; k < 10; ++k) {
        double somma = sommaIgnote[I(k)];
        if (tenuta[I(k)]) {
            auto riga = ignote[I(k)];
            riga[I(s.io)] = -1.0;
            somma = SommaRiga(riga);
        }
        totale += f * somma;
        if (rigaIgnote[I(k)] || tenuta[I(k)]) {
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
        *tabella = ignote;
        for (int k = 0; k < 10; ++k) {
            if (tenuta[I(k)]) {
                (*tabella)[I(k)][I(s.io)] = -1.0;
            }
        }
    }
    return -risultato;
}
