// Plays series of games without a window, through the same driver, managers, engines and
// game objects the window uses, and reports the scores: to compare players, measure strength
// and speed, and make long soak runs.

#include <unistd.h>

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "comune/Percorsi.h"
#include "motori/FinestraSilenziosa.h"
#include "motori/OpzioniTavolo.h"
#include "motori/Semaforo1Giocatore.h"
#include "motori/SemaforoSoloComputer.h"
#include "motori/VerificaPartita.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoGiocatori.h"
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

struct OpzioniSerie {
    int tipo = 1;
    long long partite = 1000;
    std::uint32_t seme = 0;
    bool manoAlBuio = true;
    OpzioniTavolo tavolo;
    std::string carica;
    std::string salva;
    bool verifica = false;
    bool json = false;
    bool aiuto = false;
};

const char* const kUso =
    "Uso: pentaludo-serie [opzioni]\n"
    "  --tipo N           0 = un umano simulato al posto 4 contro quattro computer;\n"
    "                     1, 2, 3 = le tre serie di soli computer (predefinito 1)\n"
    "  --partite N        partite da giocare (predefinito 1000)\n"
    "  --seme S           seme casuale (0 = dall'orologio)\n"
    "  --mano-al-buio 0|1 prima mano coperta (predefinito 1)\n"
    "  --regole FILE      file delle regole dei giocatori standard\n"
    "  --sfidante FILE    il posto 4 gioca con le regole di FILE\n"
    "  --casuale LISTA    posti (separati da virgole) che giocano carte a caso\n"
    "  --esperto LISTA    posti (separati da virgole) del giocatore esperto\n"
    "  --budget-esperto N partite simulate per carta e decisione dell'esperto\n"
    "                     (predefinito 256; 25 leggero, 1024 pesante)\n"
    "  --carica FILE      riprende una serie salvata (.bri)\n"
    "  --salva FILE       salva la serie alla fine\n"
    "  --log-test FILE    dove scrive il registro di prova la terza serie\n"
    "  --verifica         controlla ogni partita; esce con stato 3 a una violazione\n"
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

OpzioniSerie LeggiOpzioni(const std::vector<std::string>& argomenti) {
    OpzioniSerie opzioni;
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
            opzioni.tipo = static_cast<int>(LeggiNumero(nome, Valore(), 0, 3));
        } else if (nome == "--partite") {
            opzioni.partite =
                LeggiNumero(nome, Valore(), 0, std::numeric_limits<std::int32_t>::max());
        } else if (nome == "--seme") {
            opzioni.seme = static_cast<std::uint32_t>(
                LeggiNumero(nome, Valore(), 0, std::numeric_limits<std::uint32_t>::max()));
        } else if (nome == "--mano-al-buio") {
            opzioni.manoAlBuio = LeggiNumero(nome, Valore(), 0, 1) == 1;
        } else if (nome == "--regole") {
            opzioni.tavolo.fileRegole = File();
        } else if (nome == "--sfidante") {
            opzioni.tavolo.fileSfidante = File();
        } else if (nome == "--casuale") {
            opzioni.tavolo.casuale = LeggiPosti(nome, Valore());
        } else if (nome == "--esperto") {
            opzioni.tavolo.esperto = LeggiPosti(nome, Valore());
        } else if (nome == "--budget-esperto") {
            opzioni.tavolo.budgetEsperto = static_cast<int>(LeggiNumero(nome, Valore(), 1, 100000));
        } else if (nome == "--carica") {
            opzioni.carica = File();
        } else if (nome == "--salva") {
            opzioni.salva = File();
        } else if (nome == "--log-test") {
            opzioni.tavolo.logTest = File();
        } else if (nome == "--verifica") {
            SenzaValore();
            opzioni.verifica = true;
        } else if (nome == "--json") {
            SenzaValore();
            opzioni.json = true;
        } else if (nome == "--aiuto" || nome == "--help" || nome == "-h") {
            opzioni.aiuto = true;
        } else {
            throw ErroreOpzioni("Opzione sconosciuta: " + argomenti[i]);
        }
    }
    return opzioni;
}

