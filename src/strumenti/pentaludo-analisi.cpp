// Judges the decisions of the games of a notation file as the expert would have made them,
// each from what its seat knew at that moment, and prints what each choice cost.

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "analisi/AnalisiPartita.h"
#include "analisi/TestoAnalisi.h"
#include "comune/Percorsi.h"
#include "motori/MotoreOK.h"
#include "notazione/LeggiNotazione.h"
#include "notazione/PartitaNotata.h"

namespace {

constexpr const char* kUso =
    "Uso: pentaludo-analisi FILE [--giocatore N] [--json] [--seme S] [--budget N]\n"
    "  FILE           partite nella notazione del gioco\n"
    "  --giocatore N  analizza solo il posto N (0-4; predefinito: tutti)\n"
    "  --json         stampa l'analisi in JSON\n"
    "  --seme S       seme delle simulazioni (predefinito: 1)\n"
    "  --budget N     partite simulate per scelta (predefinito: 640)\n";

long long Numero(const std::string& nome, const std::string& testo, long long minimo,
                 long long massimo) {
    std::size_t letti = 0;
    long long valore = 0;
    try {
        valore = std::stoll(testo, &letti);
    } catch (const std::exception&) {
        letti = 0;
    }
    if (letti == 0 || letti != testo.size() || valore < minimo || valore > massimo) {
        throw Errore("valore non valido per " + nome + ": " + testo);
    }
    return valore;
}

} // namespace

int main(int argc, char** argv) {
    std::string file;
    int giocatore = -1;
    bool json = false;
    std::uint32_t seme = 1;
    int budget = Consigliere::BudgetPredefinito();
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string argomento = argv[i];
            const auto Valore = [&] {
                if (i + 1 >= argc) {
                    throw Errore("manca il valore dell'opzione " + argomento);
                }
                return std::string(argv[++i]);
            };
            if (argomento == "--giocatore") {
                giocatore = static_cast<int>(Numero(argomento, Valore(), 0, 4));
            } else if (argomento == "--json") {
                json = true;
            } else if (argomento == "--seme") {
                seme = static_cast<std::uint32_t>(Numero(argomento, Valore(), 0, 0xffffffffLL));
            } else if (argomento == "--budget") {
                budget = static_cast<int>(Numero(argomento, Valore(), 1, 5000));
            } else if (argomento == "--aiuto") {
                std::cout << kUso;
                return 0;
            } else if (file.empty() && argomento.rfind("--", 0) != 0) {
                file = argomento;
            } else {
                throw Errore("argomento non previsto: " + argomento);
            }
        }
        if (file.empty()) {
            throw Errore("manca il file delle partite");
        }
    } catch (const Errore& e) {
        std::cerr << "pentaludo-analisi: " << e.what() << '\n' << kUso;
        return 2;
    }
    std::vector<PartitaNotata> partite;
    try {
        ImpostaCartellaProgramma(CartellaEseguibile(argv[0]));
        LeggiFileNotazione(file, [&](const PartitaNotata& p) { partite.push_back(p); });
    } catch (const ErroreNotazione& e) {
        std::cerr << e.Posizione() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "pentaludo-analisi: " << e.what() << '\n';
        return 2;
    }
    try {
        std::string testo = json ? "{\"partite\":[" : "";
        for (std::size_t k = 0; k < partite.size(); ++k) {
            const PartitaNotata& partita = partite[k];
            const Consigliere consigliere(MotoreOK::kFileRegole, budget, seme, TatticiDi(partita));
            testo += json ? std::string(k > 0 ? "," : "") +
                                "{\"numero\":" + std::to_string(partita.numero) + ",\"giocatori\":["
                          : "";
            bool primo = true;
            for (int s = 0; s < 5; ++s) {
                if (giocatore >= 0 && s != giocatore) {
                    continue;
                }
                const AnalisiGiocatore analisi = AnalizzaPartita(partita, s, consigliere);
                const GiocatoreNotato& chi = partita.giocatori[static_cast<std::size_t>(s)];
                if (json) {
                    testo += primo ? "" : ",";
                    testo += JsonAnalisi(analisi);
                } else {
                    testo += "Partita " + std::to_string(partita.numero) + ", giocatore " +
                             std::to_string(s) + " (" + chi.nome + ", " + chi.tipo + ")\n" +
                             TabellaAnalisi(analisi) + "\n";
                }
                primo = false;
                if (!json) {
                    std::cout << testo << std::flush;
                    testo.clear();
                }
            }
            testo += json ? "]}" : "";
        }
        std::cout << testo << (json ? "]}\n" : "");
    } catch (const std::exception& e) {
        std::cerr << "pentaludo-analisi: " << e.what() << '\n';
        return 2;
    }
    return 0;
}
