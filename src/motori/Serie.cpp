#include "motori/Serie.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <future>
#include <limits>
#include <new>
#include <optional>

#include "comune/Errore.h"
#include "motori/GiocatoriNotati.h"
#include "motori/ManagerMotoriOutputGrafico.h"
#include "motori/RegistrazioneSerie.h"
#include "motori/VerificaPartita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

using Orologio = std::chrono::steady_clock;

// The table of a series or of one of its shares: the silent window draws the simulated
// person's choices from the table's generator.
std::unique_ptr<Tavolo> CreaTavolo(FinestraSilenziosa& finestra, const OpzioniSerie& opzioni,
                                   std::uint32_t seme, const TipoStoriaPartite& storia) {
    auto tavolo = std::make_unique<Tavolo>(opzioni.tipo, seme, &finestra, opzioni.tavolo);
    tavolo->Stato().storia = storia;
    tavolo->Driver().ImpostaManoAlBuio(opzioni.manoAlBuio);
    finestra.ImpostaGeneratore(&tavolo->Stato().generatore);
    return tavolo;
}

long long RighePerse(const Semaforo& semaforo) {
    const auto* manager = dynamic_cast<const ManagerMotoriOutputGrafico*>(&semaforo.Manager());
    return manager != nullptr ? manager->Log().RighePerse() : 0;
}

std::array<int, 5> Punteggi(const PartitaGiocata& partita) {
    std::array<int, 5> punteggi{};
    std::copy(partita.punteggio.begin(), partita.punteggio.end(), punteggi.begin());
    return punteggi;
}

// Plays games on this thread's record and history until partite are done, a check fails or
// dopoPartita (given each finished game's number) asks to stop. Errors go to the result.
void GiocaPartite(Tavolo& tavolo, long long partite, bool verifica, EsitoSerie& esito,
                  const std::function<bool(int numero)>& dopoPartita) {
    Semaforo& semaforo = tavolo.Driver();
    const TipoStoriaPartite& storia = tavolo.Stato().storia;
    try {
        int contate = storia.numeroPartite;
        semaforo.NuovaPartita();
        while (esito.giocate < partite) {
            semaforo.Passo();
            if (storia.numeroPartite == contate) {
                continue;
            }
            contate = storia.numeroPartite;
            ++esito.giocate;
            if (verifica) {
                auto violazioni = VerificaPartita(tavolo.Stato().registro, storia, contate - 1);
                if (!violazioni.empty()) {
                    esito.partitaViolata = contate - 1;
                    esito.violazioni = std::move(violazioni);
                    return;
                }
            }
            if (!dopoPartita(contate - 1)) {
                return;
            }
            if (!semaforo.InCorso() && !semaforo.RipartenzaAutomatica() &&
                esito.giocate < partite) {
                semaforo.NuovaPartita();
            }
        }
    } catch (const std::exception& e) {
        esito.errore = e.what();
        esito.partitaErrore = storia.numeroPartite;
    }
}

bool Fallita(const EsitoSerie& esito) {
    return esito.partitaViolata >= 0 || !esito.errore.empty();
}

} // namespace

Serie::Serie(const OpzioniSerie& opzioni, const TipoStoriaPartite& storia) : opzioni(opzioni) {
    if (opzioni.partite < 0) {
        throw Errore("Numero di partite non valido: " + std::to_string(opzioni.partite));
    }
    const long long gia = storia.numeroPartite;
    const long long massimo = std::numeric_limits<std::int32_t>::max() - gia;
    if (opzioni.partite > massimo) {
        throw Errore("La serie ha già " + std::to_string(gia) +
                     " partite: se ne possono giocare al più altre " + std::to_string(massimo));
    }
    if (std::string limite = storia.Limite(); opzioni.partite > 0 && !limite.empty()) {
        throw Errore(limite);
    }
    // Each share plays whole blocks of five games (see GiocaInParallelo).
    fili = static_cast<int>(
        std::clamp<long long>(opzioni.fili, 1, std::max<long long>(1, (opzioni.partite + 4) / 5)));
    tavolo = CreaTavolo(finestra, opzioni, opzioni.seme, storia);
    const ManagerMotori& manager = tavolo->Manager();
    giocatori = GiocatoriDelTavolo(manager);
    for (int s = 0; s < 5; ++s) {
        descrizioni[static_cast<std::size_t>(s)] = manager.DescrizioneMotore(s);
        const Motore& motore = manager.MotoreDi(s);
        std::string nome = motore.Umano()                       ? "umano simulato"
                           : motore.StrategiaCarta() != nullptr ? motore.StrategiaCarta()->Nome()
                                                                : "";
        // The challenger's rules play only where no other player is seated (as CreaMotori).
        if (s == 4 && !opzioni.tavolo.fileSfidante.empty() && !opzioni.tavolo.casuale[4] &&
            !opzioni.tavolo.esperto[4]) {
            nome = "sfidante " + nome;
        }
        if (motore.Umano()) {
            postoUmano = s;
        }
        auto gruppo = std::find_if(gruppi.begin(), gruppi.end(),
                                   [&](const GruppoPosti& g) { return g.nome == nome; });
        if (gruppo == gruppi.end()) {
            gruppo = gruppi.insert(gruppi.end(), GruppoPosti{{}, nome});
        }
        gruppo->posti[static_cast<std::size_t>(s)] = true;
    }
}

