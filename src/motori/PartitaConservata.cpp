#include "motori/PartitaConservata.h"

#include <charconv>

#include "comune/Errore.h"
#include "motori/FinestraGioco.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/Tavolo.h"
#include "partita/FileStoria.h"
#include "partita/Partita.h"

namespace {

constexpr std::string_view kIntestazione = "Pentaludo serie in corso 1";
// A game never takes more steps than this from its start to its end.
constexpr int kPassiMassimi = 2000;
constexpr int kLicitazioniMassime = 200;

// A bid as one number: its rank, or its points past the Due, or -1 for a pass.
int CodiceChiamata(const Chiamata& chiamata) {
    if (chiamata.Valore == kPasso) {
        return -1;
    }
    return chiamata.Punti > 60 ? chiamata.Punti : chiamata.Valore;
}

bool CodiceValido(int codice) {
    return (codice >= -1 && codice <= 9) || (codice >= 61 && codice <= 120);
}

Chiamata DaCodice(int codice) {
    return codice == -1 ? ChiamataPasso : Chiamata(codice);
}

[[noreturn]] void Illeggibile() {
    throw Errore("La partita conservata non si può leggere");
}

// The kept text, line by line.
class Lettore {
public:
    explicit Lettore(std::string_view byte) : resto(byte) {}

    std::string_view Riga() {
        const std::size_t fine = resto.find('\n');
        if (fine == std::string_view::npos) {
            Illeggibile();
        }
        const std::string_view riga = resto.substr(0, fine);
        resto.remove_prefix(fine + 1);
        return riga;
    }
    // The rest of the line that starts with the key and a blank.
    std::string_view Valore(std::string_view chiave) {
        std::string_view riga = Riga();
        if (!riga.starts_with(chiave) || riga.size() <= chiave.size() ||
            riga[chiave.size()] != ' ') {
            Illeggibile();
        }
        riga.remove_prefix(chiave.size() + 1);
        return riga;
    }
    int Numero(std::string_view chiave, int minimo, int massimo) {
        return Numeri<1>(Valore(chiave), minimo, massimo)[0];
    }
    GeneratoreCasuale Generatore(std::string_view chiave) {
        GeneratoreCasuale generatore;
        if (!generatore.ImpostaStato(Valore(chiave))) {
            Illeggibile();
        }
        return generatore;
    }
    std::string_view Byte(std::size_t quanti) {
        if (resto.size() < quanti) {
            Illeggibile();
        }
        const std::string_view byte = resto.substr(0, quanti);
        resto.remove_prefix(quanti);
        return byte;
    }
    bool Finito() const { return resto.empty(); }

    // N numbers separated by one blank, each within its bounds.
    template <std::size_t N>
    static std::array<int, N> Numeri(std::string_view testo, int minimo, int massimo) {
        std::array<int, N> numeri{};
        const char* punto = testo.data();
        const char* fine = testo.data() + testo.size();
        for (std::size_t i = 0; i < N; ++i) {
            if (i > 0) {
                if (punto == fine || *punto != ' ') {
                    Illeggibile();
                }
                ++punto;
            }
            const auto [dopo, errore] = std::from_chars(punto, fine, numeri[i]);
            if (errore != std::errc() || numeri[i] < minimo || numeri[i] > massimo) {
                Illeggibile();
            }
            punto = dopo;
        }
        if (punto != fine) {
            Illeggibile();
        }
        return numeri;
    }

private:
    std::string_view resto;
};

} // namespace

