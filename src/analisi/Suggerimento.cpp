#include "analisi/Suggerimento.h"

#include <algorithm>
#include <exception>
#include <thread>

#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "ia/GiocaCartaEsperto.h"
#include "ia/LicitazioneEsperto.h"
#include "ia/MondiPossibili.h"
#include "ia/SimulatorePartita.h"
#include "partita/Licitazione.h"
#include "partita/Partita.h"
#include "partita/RegistroPartita.h"

namespace {

// Deals drawn, sides' points and cards' strength as the expert weighs them.
constexpr int kCandidatiPerMondo = GiocaCartaEsperto::kCandidatiPerMondo;

int PuntiDellaSquadra(const RegistroPartita& registro, int giocatore) {
    return GiocaCartaEsperto::PuntiDellaSquadra(registro, giocatore);
}

Alternativa Offerta(const Chiamata& chiamata) {
    return {chiamata, BriscolaIndefinita, Carta()};
}

int Forza(const Carta& carta, const Briscola& briscola) {
    return GiocaCartaEsperto::Forza(carta, briscola);
}

// Plays gioca(k, model) for every k below n, spread over the models, one thread each; the
// first error raised in a thread is raised here once all have ended.
template <typename Gioca>
void InParallelo(int n, const std::vector<std::unique_ptr<SimulatorePartita>>& modelli,
                 const Gioca& gioca) {
    const int fili = std::min(n, static_cast<int>(modelli.size()));
    std::vector<std::exception_ptr> errori(static_cast<std::size_t>(fili));
    std::vector<std::thread> thread;
    for (int f = 0; f < fili; ++f) {
        thread.emplace_back([&, f] {
            try {
                for (int k = f; k < n; k += fili) {
                    gioca(k, *modelli[static_cast<std::size_t>(f)]);
                }
            } catch (...) {
                errori[static_cast<std::size_t>(f)] = std::current_exception();
            }
        });
    }
    for (std::thread& t : thread) {
        t.join();
    }
    for (const std::exception_ptr& e : errori) {
        if (e) {
            std::rethrow_exception(e);
        }
    }
}

} // namespace

