#include "partita/TipoStoriaPartite.h"

#include <algorithm>
#include <limits>

#include "comune/Errore.h"
#include "partita/RegistroPartita.h"

namespace {
std::size_t I(int i) {
    return static_cast<std::size_t>(i);
}
} // namespace

TipoStoriaPartite::TipoStoriaPartite(const std::string& nomeFile)
    : partite(std::make_unique<std::array<PartitaGiocata, kPartiteTenute>>()) {
    if (!nomeFile.empty()) {
        Carica(nomeFile);
    }
}

TipoStoriaPartite::TipoStoriaPartite(const TipoStoriaPartite& altra)
    : totale(altra.totale), numeroPartite(altra.numeroPartite), statistiche(altra.statistiche),
      partite(std::make_unique<std::array<PartitaGiocata, kPartiteTenute>>(*altra.partite)) {}

TipoStoriaPartite& TipoStoriaPartite::operator=(const TipoStoriaPartite& altra) {
    if (this != &altra) {
        totale = altra.totale;
        numeroPartite = altra.numeroPartite;
        statistiche = altra.statistiche;
        *partite = *altra.partite;
    }
    return *this;
}

TipoStoriaPartite::~TipoStoriaPartite() = default;

std::array<int, 5> PunteggiPartita(const RegistroPartita& registro) {
    if (!registro.PartitaFinita()) {
        throw Errore(
            "ERRORE INTERNO - Impossibile calcolare i punti prima della fine della partita");
    }
    const int chiamante = registro.chiamante;
    const int socio = registro.Socio();
    std::array<int, 5> punteggio;
    punteggio.fill(-1);
    if (chiamante >= 0 && chiamante < 5) {
        punteggio[I(chiamante)] += 3;
    }
    if (socio >= 0 && socio < 5) {
        punteggio[I(socio)] += 2;
    }
    int moltiplicatore = 1;
    const int puntiChiamata = registro.chiamata.Punti;
    if (puntiChiamata >= 70) {
        moltiplicatore = 2;
    }
    if (puntiChiamata >= 80) {
        moltiplicatore += 1;
    }
    const int puntiChiamante = registro.PuntiChiamante();
    if (puntiChiamante == 120) {
        moltiplicatore += 1;
    }
    if (puntiChiamante < puntiChiamata) {
        moltiplicatore = -moltiplicatore;
    }
    for (int& p : punteggio) {
        p *= moltiplicatore;
    }
    return punteggio;
}

void TipoStoriaPartite::RegistraPartita(RegistroPartita registro) {
    const std::array<int, 5> punteggio = PunteggiPartita(registro);
    const int chiamante = registro.chiamante;
    const int socio = registro.Socio();

    PartitaGiocata partita;
    for (int s = 0; s < 5; ++s) {
        partita.punteggio[I(s)] = static_cast<std::int8_t>(punteggio[I(s)]);
        partita.punti[I(s)] = static_cast<std::uint8_t>(registro.PuntiGiocatore(s));
    }
    partita.chiamante = static_cast<std::int8_t>(chiamante);
    partita.socio = static_cast<std::int8_t>(socio);
    partita.chiamata = registro.chiamata;
    for (int c = 0; c < 40; ++c) {
        partita.mazzo[I(c)] = static_cast<std::int8_t>(registro.Distribuzione(c));
    }
    Aggiungi(partita);
}

void TipoStoriaPartite::AggiungiPartita(const PartitaGiocata& partita) {
    if (!PartitaGiocataValida(partita)) {
        throw Errore("Partita non valida per la storia della serie");
    }
    Aggiungi(partita);
}

