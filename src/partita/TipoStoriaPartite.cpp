#include "partita/TipoStoriaPartite.h"

#include <algorithm>
#include <limits>

#include "comune/Errore.h"
#include "partita/FileStoria.h"
#include "partita/RegistroPartita.h"

namespace {

constexpr std::int32_t kMassimo = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinimo = std::numeric_limits<std::int32_t>::min();

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
    if (std::string limite = Limite(); !limite.empty()) {
        throw Errore(limite);
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

void TipoStoriaPartite::ImpostaRiassunto(int giocate, const std::array<std::int32_t, 5>& totali,
                                         const TabellaStatistiche& contatori,
                                         const std::vector<PartitaGiocata>& ultime) {
    const auto tenute = static_cast<int>(ultime.size());
    if (giocate < 0 || tenute > std::min(giocate, kPartiteTenute)) {
        throw Errore("La serie ricevuta elenca più partite di quante ne ha giocate");
    }
    if (!std::all_of(ultime.begin(), ultime.end(), PartitaGiocataValida)) {
        throw Errore("Partita non valida per la storia della serie");
    }
    for (int k = 0; k < tenute; ++k) {
        (*partite)[I((giocate - tenute + k) % kPartiteTenute)] = ultime[I(k)];
    }
    numeroPartite = giocate;
    totale = totali;
    statistiche = contatori;
}

std::string TipoStoriaPartite::Limite() const {
    const auto Messaggio = [](const std::string& cosa) {
        return "La serie ha raggiunto il limite " + cosa + ": per continuare, iniziane una nuova";
    };
    if (numeroPartite == kMassimo) {
        return Messaggio("delle partite che può contare");
    }
    for (int s = 0; s < 5; ++s) {
        const std::int32_t t = totale[I(s)];
        if (t > kMassimo - kPunteggioMassimo || t < kMinimo + kPunteggioMassimo) {
            return Messaggio("dei punti che può contare nel totale del posto " + std::to_string(s));
        }
    }
    for (int s = 0; s < 5; ++s) {
        for (const auto& perRuolo : statistiche) {
            for (const auto& perEsito : perRuolo) {
                if (perEsito[I(s)] == kMassimo) {
                    return Messaggio("delle partite che può contare nelle statistiche del posto " +
                                     std::to_string(s));
                }
            }
        }
    }
    return {};
}

long long TipoStoriaPartite::PartiteSicure() const {
    // Game j from now is refused when the state before it is full (Limite).
    long long sicure = static_cast<long long>(kMassimo) - numeroPartite;
    for (int s = 0; s < 5; ++s) {
        const long long t = totale[I(s)];
        const long long sopra = static_cast<long long>(kMassimo) - kPunteggioMassimo - t;
        const long long sotto = t - (static_cast<long long>(kMinimo) + kPunteggioMassimo);
        for (const long long margine : {sopra, sotto}) {
            sicure = std::min(sicure, margine < 0 ? 0 : margine / kPunteggioMassimo + 1);
        }
        for (const auto& perRuolo : statistiche) {
            for (const auto& perEsito : perRuolo) {
                sicure = std::min(sicure, static_cast<long long>(kMassimo) - perEsito[I(s)]);
            }
        }
    }
    return sicure;
}

void TipoStoriaPartite::Accoda(const TipoStoriaPartite& seguito) {
    const long long aggiunte = static_cast<long long>(seguito.numeroPartite) - numeroPartite;
    const auto Giocate = [&](int s) { return seguito.Statistiche(kRuoloTutti, kGiocate, s); };
    bool coerente = aggiunte >= 0;
    for (int s = 0; s < 5; ++s) {
        coerente = coerente && Giocate(s) == aggiunte;
    }
    if (!coerente) {
        throw Errore("ERRORE INTERNO - La serie da accodare non comincia dove finisce questa");
    }
    if (aggiunte > PartiteSicure()) {
        throw Errore("Le partite da accodare potrebbero passare i limiti che la serie può "
                     "contare");
    }
    for (int s = 0; s < 5; ++s) {
        totale[I(s)] += seguito.totale[I(s)];
        for (int ruolo = 0; ruolo < 4; ++ruolo) {
            for (int esito = 0; esito < 3; ++esito) {
                statistiche[I(ruolo)][I(esito)][I(s)] +=
                    seguito.statistiche[I(ruolo)][I(esito)][I(s)];
            }
        }
    }
    const int prima = std::max(numeroPartite, seguito.numeroPartite - kPartiteTenute);
    for (int g = prima; g < seguito.numeroPartite; ++g) {
        (*partite)[I(g % kPartiteTenute)] = seguito.Partita(g);
    }
    numeroPartite = seguito.numeroPartite;
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

bool TipoStoriaPartite::Salva(const std::string& nome) const {
    return FileStoria::Salva(*this, nome);
}

std::string TipoStoriaPartite::SalvaInByte() const {
    return FileStoria::Scrivi(*this);
}

bool TipoStoriaPartite::Carica(const std::string& nome, std::string* motivo) {
    return FileStoria::Carica(nome, *this, motivo);
}

bool TipoStoriaPartite::CaricaDaByte(std::string_view byte, std::string* motivo) {
    return FileStoria::Leggi(byte, *this, motivo);
}

bool PartitaGiocataValida(const PartitaGiocata& p) {
    const auto Punteggio = [](std::int8_t x) {
        return x >= -TipoStoriaPartite::kPunteggioMassimo &&
               x <= TipoStoriaPartite::kPunteggioMassimo;
    };
    return FileStoria::PartitaValida(p) &&
           std::all_of(p.punteggio.begin(), p.punteggio.end(), Punteggio) &&
           std::all_of(p.punti.begin(), p.punti.end(), [](std::uint8_t x) { return x <= 120; });
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
