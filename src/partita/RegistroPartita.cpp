#include "partita/RegistroPartita.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

#include "comune/Casuale.h"
#include "comune/Errore.h"

namespace {
std::size_t I(int i) {
    return static_cast<std::size_t>(i);
}
} // namespace

RegistroPartita::RegistroPartita() {
    distribuzione.fill(-1);
    possessore.fill(-1);
    inLicitazione.fill(1);
}

void RegistroPartita::Distribuisci(GeneratoreCasuale& generatore) {
    for (int c = 0; c < 40; ++c) {
        inMano[I(c)] = 1;
        inTavola[I(c)] = 0;
        possessore[I(c)] = static_cast<std::int8_t>(c / 8);
        sequenza[I(c)] = -1;
    }
    carteInTavola = 0;
    for (int n = 0; n < 200; ++n) {
        const int i = generatore.Casuale(40);
        const int j = generatore.Casuale(40);
        std::swap(possessore[I(i)], possessore[I(j)]);
    }
    IniziaPartitaDistribuita();
}

void RegistroPartita::DistribuisciMani(const std::array<int, 40>& seggioPerCarta) {
    std::array<int, 5> carte{};
    for (const int seggio : seggioPerCarta) {
        if (seggio < 0 || seggio > 4) {
            throw Errore("Distribuzione non valida: giocatore " + std::to_string(seggio));
        }
        ++carte[I(seggio)];
    }
    if (std::any_of(carte.begin(), carte.end(), [](int n) { return n != 8; })) {
        throw Errore("Distribuzione non valida: ogni giocatore deve avere otto carte");
    }
    for (int c = 0; c < 40; ++c) {
        inMano[I(c)] = 1;
        inTavola[I(c)] = 0;
        possessore[I(c)] = static_cast<std::int8_t>(seggioPerCarta[I(c)]);
        sequenza[I(c)] = -1;
    }
    carteInTavola = 0;
    IniziaPartitaDistribuita();
}

void RegistroPartita::IniziaPartitaDistribuita() {
    distribuzione = possessore;
    numeroGiocate = 0;
    chiamata = ChiamataNulla;
    briscola = BriscolaIndefinita;
    chiamante = -1;
    inLicitazione.fill(1);
    numeroLicitazioni = 0;
}

void RegistroPartita::RegistraLicitazione(int giocatore, const Chiamata& chiamata) {
    if (numeroLicitazioni >= kMassimoLicitazioni) {
        throw Errore("Troppe licitazioni in una partita");
    }
    std::uint8_t codice = kCodicePasso;
    if (chiamata.Valore >= 0 && chiamata.Valore <= 9) {
        codice = static_cast<std::uint8_t>(chiamata.Punti > 60 ? chiamata.Punti : chiamata.Valore);
    }
    licitazioni[I(numeroLicitazioni)] = codice;
    licitatori[I(numeroLicitazioni)] = static_cast<std::int8_t>(giocatore);
    ++numeroLicitazioni;
}

Chiamata RegistroPartita::LicitazioneN(int n, int& giocatore) const {
    if (n < 0 || n >= numeroLicitazioni) {
        giocatore = -1;
        return ChiamataNulla;
    }
    giocatore = licitatori[I(n)];
    const int codice = licitazioni[I(n)];
    return codice == kCodicePasso ? ChiamataPasso : Chiamata(codice);
}

bool operator==(const RegistroPartita& a, const RegistroPartita& b) {
    return a.chiamante == b.chiamante && a.chiamata == b.chiamata &&
           a.chiamata.Seme == b.chiamata.Seme && a.briscola == b.briscola && a.turno == b.turno &&
           a.primaManoCoperta == b.primaManoCoperta && a.sequenza == b.sequenza &&
           a.numeroGiocate == b.numeroGiocate && a.distribuzione == b.distribuzione &&
           a.possessore == b.possessore && a.inMano == b.inMano && a.inTavola == b.inTavola &&
           a.carteInTavola == b.carteInTavola && a.inLicitazione == b.inLicitazione &&
           a.numeroLicitazioni == b.numeroLicitazioni &&
           std::equal(a.licitazioni.begin(), a.licitazioni.begin() + a.numeroLicitazioni,
                      b.licitazioni.begin()) &&
           std::equal(a.licitatori.begin(), a.licitatori.begin() + a.numeroLicitazioni,
                      b.licitatori.begin());
}

