// Plays series of games without a window (the core's Serie: the same driver, managers,
// engines and game objects the window uses) and reports the scores with how sure they are: to
// compare players, measure strength and speed, and make long soak runs.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "StampaSerie.h"
#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "comune/Percorsi.h"
#include "ia/ErroreRegole.h"
#include "ia/GiocaCartaEsperto.h"
#include "motori/Serie.h"
#include "notazione/PartitaNotata.h"
#include "partita/TipoStoriaPartite.h"

namespace {

constexpr int kEsitoErrore = 1;
constexpr int kEsitoOpzioni = 2;
constexpr int kEsitoVerifica = 3;

// A bad command line: the series does not start.
class ErroreOpzioni : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OpzioniRiga {
    OpzioniSerie serie;
    std::string carica;
    std::string salva;
    std::string registra;
    bool json = false;
    bool aiuto = false;
};

int ProcessoriDisponibili() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// The largest expert's budget: a decision's memory grows with it, some 40 MB at this one.
constexpr int kBudgetMassimo = 5000;

// The help text names the expert's budgets: it must follow them.
static_assert(GiocaCartaEsperto::kBudgetPredefinito == 160 &&
              GiocaCartaEsperto::kBudgetLeggero == 16 && GiocaCartaEsperto::kBudgetPesante == 640 &&
              kBudgetMassimo == 5000);

const char* const kUso =
    "Uso: pentaludo-serie [opzioni]\n"
    "  --tipo N           0 = un umano simulato al posto 4 contro quattro computer\n"
    "                     (o, al posto 4, il giocatore di --sfidante, --casuale o --esperto);\n"
    "                     1, 2, 3 = le tre serie di soli computer (predefinito 1)\n"
    "  --partite N        partite da giocare (predefinito 1000)\n"
    "  --seme S           seme casuale (0 = dall'orologio)\n"
    "  --mano-al-buio 0|1 prima mano coperta (predefinito 1)\n"
    "  --regole FILE      file delle regole dei giocatori standard\n"
    "  --sfidante FILE    il posto 4 gioca con le regole di FILE\n"
    "  --casuale LISTA    posti (separati da virgole) che giocano carte a caso\n"
    "  --esperto LISTA    posti (separati da virgole) del giocatore esperto\n"
    "                     (un posto ha un solo giocatore: --sfidante, --casuale ed\n"
    "                     --esperto non possono chiedere lo stesso posto)\n"
    "  --budget-esperto N partite simulate per carta e decisione dell'esperto\n"
    "                     (predefinito 160; 16 leggero, 640 pesante; al più 5000,\n"
    "                     dove una decisione occupa circa 40 MB)\n"
    "  --carica FILE      riprende una serie salvata (.bri)\n"
    "  --salva FILE       salva la serie alla fine\n"
    "  --registra FILE    scrive ogni partita in FILE, nella notazione delle partite,\n"
    "                     nell'ordine della serie\n"
    "  --log-test FILE    dove scrive il registro di prova la terza serie\n"
    "  --verifica         controlla ogni partita; esce con stato 3 a una violazione\n"
    "  --fili N           serie giocate in parallelo (predefinito: i processori);\n"
    "                     i risultati dipendono solo dal seme e da N\n"
    "  --json             stampa solo un oggetto JSON con i risultati\n";

long long LeggiNumero(std::string_view opzione, std::string_view testo, long long minimo,
                      long long massimo) {
    long long valore = 0;
    const char* fine = testo.data() + testo.size();
    const auto [resto, errore] = std::from_chars(testo.data(), fine, valore);
    if (testo.empty() || errore != std::errc() || resto != fine || valore < minimo ||
        valore > massimo) {
        throw ErroreOpzioni("Valore non valido per " + std::string(opzione) + ": \"" +
                            std::string(testo) + "\" (ammessi da " + std::to_string(minimo) +
                            " a " + std::to_string(massimo) + ")");
    }
    return valore;
}

std::array<bool, 5> LeggiPosti(std::string_view opzione, std::string_view testo) {
    std::array<bool, 5> posti{};
    std::size_t inizio = 0;
    while (inizio <= testo.size()) {
        const std::size_t virgola = std::min(testo.find(',', inizio), testo.size());
        const auto posto = LeggiNumero(opzione, testo.substr(inizio, virgola - inizio), 0, 4);
        posti[static_cast<std::size_t>(posto)] = true;
        inizio = virgola + 1;
    }
    return posti;
}

// Each seat has one player: two options that ask for the same seat would leave one of them
// without effect, unsaid.
void VerificaPosti(const OpzioniTavolo& tavolo) {
    const bool sfidante = !tavolo.fileSfidante.empty();
    for (int s = 0; s < 5; ++s) {
        const auto i = static_cast<std::size_t>(s);
        std::vector<std::string> opzioni;
        if (s == 4 && sfidante) {
            opzioni.push_back("--sfidante");
        }
        if (tavolo.casuale[i]) {
            opzioni.push_back("--casuale");
        }
        if (tavolo.esperto[i]) {
            opzioni.push_back("--esperto");
        }
        if (opzioni.size() > 1) {
            std::string elenco = opzioni[0];
            for (std::size_t k = 1; k < opzioni.size(); ++k) {
                elenco += (k + 1 == opzioni.size() ? " e " : ", ") + opzioni[k];
            }
            throw ErroreOpzioni("Opzioni in conflitto: " + elenco + " chiedono " +
                                (opzioni.size() == 2 ? "entrambe" : "tutte") + " il posto " +
                                std::to_string(s) + ", che ha un solo giocatore");
        }
    }
}

OpzioniRiga LeggiOpzioni(const std::vector<std::string>& argomenti) {
    OpzioniRiga opzioni;
    opzioni.serie.seme = 0;
    opzioni.serie.fili = ProcessoriDisponibili();
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        std::string nome = argomenti[i];
        std::optional<std::string> valore;
        if (const auto uguale = nome.find('='); nome.rfind("--", 0) == 0 && uguale != nome.npos) {
            valore = nome.substr(uguale + 1);
            nome.resize(uguale);
        }
        const auto Valore = [&]() -> std::string {
            if (valore) {
                return *valore;
            }
            if (i + 1 >= argomenti.size()) {
                throw ErroreOpzioni("Manca il valore dell'opzione " + nome);
            }
            return argomenti[++i];
        };
        const auto SenzaValore = [&] {
            if (valore) {
                throw ErroreOpzioni("L'opzione " + nome + " non vuole un valore");
            }
        };
        const auto File = [&] {
            std::string file = Valore();
            if (file.empty()) {
                throw ErroreOpzioni("Manca il nome del file dell'opzione " + nome);
            }
            return file;
        };
        if (nome == "--tipo") {
            opzioni.serie.tipo = static_cast<int>(LeggiNumero(nome, Valore(), 0, 3));
        } else if (nome == "--partite") {
            opzioni.serie.partite =
                LeggiNumero(nome, Valore(), 0, std::numeric_limits<std::int32_t>::max());
        } else if (nome == "--seme") {
            opzioni.serie.seme = static_cast<std::uint32_t>(
                LeggiNumero(nome, Valore(), 0, std::numeric_limits<std::uint32_t>::max()));
        } else if (nome == "--mano-al-buio") {
            opzioni.serie.manoAlBuio = LeggiNumero(nome, Valore(), 0, 1) == 1;
        } else if (nome == "--regole") {
            opzioni.serie.tavolo.fileRegole = File();
        } else if (nome == "--sfidante") {
            opzioni.serie.tavolo.fileSfidante = File();
        } else if (nome == "--casuale") {
            opzioni.serie.tavolo.casuale = LeggiPosti(nome, Valore());
        } else if (nome == "--esperto") {
            opzioni.serie.tavolo.esperto = LeggiPosti(nome, Valore());
        } else if (nome == "--budget-esperto") {
            opzioni.serie.tavolo.budgetEsperto =
                static_cast<int>(LeggiNumero(nome, Valore(), 1, kBudgetMassimo));
        } else if (nome == "--carica") {
            opzioni.carica = File();
        } else if (nome == "--salva") {
            opzioni.salva = File();
        } else if (nome == "--registra") {
            opzioni.registra = File();
        } else if (nome == "--log-test") {
            opzioni.serie.tavolo.logTest = File();
        } else if (nome == "--fili") {
            opzioni.serie.fili = static_cast<int>(LeggiNumero(nome, Valore(), 1, 256));
        } else if (nome == "--verifica") {
            SenzaValore();
            opzioni.serie.verifica = true;
        } else if (nome == "--json") {
            SenzaValore();
            opzioni.json = true;
        } else if (nome == "--aiuto" || nome == "--help" || nome == "-h") {
            opzioni.aiuto = true;
        } else {
            throw ErroreOpzioni("Opzione sconosciuta: " + argomenti[i]);
        }
    }
    VerificaPosti(opzioni.serie.tavolo);
    return opzioni;
}

