#include "ia/SituazioneTattica.h"

#include "partita/RegistroPartita.h"

namespace {
constexpr std::uint64_t Bit(int indice) {
    return std::uint64_t{1} << indice;
}
constexpr std::uint64_t kMazzo = Bit(40) - 1;
} // namespace

SituazioneTattica SituazioneTattica::DaRegistro(const RegistroPartita& registro, int io,
                                                int socio) {
    SituazioneTattica s;
    s.io = io;
    s.chiamante = registro.chiamante;
    s.socio = socio;
    s.briscola = registro.briscola;
    s.cartaChiamata = registro.CartaChiamata();
    s.carteInTavola = registro.CarteInTavola();
    const int giocate = registro.NumeroCarteGiocate();
    s.mani = (giocate - s.carteInTavola) / 5;

    std::uint64_t viste = 0;
    for (int n = 0; n < giocate; ++n) {
        viste |= Bit(registro.CartaGiocata(n).Indice());
    }
    s.mano = registro.ManoInBit(io);
    s.ignote = kMazzo & ~viste & ~s.mano;

    for (int n = giocate - s.carteInTavola; n < giocate; ++n) {
        int giocatore = -1;
        Carta carta;
        registro.CartaGiocata(n, giocatore, carta);
        s.puntiTavola += carta.Punti();
        if (RegistroPartita::Confronta(s.vincente, carta, s.briscola) > 0) {
            s.vincente = carta;
            s.vincitore = giocatore;
        }
    }
    return s;
}

std::uint64_t SituazioneTattica::Maschera(const InsiemeCarte& carte) {
    std::uint64_t maschera = 0;
    for (int i = 0; i < carte.Numero; ++i) {
        maschera |= Bit(carte.Prima(i).Indice());
    }
    return maschera;
}