Serie::~Serie() = default;

const std::string& Serie::LogTest() const {
    static const std::string nessuno;
    const auto* manager = dynamic_cast<const ManagerMotoriOutputGrafico*>(&tavolo->Manager());
    return manager != nullptr ? manager->Log().Percorso() : nessuno;
}

std::vector<GruppoPosti> Serie::Confronti() const {
    if (gruppi.size() != 2) {
        return gruppi.size() > 2 ? gruppi : std::vector<GruppoPosti>{};
    }
    const auto Posti = [](const GruppoPosti& g) {
        return std::count(g.posti.begin(), g.posti.end(), true);
    };
    const GruppoPosti& a = gruppi[0];
    const GruppoPosti& b = gruppi[1];
    if (Posti(a) != Posti(b)) {
        return {Posti(a) < Posti(b) ? a : b};
    }
    return {a.posti[4] ? a : b};
}

std::uint32_t Serie::SemeQuota(std::uint32_t seme, int quota) {
    if (quota == 0) {
        return seme;
    }
    // splitmix64 of the seed and the share: unrelated seeds for neighbouring shares.
    std::uint64_t x = (static_cast<std::uint64_t>(seme) << 32) ^ static_cast<std::uint32_t>(quota);
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    const auto derivato = static_cast<std::uint32_t>(x);
    return derivato != 0 ? derivato : 1;
}

EsitoSerie Serie::Gioca(const std::function<void(long long)>& progresso) {
    const auto inizio = Orologio::now();
    EsitoSerie esito;
    try {
        esito = fili == 1 ? GiocaInUnFilo(progresso) : GiocaInParallelo(progresso);
    } catch (const std::bad_alloc&) {
        esito.errore = "memoria esaurita";
        esito.partitaErrore = Storia().numeroPartite;
    } catch (const std::exception& e) {
        // Out of the games themselves: a thread that could not start.
        esito.errore = e.what();
        esito.partitaErrore = Storia().numeroPartite;
    }
    esito.secondi = std::chrono::duration<double>(Orologio::now() - inizio).count();
    return esito;
}

EsitoSerie Serie::GiocaInUnFilo(const std::function<void(long long)>& progresso) {
    EsitoSerie esito;
    const TipoStoriaPartite& storia = tavolo->Stato().storia;
    std::optional<RegistrazioneSerie> registra;
    if (registrazione != nullptr) {
        registra.emplace(*registrazione, 1);
    }
    GiocaPartite(*tavolo, opzioni.partite, opzioni.verifica, esito, [&](int numero) {
        esito.statistica.Aggiungi(numero, Punteggi(storia.Partita(numero)));
        if (registra) {
            registra->Scrivi(0, NotazionePartita(tavolo->Stato().registro, giocatori, numero));
        }
        if (progresso && (esito.giocate & 255) == 0) {
            progresso(esito.giocate);
        }
        return true;
    });
    esito.righeLogPerse = RighePerse(tavolo->Driver());
    esito.registrazioneFallita = registra && !registra->Chiudi(1);
    return esito;
}