void TipoStoriaPartite::Aggiungi(const PartitaGiocata& partita) {
    if (Piena()) {
        throw Errore("La serie ha raggiunto il limite delle partite che può contare: "
                     "per continuare, iniziane una nuova");
    }
    (*partite)[I(numeroPartite % kPartiteTenute)] = partita;
    const int chiamante = partita.chiamante;
    const int socio = partita.socio;
    for (int s = 0; s < 5; ++s) {
        const int punteggio = partita.punteggio[I(s)];
        totale[I(s)] += punteggio;
        const int esito = punteggio <= 0 ? kPerse : kVinte;
        const int ruolo = s == chiamante ? kRuoloChiamante
                          : s == socio   ? kRuoloSocio
                                         : kRuoloAvversario;
        ++statistiche[I(ruolo)][I(esito)][I(s)];
        ++statistiche[I(kRuoloTutti)][I(esito)][I(s)];
        ++statistiche[I(ruolo)][I(kGiocate)][I(s)];
        ++statistiche[I(kRuoloTutti)][I(kGiocate)][I(s)];
    }
    ++numeroPartite;
}

bool TipoStoriaPartite::Piena() const {
    constexpr std::int32_t kMassimo = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMinimo = std::numeric_limits<std::int32_t>::min();
    const auto Colma = [](std::int32_t contatore) { return contatore == kMassimo; };
    const auto AlBordo = [](std::int32_t t) {
        return t > kMassimo - kPunteggioMassimo || t < kMinimo + kPunteggioMassimo;
    };
    if (Colma(numeroPartite) || std::any_of(totale.begin(), totale.end(), AlBordo)) {
        return true;
    }
    for (const auto& perRuolo : statistiche) {
        for (const auto& perEsito : perRuolo) {
            if (std::any_of(perEsito.begin(), perEsito.end(), Colma)) {
                return true;
            }
        }
    }
    return false;
}

int TipoStoriaPartite::PrimaPartitaTenuta() const {
    return numeroPartite <= kPartiteTenute ? 0 : numeroPartite - kPartiteTenute;
}

const PartitaGiocata& TipoStoriaPartite::Partita(int numero) const {
    return (*partite)[I(((numero % kPartiteTenute) + kPartiteTenute) % kPartiteTenute)];
}

int TipoStoriaPartite::Punteggio(int numero, int giocatore) const {
    return Partita(numero).punteggio[I(giocatore)];
}

int TipoStoriaPartite::Chiamante(int numero) const {
    return Partita(numero).chiamante;
}

int TipoStoriaPartite::Socio(int numero) const {
    return Partita(numero).socio;
}

Chiamata TipoStoriaPartite::ChiamataPartita(int numero) const {
    return Partita(numero).chiamata;
}

bool TipoStoriaPartite::Vincente(int numero, int giocatore) const {
    return Punteggio(numero, giocatore) > 0;
}

int TipoStoriaPartite::Statistiche(int ruolo, int esito, int giocatore) const {
    return statistiche[I(ruolo)][I(esito)][I(giocatore)];
}

double TipoStoriaPartite::Rapporto(int ruolo, int esito, int giocatore) const {
    const int numeratore = Statistiche(ruolo, esito, giocatore);
    const int divisore = esito == kGiocate ? Statistiche(kRuoloTutti, kGiocate, giocatore)
                                           : Statistiche(ruolo, kGiocate, giocatore);
    return divisore == 0 ? 0.0 : static_cast<double>(numeratore) / divisore;
}

void TipoStoriaPartite::Azzera() {
    totale.fill(0);
    numeroPartite = 0;
    statistiche = {};
}

bool operator==(const TipoStoriaPartite& a, const TipoStoriaPartite& b) {
    if (a.totale != b.totale || a.numeroPartite != b.numeroPartite ||
        a.statistiche != b.statistiche) {
        return false;
    }
    const int tenute = std::min(a.numeroPartite, TipoStoriaPartite::kPartiteTenute);
    for (int g = 0; g < tenute; ++g) {
        if (!((*a.partite)[I(g)] == (*b.partite)[I(g)])) {
            return false;
        }
    }
    return true;
}