// The place of the saved series is checked before anything is played; the rules files are
// checked by the players that read them, when the table is built.
void VerificaSalvataggio(const OpzioniRiga& opzioni) {
    if (!opzioni.salva.empty()) {
        namespace fs = std::filesystem;
        std::error_code errore;
        const fs::path salva(opzioni.salva);
        const fs::path cartella = salva.has_parent_path() ? salva.parent_path() : fs::path(".");
        if (!fs::is_directory(cartella, errore) || fs::is_directory(salva, errore)) {
            throw ErroreOpzioni("Impossibile salvare la serie in: " + opzioni.salva);
        }
    }
}

// Progress on a terminal, at most twice a second.
class Progresso {
public:
    Progresso(bool attivo, long long partite) : attivo(attivo), partite(partite) {}
    ~Progresso() {
        if (scritto) {
            std::fprintf(stderr, "\r%40s\r", "");
        }
    }

    void operator()(long long giocate) {
        const auto adesso = std::chrono::steady_clock::now();
        if (attivo && adesso - ultimo > std::chrono::milliseconds(500)) {
            ultimo = adesso;
            scritto = true;
            std::fprintf(stderr, "\rPartite giocate: %lld/%lld", giocate, partite);
        }
    }

private:
    bool attivo;
    long long partite;
    bool scritto = false;
    std::chrono::steady_clock::time_point ultimo = std::chrono::steady_clock::now();
};