EsitoSerie Serie::GiocaInParallelo(const std::function<void(long long)>& progresso) {
    // What a share hands back: the history of its games (totals, statistics, the last games)
    // and its figures, never a list of its games, so that a share takes the same memory
    // whatever its number of games.
    struct Quota {
        int prima = 0;
        long long partite = 0;
        TipoStoriaPartite storia;
        EsitoSerie esito;
    };
    // Whole blocks of five games to each share, so that what changes every five games of a
    // table (the tactical player's coefficients of the third seating) changes at the same
    // games as in a single series.
    std::vector<Quota> quote(static_cast<std::size_t>(fili));
    const long long base = tavolo->Stato().storia.numeroPartite;
    const long long blocchi = (opzioni.partite + 4) / 5;
    for (int k = 0; k < fili; ++k) {
        Quota& q = quote[static_cast<std::size_t>(k)];
        const long long inizio = std::min(opzioni.partite, 5 * (blocchi * k / fili));
        const long long fine = std::min(opzioni.partite, 5 * (blocchi * (k + 1) / fili));
        q.prima = static_cast<int>(base + inizio);
        q.partite = fine - inizio;
    }

    std::optional<RegistrazioneSerie> registra;
    if (registrazione != nullptr) {
        registra.emplace(*registrazione, fili);
    }
    std::atomic<long long> giocate{0};
    std::atomic<bool> ferma{false};
    // Share k on a thread of its own, at a table of its own whose history begins as inizio.
    // What the games do depends on the game numbers only, never on the totals the history
    // holds.
    const auto GiocaQuota = [&](int k, const TipoStoriaPartite& inizio,
                                const OpzioniSerie& opzioniQuota, bool registraQuota) {
        Quota& q = quote[static_cast<std::size_t>(k)];
        q.esito = EsitoSerie();
        FinestraSilenziosa finestraQuota;
        std::unique_ptr<Tavolo> tavoloQuota;
        try {
            tavoloQuota =
                CreaTavolo(finestraQuota, opzioniQuota,
                           opzioni.tipo == 0 ? SemeQuota(opzioni.seme, k) : opzioni.seme, inizio);
            const TipoStoriaPartite& storiaQuota = tavoloQuota->Stato().storia;
            GiocaPartite(*tavoloQuota, q.partite, opzioni.verifica, q.esito, [&](int numero) {
                q.esito.statistica.Aggiungi(numero, Punteggi(storiaQuota.Partita(numero)));
                if (registraQuota && registra) {
                    registra->Scrivi(
                        k, NotazionePartita(tavoloQuota->Stato().registro, giocatori, numero));
                }
                ++giocate;
                return !ferma;
            });
            q.esito.righeLogPerse = RighePerse(tavoloQuota->Driver());
        } catch (const std::exception& e) {
            q.esito.errore = e.what();
            q.esito.partitaErrore =
                tavoloQuota ? tavoloQuota->Stato().storia.numeroPartite : inizio.numeroPartite;
        }
        q.storia = tavoloQuota ? tavoloQuota->Stato().storia : inizio;
        if (Fallita(q.esito)) {
            ferma = true;
        }
    };
    std::vector<std::future<void>> fatti;
    for (int k = 0; k < fili; ++k) {
        TipoStoriaPartite inizio;
        inizio.numeroPartite = quote[static_cast<std::size_t>(k)].prima;
        fatti.push_back(std::async(std::launch::async, GiocaQuota, k, inizio, opzioni, true));
    }
    for (auto& fatto : fatti) {
        while (fatto.wait_for(std::chrono::milliseconds(200)) != std::future_status::ready) {
            if (progresso) {
                progresso(giocate);
            }
        }
        fatto.get();
    }

    // The shares in order of number: the history and the figures as one series would have
    // them, up to the first share that failed.
    EsitoSerie esito;
    TipoStoriaPartite& storia = tavolo->Stato().storia;
    const auto primaFallita =
        std::find_if(quote.begin(), quote.end(), [](const Quota& q) { return Fallita(q.esito); });
    for (Quota& q : quote) {
        esito.righeLogPerse += q.esito.righeLogPerse;
    }
    ferma = false;
    // The games written out: those of the shares taken, up to the one that stopped the series.
    int prese = 0;
    const auto Registrata = [&] {
        esito.registrazioneFallita = registra && !registra->Chiudi(prese);
        return esito;
    };
    for (Quota& q : quote) {
        ++prese;
        // A share that stopped early stopped for a later one that failed.
        const bool fermata = q.esito.giocate < q.partite && !Fallita(q.esito);
        if (fermata) {
            q.partite = q.esito.giocate;
        }
        try {
            if (q.esito.giocate <= storia.PartiteSicure()) {
                storia.Accoda(q.storia);
            } else {
                // Near the limits of its counters the share is played again on the series
                // itself, so that it stops at the very game a single series would stop at.
                // Its test log lines and its games' notation are written already.
                OpzioniSerie senzaLog = opzioni;
                senzaLog.tavolo.logTest = "/dev/null";
                const int k = static_cast<int>(&q - quote.data());
                std::async(std::launch::async, GiocaQuota, k, std::cref(storia), senzaLog, false)
                    .get();
                storia = q.storia;
            }
        } catch (const std::exception& e) {
            esito.errore = e.what();
            esito.partitaErrore = storia.numeroPartite;
            return Registrata();
        }
        esito.statistica.Accoda(q.esito.statistica);
        esito.giocate += q.esito.giocate;
        const Quota& fallita = fermata && primaFallita != quote.end() ? *primaFallita : q;
        if (Fallita(fallita.esito)) {
            esito.partitaViolata = fallita.esito.partitaViolata;
            esito.violazioni = fallita.esito.violazioni;
            esito.errore = fallita.esito.errore;
            esito.partitaErrore = fallita.esito.partitaErrore;
            break;
        }
    }
    return Registrata();
}