void RegistroPartita::ScambiaCarte(int a, int b) {
    if (a < 0 || a > 39 || b < 0 || b > 39) {
        throw Errore("Carta Indefinita");
    }
    std::swap(distribuzione[I(a)], distribuzione[I(b)]);
    std::swap(possessore[I(a)], possessore[I(b)]);
    std::swap(inMano[I(a)], inMano[I(b)]);
    std::swap(inTavola[I(a)], inTavola[I(b)]);
    for (int n = 0; n < numeroGiocate; ++n) {
        if (sequenza[I(n)] == a) {
            sequenza[I(n)] = static_cast<std::int8_t>(b);
        } else if (sequenza[I(n)] == b) {
            sequenza[I(n)] = static_cast<std::int8_t>(a);
        }
    }
}

RegistroPartita RegistroPartita::InizioDelGioco() const {
    RegistroPartita inizio = *this;
    for (int c = 0; c < 40; ++c) {
        inizio.inMano[I(c)] = distribuzione[I(c)] >= 0 ? 1 : 0;
        inizio.inTavola[I(c)] = 0;
        inizio.possessore[I(c)] = distribuzione[I(c)];
    }
    inizio.sequenza.fill(-1);
    inizio.numeroGiocate = 0;
    inizio.carteInTavola = 0;
    if (numeroLicitazioni > 0) {
        inizio.ImpostaTurno(licitatori[0]);
    }
    if (primaManoCoperta == 1) {
        inizio.briscola = BriscolaAssente;
    }
    return inizio;
}

void RegistroPartita::RuotaDistribuzione(int k) {
    for (int c = 0; c < 40; ++c) {
        if (possessore[I(c)] < 0) {
            continue;
        }
        possessore[I(c)] = static_cast<std::int8_t>(((possessore[I(c)] + k) % 5 + 5) % 5);
        distribuzione[I(c)] = possessore[I(c)];
    }
}

void RegistroPartita::RegistraGiocata(const Carta& carta) {
    const int c = carta.Indice();
    if (c < 0 || c > 39 || inMano[I(c)] == 0) {
        throw Errore("Carta già giocata!");
    }
    inMano[I(c)] = 0;
    inTavola[I(c)] = 1;
    ++carteInTavola;
    sequenza[I(numeroGiocate)] = static_cast<std::int8_t>(c);
    ++numeroGiocate;
}

void RegistroPartita::RaccogliPresa(int giocatore) {
    for (int c = 0; c < 40; ++c) {
        if (inTavola[I(c)] != 0) {
            possessore[I(c)] = static_cast<std::int8_t>(giocatore);
            inTavola[I(c)] = 0;
        }
    }
    carteInTavola = 0;
}

void RegistroPartita::RaccogliPresa() {
    RaccogliPresa(VincitoreMano());
}

void RegistroPartita::ImpostaTurno(int giocatore) {
    turno = static_cast<std::int8_t>(((giocatore % 5) + 5) % 5);
}

bool RegistroPartita::InLicitazione() const {
    return inLicitazione[I(turno)] != 0;
}

void RegistroPartita::ImpostaInLicitazione(bool inGioco) {
    inLicitazione[I(turno)] = inGioco ? 1 : 0;
}

int RegistroPartita::ManiComplete() const {
    return (numeroGiocate - CarteInTavola()) / 5;
}

int RegistroPartita::GiocatoriInLicitazione() const {
    return static_cast<int>(std::count(inLicitazione.begin(), inLicitazione.end(), 1));
}

int RegistroPartita::PuntiGiocatore(int giocatore) const {
    // Before the first deal no card has an owner: nobody (no seat -1 either) has points.
    if (giocatore < 0 || giocatore > 4) {
        return 0;
    }
    int punti = 0;
    for (int c = 0; c < 40; ++c) {
        if (inMano[I(c)] == 0 && inTavola[I(c)] == 0 && possessore[I(c)] == giocatore) {
            punti += kPuntiValore[I(c % 10)];
        }
    }
    return punti;
}

int RegistroPartita::PuntiChiamante() const {
    int punti = PuntiGiocatore(chiamante);
    const int socio = SocioPalese();
    if (socio >= 0 && socio != chiamante) {
        punti += PuntiGiocatore(socio);
    }
    return punti;
}