void RilevaPartita(const Tavolo& tavolo, PartitaConservata& conservata) {
    const StatoTavolo& stato = tavolo.Stato();
    conservata.storia = FileStoria::Scrivi(stato.storia);
    const Partita* partita = tavolo.Driver().PartitaCorrente();
    conservata.inCorso = partita != nullptr && tavolo.Driver().InCorso();
    conservata.licitazioni.clear();
    conservata.carte.clear();
    if (!conservata.inCorso) {
        return;
    }
    conservata.stato = static_cast<int>(partita->Stato());
    const RegistroPartita& registro = stato.registro;
    for (int n = 0; n < registro.NumeroLicitazioni(); ++n) {
        int giocatore = -1;
        const Chiamata chiamata = registro.LicitazioneN(n, giocatore);
        conservata.licitazioni.emplace_back(giocatore, chiamata);
    }
    conservata.briscola = registro.briscola.Nominata() ? registro.briscola.Seme() : -1;
    for (int n = 0; n < registro.NumeroCarteGiocate(); ++n) {
        int giocatore = -1;
        Carta carta;
        registro.CartaGiocata(n, giocatore, carta);
        conservata.carte.emplace_back(giocatore, carta.Indice());
    }
}

std::string ScriviPartitaConservata(const PartitaConservata& c) {
    std::string testo;
    const auto riga = [&](std::string_view chiave, const std::string& valore) {
        testo.append(chiave).append(" ").append(valore).append("\n");
    };
    testo.append(kIntestazione).append("\n");
    riga("storia", std::to_string(c.storia.size()));
    testo.append(c.storia).append("\n");
    riga("partita", c.inCorso ? "1" : "0");
    if (c.inCorso) {
        riga("giocatori", c.generatoreGiocatori.Stato());
        riga("generatore", c.generatorePartita.Stato());
        riga("finestra", c.generatoreFinestra.Stato());
        riga("esperti", c.esperti ? "1" : "0");
        riga("albuio", c.manoAlBuio ? "1" : "0");
        riga("monte", std::to_string(c.puntiMonte));
        riga("stato", std::to_string(c.stato));
        riga("licitazioni", std::to_string(c.licitazioni.size()));
        for (const auto& [giocatore, chiamata] : c.licitazioni) {
            testo.append(std::to_string(giocatore))
                .append(" ")
                .append(std::to_string(CodiceChiamata(chiamata)))
                .append("\n");
        }
        riga("briscola", std::to_string(c.briscola));
        riga("carte", std::to_string(c.carte.size()));
        for (const auto& [giocatore, carta] : c.carte) {
            testo.append(std::to_string(giocatore))
                .append(" ")
                .append(std::to_string(carta))
                .append("\n");
        }
    }
    testo.append("fine\n");
    return testo;
}

PartitaConservata LeggiPartitaConservata(std::string_view byte) {
    Lettore lettore(byte);
    PartitaConservata c;
    if (lettore.Riga() != kIntestazione) {
        Illeggibile();
    }
    const int lunghezza = lettore.Numero("storia", 0, 1 << 24);
    c.storia = std::string(lettore.Byte(static_cast<std::size_t>(lunghezza)));
    TipoStoriaPartite prova;
    if (!lettore.Riga().empty() || !FileStoria::Leggi(c.storia, prova, nullptr)) {
        Illeggibile();
    }
    c.inCorso = lettore.Numero("partita", 0, 1) != 0;
    if (c.inCorso) {
        c.generatoreGiocatori = lettore.Generatore("giocatori");
        c.generatorePartita = lettore.Generatore("generatore");
        c.generatoreFinestra = lettore.Generatore("finestra");
        c.esperti = lettore.Numero("esperti", 0, 1) != 0;
        c.manoAlBuio = lettore.Numero("albuio", 0, 1) != 0;
        c.puntiMonte = lettore.Numero("monte", 0, 120);
        c.stato = lettore.Numero("stato", static_cast<int>(StatoPartita::Distribuzione),
                                 static_cast<int>(StatoPartita::Punteggi));
        const int licitazioni = lettore.Numero("licitazioni", 0, kLicitazioniMassime);
        for (int n = 0; n < licitazioni; ++n) {
            const auto [giocatore, codice] = Lettore::Numeri<2>(lettore.Riga(), -1, 120);
            if (giocatore < 0 || giocatore > 4 || !CodiceValido(codice)) {
                Illeggibile();
            }
            c.licitazioni.emplace_back(giocatore, DaCodice(codice));
        }
        c.briscola = lettore.Numero("briscola", -1, 3);
        const int carte = lettore.Numero("carte", 0, 40);
        for (int n = 0; n < carte; ++n) {
            const auto [giocatore, carta] = Lettore::Numeri<2>(lettore.Riga(), 0, 39);
            if (giocatore > 4) {
                Illeggibile();
            }
            c.carte.emplace_back(giocatore, carta);
        }
    }
    if (lettore.Riga() != "fine" || !lettore.Finito()) {
        Illeggibile();
    }
    return c;
}