int Esegui(const std::vector<std::string>& argomenti, const char* argv0) {
    OpzioniRiga opzioni;
    std::unique_ptr<Serie> serie;
    RisultatoSerie risultato;
    try {
        opzioni = LeggiOpzioni(argomenti);
        if (opzioni.aiuto) {
            std::cout << kUso;
            return 0;
        }
        VerificaSalvataggio(opzioni);
    } catch (const ErroreOpzioni& e) {
        std::cerr << "pentaludo-serie: " << e.what()
                  << "\nPer l'elenco delle opzioni: pentaludo-serie --aiuto\n";
        return kEsitoOpzioni;
    }
    // The games are written as they are played, straight to the file, once the series is
    // ready to start.
    std::ofstream registra;
    // Files named on the command line: the message says what is wrong with them.
    try {
        ImpostaCartellaProgramma(CartellaEseguibile(argv0));
        std::string motivo;
        TipoStoriaPartite caricata;
        if (!opzioni.carica.empty() && !caricata.Carica(opzioni.carica, &motivo)) {
            throw Errore("impossibile caricare la serie " + opzioni.carica + ": " + motivo);
        }
        risultato.tipo = opzioni.serie.tipo;
        risultato.manoAlBuio = opzioni.serie.manoAlBuio;
        risultato.seme = opzioni.serie.seme != 0 ? opzioni.serie.seme : SemeDalOrologio();
        opzioni.serie.seme = risultato.seme;
        serie = std::make_unique<Serie>(opzioni.serie, caricata);
        if (!opzioni.registra.empty()) {
            registra.open(opzioni.registra, std::ios::binary | std::ios::trunc);
            if (!(registra << IntestazioneNotazione())) {
                throw Errore("impossibile scrivere le partite in " + opzioni.registra);
            }
            serie->Registra(&registra);
        }
        risultato.fili = serie->Fili();
        risultato.postoUmano = serie->PostoUmano();
        risultato.descrizioni = serie->Descrizioni();
        risultato.confronti = serie->Confronti();
    } catch (const ErroreRegole& e) {
        std::cerr << e.Posizione() << '\n';
        return kEsitoOpzioni;
    } catch (const std::exception& e) {
        std::cerr << "pentaludo-serie: " << e.what() << '\n';
        return kEsitoOpzioni;
    }

    {
        Progresso progresso(!opzioni.json && isatty(STDERR_FILENO) == 1, opzioni.serie.partite);
        risultato.esito = serie->Gioca(std::ref(progresso));
    }
    const EsitoSerie& esito = risultato.esito;
    if (esito.righeLogPerse > 0) {
        std::cerr << "pentaludo-serie: impossibile scrivere il registro di prova in "
                  << serie->LogTest() << " (" << esito.righeLogPerse << " righe perse)\n";
    }
    if (esito.registrazioneFallita) {
        std::cerr << "pentaludo-serie: impossibile scrivere le partite in " << opzioni.registra
                  << '\n';
    }
    if (esito.partitaViolata >= 0) {
        std::cerr << "Verifica fallita nella partita " << esito.partitaViolata << ":\n";
        for (const auto& v : esito.violazioni) {
            std::cerr << "  " << v << '\n';
        }
        return kEsitoVerifica;
    }
    if (!esito.errore.empty()) {
        std::cerr << "pentaludo-serie: errore nella partita " << esito.partitaErrore << ": "
                  << esito.errore << '\n';
        return kEsitoErrore;
    }

    if (opzioni.json) {
        StampaJson(risultato, serie->Storia());
    } else {
        StampaTabella(risultato, serie->Storia());
    }
    if (!opzioni.salva.empty() && !serie->Storia().Salva(opzioni.salva)) {
        std::cerr << "pentaludo-serie: impossibile salvare la serie in " << opzioni.salva << '\n';
        return kEsitoErrore;
    }
    return esito.registrazioneFallita ? kEsitoErrore : 0;
}

} // namespace

int main(int argc, char** argv) {
    // Whatever is left uncaught (memory that could not be had, a thread that could not start)
    // ends the program with a message, never with an abort.
    try {
        const std::vector<std::string> argomenti(argv + 1, argv + argc);
        return Esegui(argomenti, argv[0]);
    } catch (const std::bad_alloc&) {
        std::cerr << "pentaludo-serie: memoria esaurita\n";
    } catch (const std::exception& e) {
        std::cerr << "pentaludo-serie: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "pentaludo-serie: errore imprevisto\n";
    }
    return kEsitoErrore;
}