int Suggerimento::Indice(const Chiamata& chiamata) const {
    for (std::size_t k = 0; k < alternative.size(); ++k) {
        if (alternative[k].chiamata == chiamata && alternative[k].chiamata.Seme == chiamata.Seme) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

int Suggerimento::Indice(const Briscola& briscola) const {
    for (std::size_t k = 0; k < alternative.size(); ++k) {
        if (alternative[k].briscola == briscola) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

int Suggerimento::Indice(const Carta& carta) const {
    for (std::size_t k = 0; k < alternative.size(); ++k) {
        if (alternative[k].carta == carta) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

int Consigliere::BudgetPredefinito() {
    return 4 * GiocaCartaEsperto::kBudgetPredefinito;
}

Consigliere::Consigliere(const std::string& fileRegole, int budget, std::uint32_t seme,
                         const std::array<bool, 5>& tattici)
    : budget(budget), seme(seme), fileRegole(fileRegole), tattici(tattici) {
    if (budget < 1) {
        throw Errore("Budget del suggerimento non valido: " + std::to_string(budget));
    }
    const int nuclei = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 16);
    for (int n = 0; n < nuclei; ++n) {
        modelli.push_back(std::make_unique<SimulatorePartita>(fileRegole));
        modelli.back()->ImpostaTattici(tattici);
    }
}

Consigliere::~Consigliere() = default;

Suggerimento Consigliere::Suggerisci(const RegistroPartita& registro, const Chiamata* fatta) const {
    RegistroPartita copia = registro;
    const std::unique_ptr<Partita> partita = CreaPartita(copia.primaManoCoperta == 1, copia);
    const int giocatore = partita->Riprendi();
    switch (partita->Stato()) {
    case StatoPartita::Licitazione:
        return Licitazioni(registro, giocatore, fatta);
    case StatoPartita::SceltaBriscola:
        return Briscole(registro, giocatore);
    case StatoPartita::Giocata:
        return Carte(registro, giocatore);
    default:
        throw Errore("Nessuna decisione da suggerire in questo momento");
    }
}

Suggerimento Consigliere::Carte(const RegistroPartita& registro, int giocatore) const {
    Suggerimento s;
    s.tipo = TipoDecisione::Carta;
    s.giocatore = giocatore;
    for (int c = 0; c < 40; ++c) {
        if (registro.InMano(c) && registro.Distribuzione(c) == giocatore) {
            s.alternative.push_back({ChiamataPasso, BriscolaIndefinita, Carta::DaIndice(c)});
        }
    }
    if (s.alternative.empty()) {
        throw Errore("Nessuna carta in mano al giocatore " + std::to_string(giocatore));
    }
    // The trump this seat would name, were it to name one after a face-down first trick.
    const Briscola prevista(SimulatorePartita::SemeMigliore(registro, giocatore));
    const MondiPossibili possibili(registro, giocatore);
    GeneratoreCasuale generatore(seme ^ possibili.Impronta());
    const std::vector<RegistroPartita> mondi =
        possibili.Estrai(budget, budget * kCandidatiPerMondo, generatore, *modelli.front());
    const int n = static_cast<int>(s.alternative.size());
    InParallelo(n, modelli, [&](int k, SimulatorePartita& modello) {
        Alternativa& a = s.alternative[static_cast<std::size_t>(k)];
        const GiocaCartaEsperto::Valutazione v =
            GiocaCartaEsperto::ValutaNeiMondi(mondi, a.carta, modello, giocatore, prevista);
        a.media = v.media;
        a.puntiSquadra = v.puntiSquadra;
    });
    // As the expert chooses: the best score, then its side's points, then the weaker card.
    const Briscola nota = registro.briscola.Nominata() ? registro.briscola : prevista;
    for (int k = 1; k < n; ++k) {
        const Alternativa& a = s.alternative[static_cast<std::size_t>(k)];
        const Alternativa& b = s.Preferita();
        const bool meglio = a.media != b.media ? a.media > b.media
                            : a.puntiSquadra != b.puntiSquadra
                                ? a.puntiSquadra > b.puntiSquadra
                                : Forza(a.carta, nota) < Forza(b.carta, nota);
        if (meglio) {
            s.preferita = k;
        }
    }
    return s;
}

Suggerimento Consigliere::Licitazioni(const RegistroPartita& registro, int giocatore,
                                      const Chiamata* fatta) const {
    Suggerimento s;
    s.tipo = TipoDecisione::Licitazione;
    s.giocatore = giocatore;
    LicitazioneAPunti valutazione(giocatore, LicitazioneEsperto::kAggiuntaForza);
    valutazione.ValutaManoDa(registro);
    const Chiamata obbligata = valutazione.Ammessa(registro, ChiamataPasso);
    const bool passoAmmesso = obbligata == ChiamataPasso;
    // The expert's own candidates: a pass, the next bid down the ladder, the jumps to 70 and
    // 80 where the hand may call the Due of its suit.
    if (passoAmmesso) {
        s.alternative.push_back(Offerta(ChiamataPasso));
        const Chiamata gradino = valutazione.Gradino(registro);
        if (!(gradino == ChiamataPasso)) {
            s.alternative.push_back(Offerta(gradino));
            const bool hoDue = registro.Distribuzione(
                                   Carta(kDue, valutazione.SemeMigliore()).Indice()) == giocatore;
            for (const int punti : {70, 80}) {
                if (!hoDue && Supera(Chiamata(punti), gradino)) {
                    s.alternative.push_back(Offerta(Chiamata(punti)));
                }
            }
        }
    } else {
        s.alternative.push_back(Offerta(obbligata));
    }
    const int proprie = static_cast<int>(s.alternative.size());
    if (fatta != nullptr && s.Indice(*fatta) < 0) {
        s.alternative.push_back(Offerta(*fatta));
    }
    const MondiPossibili possibili(registro, giocatore);
    GeneratoreCasuale estrazioni((seme * 0x9e3779b9u) ^ possibili.Impronta());
    const std::vector<RegistroPartita> mondi =
        possibili.Estrai(budget, budget * kCandidatiPerMondo, estrazioni, *modelli.front());
    std::vector<std::uint32_t> semiGioco;
    for (std::size_t m = 0; m < mondi.size(); ++m) {
        semiGioco.push_back(estrazioni.Numero());
    }
    std::array<int, 5> aggiunte{};
    aggiunte[static_cast<std::size_t>(giocatore)] = LicitazioneEsperto::kAggiuntaForza;
    const int n = static_cast<int>(s.alternative.size());
    InParallelo(n, modelli, [&](int k, SimulatorePartita& modello) {
        Alternativa& a = s.alternative[static_cast<std::size_t>(k)];
        long long somma = 0;
        long long punti = 0;
        for (std::size_t m = 0; m < mondi.size(); ++m) {
            RegistroPartita r = mondi[m];
            Chiamata chiamata = a.chiamata;
            Partita(r).Licita(giocatore, chiamata);
            GeneratoreCasuale gioco(semiGioco[m]);
            somma += modello.GiocaDallaLicitazione(r, aggiunte,
                                                   gioco)[static_cast<std::size_t>(giocatore)];
            punti += PuntiDellaSquadra(r, giocatore);
        }
        const auto m = static_cast<double>(mondi.size());
        a.media = static_cast<double>(somma) / m;
        a.puntiSquadra = static_cast<double>(punti) / m;
    });
    // The expert bids its best candidate unless a pass scores better by more than its margin.
    int migliore = -1;
    for (int k = passoAmmesso ? 1 : 0; k < proprie; ++k) {
        if (migliore < 0 || s.alternative[static_cast<std::size_t>(k)].media >
                                s.alternative[static_cast<std::size_t>(migliore)].media) {
            migliore = k;
        }
    }
    s.preferita = 0;
    if (migliore >= 0 && (!passoAmmesso || s.alternative[static_cast<std::size_t>(migliore)].media -
                                                   s.alternative.front().media >
                                               LicitazioneEsperto::kVantaggioOfferta)) {
        s.preferita = migliore;
    }
    return s;
}

Suggerimento Consigliere::Briscole(const RegistroPartita& registro, int giocatore) const {
    Suggerimento s;
    s.tipo = TipoDecisione::Briscola;
    s.giocatore = giocatore;
    for (int seme = 0; seme < 4; ++seme) {
        s.alternative.push_back({ChiamataPasso, Briscola(seme), Carta()});
    }
    const MondiPossibili possibili(registro, giocatore);
    GeneratoreCasuale generatore((seme * 0x85ebca6bu) ^ possibili.Impronta());
    const std::vector<RegistroPartita> mondi =
        possibili.Estrai(budget, budget * kCandidatiPerMondo, generatore, *modelli.front());
    InParallelo(4, modelli, [&](int k, SimulatorePartita& modello) {
        Alternativa& a = s.alternative[static_cast<std::size_t>(k)];
        long long somma = 0;
        long long punti = 0;
        for (const RegistroPartita& mondo : mondi) {
            RegistroPartita r = mondo;
            const std::unique_ptr<Partita> gioco = CreaPartita(r.primaManoCoperta == 1, r);
            gioco->Riprendi();
            gioco->ImpostaBriscola(a.briscola);
            somma += modello.GiocaFinoAllaFine(r, giocatore, a.briscola)[giocatore];
            punti += PuntiDellaSquadra(r, giocatore);
        }
        const auto m = static_cast<double>(mondi.size());
        a.media = static_cast<double>(somma) / m;
        a.puntiSquadra = static_cast<double>(punti) / m;
    });
    for (int k = 1; k < 4; ++k) {
        const Alternativa& a = s.alternative[static_cast<std::size_t>(k)];
        const Alternativa& b = s.Preferita();
        if (a.media > b.media || (a.media == b.media && a.puntiSquadra > b.puntiSquadra)) {
            s.preferita = k;
        }
    }
    return s;
}