void RigiocaPartita(Tavolo& tavolo, FinestraGioco& casella, int umano,
                    const PartitaConservata& conservata, const OpzioniTavolo& opzioni) {
    if (!conservata.inCorso) {
        return;
    }
    StatoTavolo& stato = tavolo.Stato();
    static_cast<GeneratoreCasuale&>(stato.generatore) = conservata.generatoreGiocatori;
    tavolo.CambiaGiocatori(opzioni);
    static_cast<GeneratoreCasuale&>(stato.generatore) = conservata.generatorePartita;
    Semaforo& driver = tavolo.Driver();
    driver.ImpostaManoAlBuio(conservata.manoAlBuio);
    driver.ImpostaPuntiMonte(conservata.puntiMonte);
    driver.NuovaPartita();

    std::size_t licitazioni = 0;
    std::size_t carte = 0;
    // The person's next decision, from what was kept: the first of that seat not yet replayed.
    const auto Prossima = [&](const auto& elenco, std::size_t fatte) -> const auto* {
        for (std::size_t i = fatte; i < elenco.size(); ++i) {
            if (elenco[i].first == umano) {
                return &elenco[i];
            }
        }
        return static_cast<decltype(&elenco[0])>(nullptr);
    };
    const auto Arrivata = [&] {
        const RegistroPartita& r = stato.registro;
        return static_cast<int>(driver.PartitaCorrente()->Stato()) == conservata.stato &&
               static_cast<std::size_t>(r.NumeroLicitazioni()) == conservata.licitazioni.size() &&
               static_cast<std::size_t>(r.NumeroCarteGiocate()) == conservata.carte.size();
    };
    for (int passo = 0; !Arrivata(); ++passo) {
        const auto fase = driver.PartitaCorrente()->Stato();
        if (passo > kPassiMassimi || fase == StatoPartita::Inattiva) {
            throw Errore("La partita conservata non si ripete");
        }
        licitazioni = static_cast<std::size_t>(stato.registro.NumeroLicitazioni());
        carte = static_cast<std::size_t>(stato.registro.NumeroCarteGiocate());
        if (driver.GiocatoreCorrente() == umano) {
            if (fase == StatoPartita::Licitazione) {
                if (const auto* scelta = Prossima(conservata.licitazioni, licitazioni)) {
                    casella.ImpostaChiamataScelta(scelta->second);
                }
            } else if (fase == StatoPartita::SceltaBriscola && conservata.briscola >= 0) {
                casella.ImpostaBriscolaScelta(Briscola(conservata.briscola));
            } else if (fase == StatoPartita::Giocata) {
                if (const auto* scelta = Prossima(conservata.carte, carte)) {
                    casella.ImpostaCartaScelta(Carta::DaIndice(scelta->second));
                }
            }
        }
        driver.Passo();
    }
    // The same game, or another program's: every bid and card must be the ones kept.
    PartitaConservata rigiocata;
    RilevaPartita(tavolo, rigiocata);
    if (rigiocata.licitazioni != conservata.licitazioni || rigiocata.carte != conservata.carte ||
        rigiocata.briscola != conservata.briscola) {
        throw Errore("La partita conservata non si ripete");
    }
}

void ProvaPartitaConservata(const PartitaConservata& conservata, const OpzioniTavolo& opzioni) {
    FinestraSilenziosa finestra;
    Tavolo prova(0, 1, &finestra, opzioni);
    if (!FileStoria::Leggi(conservata.storia, prova.Stato().storia, nullptr)) {
        Illeggibile();
    }
    RigiocaPartita(prova, finestra, 4, conservata, opzioni);
}
