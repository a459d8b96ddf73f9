#include "aiuto/AiutoPartita.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

#include "comune/Casuale.h"
#include "comune/Errore.h"
#include "comune/Percorsi.h"
#include "ia/OsservatoreTattica.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace fs = std::filesystem;

namespace {
thread_local StatoTavolo* tavoloIndicato = nullptr;
}

StatoTavolo& TavoloDelTest() {
    thread_local StatoTavolo proprio;
    return tavoloIndicato != nullptr ? *tavoloIndicato : proprio;
}

void ImpostaTavoloDelTest(StatoTavolo* tavolo) {
    tavoloIndicato = tavolo;
}

void AzzeraStatoGlobale(std::uint32_t seme) {
    StatoTavolo& tavolo = TavoloDelTest();
    tavolo.registro = RegistroPartita();
    tavolo.storia = TipoStoriaPartite();
    tavolo.ImpostaTipoGiocatori(0);
    tavolo.generatore.Risemina(seme);
    tavolo.osservatore = nullptr;
    ImpostaCartellaProgramma({});
}

std::string Messaggio(const std::function<void()>& operazione) {
    try {
        operazione();
    } catch (const Errore& e) {
        return e.what();
    }
    return "(nessuna eccezione)";
}

std::array<int, 40> DistribuzioneCon(const std::vector<std::pair<Carta, int>>& fisse) {
    std::array<int, 40> seggi;
    seggi.fill(-1);
    std::array<int, 5> carte{};
    for (const auto& [carta, seggio] : fisse) {
        seggi[static_cast<std::size_t>(carta.Indice())] = seggio;
        ++carte[static_cast<std::size_t>(seggio)];
    }
    for (int& seggio : seggi) {
        if (seggio < 0) {
            int s = 0;
            while (s < 4 && carte[static_cast<std::size_t>(s)] >= 8) {
                ++s;
            }
            seggio = s;
            ++carte[static_cast<std::size_t>(s)];
        }
    }
    return seggi;
}

std::array<int, 40> DistribuzioneConMano(int giocatore, const std::vector<Carta>& mano) {
    if (mano.size() != 8) {
        throw std::invalid_argument("una mano ha otto carte");
    }
    std::vector<std::pair<Carta, int>> fisse;
    for (const Carta& carta : mano) {
        fisse.emplace_back(carta, giocatore);
    }
    return DistribuzioneCon(fisse);
}

void DistribuisciConMano(int giocatore, const std::vector<Carta>& mano) {
    Registro().DistribuisciMani(DistribuzioneConMano(giocatore, mano));
}

CartellaTemporanea::CartellaTemporanea() {
    static std::atomic<int> contatore{0};
    const auto* prova = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string nome = std::string("pentaludo-") + (prova ? prova->name() : "prova") + "-" +
                             std::to_string(::getpid()) + "-" + std::to_string(contatore++);
    percorso = fs::temp_directory_path() / nome;
    fs::remove_all(percorso);
    fs::create_directories(percorso);
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code errore;
    // A test may have taken the write permission away.
    fs::permissions(percorso, fs::perms::owner_all, fs::perm_options::add, errore);
    fs::remove_all(percorso, errore);
}

std::string CartellaTemporanea::File(const std::string& nome) const {
    return (percorso / nome).string();
}

void ScriviByte(const std::string& percorso, const std::string& byte) {
    // A new file rather than a truncated one: ext4 flushes a file rewritten after truncation
    // to the disk on close, which makes thousands of small writes slow.
    std::error_code errore;
    fs::remove(percorso, errore);
    std::ofstream file(percorso, std::ios::binary | std::ios::trunc);
    file.write(byte.data(), static_cast<std::streamsize>(byte.size()));
}

void ScriviByte(const std::string& percorso, const std::vector<std::uint8_t>& byte) {
    ScriviByte(percorso, std::string(byte.begin(), byte.end()));
}

std::vector<std::uint8_t> LeggiByte(const std::string& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

namespace arbitro {

int Punti(int indice) {
    switch (Forza(indice)) {
    case 5:
        return 2; // Fante
    case 6:
        return 3; // Donna
    case 7:
        return 4; // Re
    case 8:
        return 10; // Tre
    case 9:
        return 11; // Asso
    default:
        return 0;
    }
}

int PosizioneVincente(const std::vector<int>& presa, int semeBriscola) {
    int migliore = 0;
    for (int i = 1; i < static_cast<int>(presa.size()); ++i) {
        const int a = presa[static_cast<std::size_t>(migliore)];
        const int b = presa[static_cast<std::size_t>(i)];
        if (Seme(b) == Seme(a)) {
            if (Forza(b) > Forza(a)) {
                migliore = i;
            }
        } else if (Seme(b) == semeBriscola) {
            migliore = i;
        }
    }
    return migliore;
}

std::array<int, 5> Punteggi(int chiamante, int socio, int puntiChiamata, int puntiLato) {
    std::array<int, 5> punteggi;
    punteggi.fill(-1);
    punteggi[static_cast<std::size_t>(chiamante)] += 3;
    punteggi[static_cast<std::size_t>(socio)] += 2;
    int m = puntiChiamata >= 70 ? 2 : 1;
    if (puntiChiamata >= 80) {
        ++m;
    }
    if (puntiLato == 120) {
        ++m;
    }
    if (puntiLato < puntiChiamata) {
        m = -m;
    }
    for (int& p : punteggi) {
        p *= m;
    }
    return punteggi;
}

} // namespace arbitro