bool RegistroPartita::ChiamanteVincente() const {
    return PuntiChiamante() >= chiamata.Punti;
}

int RegistroPartita::PuntiInTavola() const {
    // The cards on the table are the last ones played.
    int punti = 0;
    for (int n = numeroGiocate - carteInTavola; n < numeroGiocate; ++n) {
        punti += kPuntiValore[I(sequenza[I(n)] % 10)];
    }
    return punti;
}

Carta RegistroPartita::CartaChiamata() const {
    if (chiamata.Valore < 0 || chiamata.Valore > 9 || !briscola.Nominata()) {
        return CartaIndefinita;
    }
    return Carta(chiamata.Valore, briscola.SemeGrezzo());
}

int RegistroPartita::Socio() const {
    const Carta chiamata = CartaChiamata();
    if (chiamata == CartaIndefinita) {
        return -1;
    }
    return distribuzione[I(chiamata.Indice())];
}

int RegistroPartita::SocioPalese() const {
    const Carta chiamata = CartaChiamata();
    if (chiamata == CartaIndefinita || inMano[I(chiamata.Indice())] != 0) {
        return -1;
    }
    return distribuzione[I(chiamata.Indice())];
}

int RegistroPartita::ChiHaGiocato(const Carta& carta) const {
    if (!carta.Definita() || carta.Seme < 0 || carta.Seme > 3) {
        return -1;
    }
    const int c = carta.Indice();
    if (inMano[I(c)] != 0) {
        return -1;
    }
    return distribuzione[I(c)];
}

Carta RegistroPartita::CartaInTavola(int i) const {
    if (i < 0 || i >= CarteInTavola()) {
        return CartaIndefinita;
    }
    return Carta::DaIndice(sequenza[I(ManiComplete() * 5 + i)]);
}

void RegistroPartita::CartaGiocata(int mano, int posizione, int& giocatore, Carta& carta) const {
    CartaGiocata(mano * 5 + posizione, giocatore, carta);
}

Carta RegistroPartita::CartaInMano(int giocatore, int k) const {
    const Carta carta = CartaDistribuita(giocatore, k);
    if (carta == CartaIndefinita || inMano[I(carta.Indice())] == 0) {
        return CartaIndefinita;
    }
    return carta;
}

Carta RegistroPartita::CartaDistribuita(int giocatore, int k) const {
    if (giocatore < 0 || giocatore > 4 || k < 0) {
        return CartaIndefinita;
    }
    int trovate = 0;
    for (int c = 0; c < 40; ++c) {
        if (distribuzione[I(c)] == giocatore && trovate++ == k) {
            return Carta::DaIndice(c);
        }
    }
    return CartaIndefinita;
}

bool RegistroPartita::HaGiocatoInMano(int giocatore) const {
    for (int c = 0; c < 40; ++c) {
        if (inTavola[I(c)] != 0 && distribuzione[I(c)] == giocatore) {
            return true;
        }
    }
    return false;
}

Carta RegistroPartita::CartaVincente() const {
    Carta migliore;
    const int carte = CarteInTavola();
    const int inizio = ManiComplete() * 5;
    for (int i = 0; i < carte; ++i) {
        const Carta carta = Carta::DaIndice(sequenza[I(inizio + i)]);
        if (Confronta(migliore, carta, briscola) > 0) {
            migliore = carta;
        }
    }
    return migliore;
}

int RegistroPartita::VincitoreMano() const {
    return ChiHaGiocato(CartaVincente());
}

int RegistroPartita::SuperaVincente(const Carta& carta, const Briscola& briscola) const {
    return Confronta(CartaVincente(), carta, briscola);
}

bool RegistroPartita::SuperaVincenteCon(const Carta& carta, const Briscola& briscola) const {
    return SuperaVincente(carta, briscola) > 0;
}

bool RegistroPartita::SuperaVincente(const Carta& carta) const {
    return SuperaVincente(carta, briscola) > 0;
}

std::array<int, 40> DistribuzioneCasuale(GeneratoreCasuale& generatore) {
    std::array<int, 40> seggi;
    for (int c = 0; c < 40; ++c) {
        seggi[I(c)] = c / 8;
    }
    for (int i = 39; i > 0; --i) {
        std::swap(seggi[I(i)], seggi[I(generatore.Casuale(i + 1))]);
    }
    return seggi;
}