// The place of the saved series is checked before anything is played; the rules files are
// checked by the players that read them, when the table is built.
void VerificaSalvataggio(const OpzioniSerie& opzioni) {
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

std::string CartellaEseguibile(const char* argv0) {
    std::error_code errore;
    const auto eseguibile = std::filesystem::read_symlink("/proc/self/exe", errore);
    if (!errore) {
        return eseguibile.parent_path().string();
    }
    return std::filesystem::absolute(argv0, errore).parent_path().string();
}

std::string TestoJson(const std::string& testo) {
    std::string json = "\"";
    for (const char c : testo) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (u < 0x20) {
            char codice[8];
            std::snprintf(codice, sizeof codice, "\\u%04x", u);
            json += codice;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string Numero(double valore, int decimali) {
    char testo[64];
    std::snprintf(testo, sizeof testo, "%.*f", decimali, valore);
    return testo;
}

struct Risultato {
    std::uint32_t seme = 0;
    long long giocate = 0;
    double secondi = 0.0;
    std::array<std::string, 5> descrizioni;
};

double Media(int totale, int partite) {
    return partite > 0 ? static_cast<double>(totale) / partite : 0.0;
}

int ChiamanteVince(const TipoStoriaPartite& storia) {
    int vinte = 0;
    for (int s = 0; s < 5; ++s) {
        vinte += storia.Statistiche(kRuoloChiamante, kVinte, s);
    }
    return vinte;
}

double PartiteAlSecondo(const Risultato& r) {
    return r.secondi > 0.0 ? static_cast<double>(r.giocate) / r.secondi : 0.0;
}

void StampaJson(const OpzioniSerie& opzioni, const Risultato& r) {
    const TipoStoriaPartite& storia = StoriaPartite();
    std::ostringstream out;
    const auto Lista = [&](auto valore) {
        out << '[';
        for (int s = 0; s < 5; ++s) {
            out << (s > 0 ? "," : "") << valore(s);
        }
        out << ']';
    };
    out << "{\"tipo\":" << opzioni.tipo << ",\"partite\":" << storia.numeroPartite
        << ",\"seme\":" << r.seme << ",\"descrizioni\":";
    Lista([&](int s) { return TestoJson(r.descrizioni[static_cast<std::size_t>(s)]); });
    out << ",\"totale\":";
    Lista([&](int s) { return storia.Totale(s); });
    out << ",\"media\":";
    Lista([&](int s) { return Numero(Media(storia.Totale(s), storia.numeroPartite), 6); });
    out << ",\"vinte\":";
    Lista([&](int s) { return storia.Statistiche(kRuoloTutti, kVinte, s); });
    out << ",\"chiamante_vince\":" << ChiamanteVince(storia)
        << ",\"secondi\":" << Numero(r.secondi, 3)
        << ",\"partite_al_secondo\":" << Numero(PartiteAlSecondo(r), 1) << "}\n";
    std::cout << out.str();
}

void StampaTabella(const OpzioniSerie& opzioni, const Risultato& r) {
    const TipoStoriaPartite& storia = StoriaPartite();
    const int partite = storia.numeroPartite;
    std::printf("Serie di tipo %d, seme %u: %d partite%s\n\n", opzioni.tipo, r.seme, partite,
                opzioni.manoAlBuio ? ", prima mano al buio" : "");
    std::printf("%-5s %8s %9s %10s %7s %10s  %s\n", "Posto", "Totale", "Media", "Chiamante",
                "Socio", "Avversario", "Giocatore");
    for (int s = 0; s < 5; ++s) {
        std::printf("%-5d %8d %9.4f %10d %7d %10d  %s\n", s, storia.Totale(s),
                    Media(storia.Totale(s), partite),
                    storia.Statistiche(kRuoloChiamante, kVinte, s),
                    storia.Statistiche(kRuoloSocio, kVinte, s),
                    storia.Statistiche(kRuoloAvversario, kVinte, s),
                    r.descrizioni[static_cast<std::size_t>(s)].c_str());
    }
    std::printf("\n(partite vinte da chiamante, da socio, da avversario)\n");
    const int vinte = ChiamanteVince(storia);
    std::printf("Il chiamante vince %d partite su %d (%.1f%%)\n", vinte, partite,
                partite > 0 ? 100.0 * vinte / partite : 0.0);
    std::printf("Velocità: %lld partite in %.3f secondi, %.0f partite al secondo\n", r.giocate,
                r.secondi, PartiteAlSecondo(r));
}

std::unique_ptr<Semaforo> CreaSemaforo(FinestraGioco& finestra, const OpzioniSerie& opzioni) {
    if (opzioni.tipo == 0) {
        return std::make_unique<Semaforo1Giocatore>(&finestra, opzioni.tavolo);
    }
    return std::make_unique<SemaforoSoloComputer>(&finestra, opzioni.tipo, opzioni.tavolo);
}

// Plays the games; false when a check failed (already reported).
bool GiocaSerie(Semaforo& semaforo, const OpzioniSerie& opzioni, Risultato& risultato) {
    const TipoStoriaPartite& storia = StoriaPartite();
    const bool progresso = !opzioni.json && isatty(STDERR_FILENO) == 1;
    const auto inizio = std::chrono::steady_clock::now();
    auto ultimoProgresso = inizio;
    int contate = storia.numeroPartite;
    semaforo.NuovaPartita();
    while (risultato.giocate < opzioni.partite) {
        semaforo.Passo();
        if (storia.numeroPartite == contate) {
            continue;
        }
        contate = storia.numeroPartite;
        ++risultato.giocate;
        if (opzioni.verifica) {
            const auto errori = VerificaPartita(Registro(), storia, contate - 1);
            if (!errori.empty()) {
                std::cerr << "Verifica fallita nella partita " << contate - 1 << ":\n";
                for (const auto& e : errori) {
                    std::cerr << "  " << e << '\n';
                }
                return false;
            }
        }
        if (!semaforo.InCorso() && !semaforo.RipartenzaAutomatica() &&
            risultato.giocate < opzioni.partite) {
            semaforo.NuovaPartita();
        }
        if (progresso && (risultato.giocate & 255) == 0) {
            const auto adesso = std::chrono::steady_clock::now();
            if (adesso - ultimoProgresso > std::chrono::milliseconds(500)) {
                ultimoProgresso = adesso;
                std::fprintf(stderr, "\rPartite giocate: %lld/%lld", risultato.giocate,
                             opzioni.partite);
            }
        }
    }
    if (progresso && ultimoProgresso != inizio) {
        std::fprintf(stderr, "\r%40s\r", "");
    }
    risultato.secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    return true;
}

int Esegui(const std::vector<std::string>& argomenti, const char* argv0) {
    OpzioniSerie opzioni;
    std::unique_ptr<Semaforo> semaforo;
    FinestraSilenziosa finestra;
    Risultato risultato;
    try {
        opzioni = LeggiOpzioni(argomenti);
        if (opzioni.aiuto) {
            std::cout << kUso;
            return 0;
        }
        ImpostaCartellaProgramma(CartellaEseguibile(argv0));
        VerificaSalvataggio(opzioni);
        ImpostaTipoGiocatori(opzioni.tipo);
        if (!opzioni.carica.empty() && !StoriaPartite().Carica(opzioni.carica)) {
            throw ErroreOpzioni("Serie salvata illeggibile o non valida: " + opzioni.carica);
        }
        risultato.seme = opzioni.seme != 0 ? opzioni.seme : SemeDalOrologio();
        ImpostaSemeCasuale(risultato.seme);
        try {
            semaforo = CreaSemaforo(finestra, opzioni);
        } catch (const std::exception& e) {
            throw ErroreOpzioni(e.what());
        }
        semaforo->ImpostaManoAlBuio(opzioni.manoAlBuio);
        for (int s = 0; s < 5; ++s) {
            risultato.descrizioni[static_cast<std::size_t>(s)] =
                semaforo->Manager().DescrizioneMotore(s);
        }
    } catch (const ErroreOpzioni& e) {
        std::cerr << "pentaludo-serie: " << e.what()
                  << "\nPer l'elenco delle opzioni: pentaludo-serie --aiuto\n";
        return kEsitoOpzioni;
    }

    try {
        if (!GiocaSerie(*semaforo, opzioni, risultato)) {
            return kEsitoVerifica;
        }
    } catch (const std::exception& e) {
        std::cerr << "pentaludo-serie: errore nella partita " << StoriaPartite().numeroPartite
                  << ": " << e.what() << '\n';
        return kEsitoErrore;
    }

    if (opzioni.json) {
        StampaJson(opzioni, risultato);
    } else {
        StampaTabella(opzioni, risultato);
    }
    if (!opzioni.salva.empty() && !StoriaPartite().Salva(opzioni.salva)) {
        std::cerr << "pentaludo-serie: impossibile salvare la serie in " << opzioni.salva << '\n';
        return kEsitoErrore;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> argomenti(argv + 1, argv + argc);
    return Esegui(argomenti, argv[0]);
}
