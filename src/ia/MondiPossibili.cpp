#include "ia/MondiPossibili.h"

#include <algorithm>
#include <numeric>

#include "ia/SimulatorePartita.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"

namespace {

// How much a disagreement with the model lowers a world: soft, since the other seats need not
// be standard players.
constexpr double kPesoLicitazione = 0.1;
constexpr double kPesoPasso = 0.3;
constexpr double kPesoBriscola = 0.1;
constexpr double kPesoGiocata = 0.2;

// Strengths (strictly above) from which the standard bidder goes down to Tre, Re, ... Due.
constexpr std::array<int, 9> kSoglie = {70, 80, 90, 100, 110, 120, 130, 140, 150};

std::uint32_t Mescola(std::uint32_t h, std::uint32_t v) {
    h ^= v + 0x9e3779b9u + (h << 6) + (h >> 2);
    return h;
}

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

// Beyond this many possible hands for a seat, the worlds of one decision rarely deal it the
// same one twice: its model's answers are not worth remembering.
constexpr long long kManiDaRicordare = 4096;

// Whether k cards out of n make at most limite different hands.
bool PocheMani(int n, int k, long long limite) {
    long long mani = 1;
    for (int i = 1; i <= k; ++i) {
        mani = mani * (n - k + i) / i;
        if (mani > limite) {
            return false;
        }
    }
    return true;
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
    for (std::size_t s = 0; s < 5; ++s) {
        daRicordare[s] =
            PocheMani(static_cast<int>(nascoste.size()), carteNascoste[s], kManiDaRicordare);
    }
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

double MondiPossibili::Peso(const RegistroPartita& mondo, SimulatorePartita& modello) const {
    double peso = 1.0;
    // The bids: the standard bidder goes down the ladder as far as its strength allows and
    // never bids a rank whose card of its best suit it holds.
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

    // The play: replayed from the deal, each card of another seat checked against the card the
    // model of that seat would have chosen there.
    if (mondo.NumeroCarteGiocate() == 0) {
        return peso;
    }
    if (&modello != modelloRisposte) {
        risposte.assign(1024, {});
        numeroRisposte = 0;
        modelloRisposte = &modello;
    }
    // The face-down cards drawn for this world, the only played cards that differ between
    // worlds.
    std::uint32_t carteCoperte = 0;
    for (const int n : coperte) {
        carteCoperte =
            (carteCoperte << 6) | static_cast<std::uint32_t>(mondo.CartaGiocata(n).Indice());
    }
    RegistroPartita r = mondo.InizioDelGioco();
    const auto Rigioca = [&](Partita& partita) {
        partita.Riprendi();
        while (r.NumeroCarteGiocate() < mondo.NumeroCarteGiocate() ||
               r.CarteInTavola() != mondo.CarteInTavola()) {
            switch (partita.Stato()) {
            case 4:
                partita.ImpostaBriscola(mondo.briscola);
                break;
            case 5: {
                const int chi = r.turno;
                Carta carta = mondo.CartaGiocata(r.NumeroCarteGiocate());
                if (chi != giocatore) {
                    const Carta attesa = daRicordare[static_cast<std::size_t>(chi)]
                                             ? Modello(r, chi, carteCoperte, modello)
                                             : modello.CartaModello(r, chi);
                    if (!(attesa == carta)) {
                        peso *= kPesoGiocata;
                    }
                }
                partita.Gioca(carta);
                break;
            }
            case 6:
                partita.FineMano();
                break;
            default:
                partita.RaccogliMano();
                break;
            }
        }
    };
    if (r.primaManoCoperta == 1) {
        PartitaPrimaManoAlBuio partita(r);
        Rigioca(partita);
    } else {
        Partita partita(r);
        Rigioca(partita);
    }
    return peso;
}

std::size_t MondiPossibili::Hash(const Domanda& d) {
    std::uint64_t h = d.mano * 0x9e3779b97f4a7c15ull;
    h ^= (static_cast<std::uint64_t>(d.coperte) << 16 | static_cast<std::uint64_t>(d.giocate) << 4 |
          static_cast<std::uint64_t>(d.chi) << 1 | (d.tattico ? 1u : 0u)) *
         0xc2b2ae3d27d4eb4full;
    return static_cast<std::size_t>(h ^ (h >> 29));
}

Carta MondiPossibili::Modello(const RegistroPartita& r, int chi, std::uint32_t carteCoperte,
                              SimulatorePartita& modello) const {
    const Domanda domanda{
        r.ManoInBit(chi), carteCoperte, static_cast<std::int16_t>(r.NumeroCarteGiocate()),
        static_cast<std::int8_t>(chi), modello.Tattici()[static_cast<std::size_t>(chi)]};
    const auto Posto = [this](const Domanda& d) {
        std::size_t i = Hash(d) & (risposte.size() - 1);
        while (risposte[i].usata && !(risposte[i].domanda == d)) {
            i = (i + 1) & (risposte.size() - 1);
        }
        return i;
    };
    std::size_t i = Posto(domanda);
    if (risposte[i].usata) {
        return risposte[i].carta;
    }
    const Carta carta = modello.CartaModello(r, chi);
    // Kept at most half full, so that probes stay short.
    if (2 * (numeroRisposte + 1) > risposte.size()) {
        std::vector<Risposta> vecchie(risposte.size() * 2);
        vecchie.swap(risposte);
        for (const Risposta& v : vecchie) {
            if (v.usata) {
                risposte[Posto(v.domanda)] = v;
            }
        }
        i = Posto(domanda);
    }
    risposte[i] = {domanda, carta, true};
    ++numeroRisposte;
    return carta;
}

std::vector<RegistroPartita> MondiPossibili::Estrai(int quanti, int candidati,
                                                    GeneratoreCasuale& generatore,
                                                    SimulatorePartita& modello) const {
    candidati = std::max(candidati, quanti);
    std::vector<RegistroPartita> mondi;
    std::vector<double> pesi;
    mondi.reserve(static_cast<std::size_t>(candidati));
    pesi.reserve(static_cast<std::size_t>(candidati));
    double totale = 0.0;
    for (int i = 0; i < candidati; ++i) {
        mondi.push_back(Mondo(generatore));
        pesi.push_back(Peso(mondi.back(), modello));
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
