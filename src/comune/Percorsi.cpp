#include "comune/Percorsi.h"

#include <algorithm>
#include <filesystem>

#ifndef PENTALUDO_DATI_INSTALLATI
#define PENTALUDO_DATI_INSTALLATI "/usr/local/share/pentaludo"
#endif
#ifndef PENTALUDO_DATI_RELATIVI
#define PENTALUDO_DATI_RELATIVI "../share/pentaludo"
#endif

namespace fs = std::filesystem;

namespace {

std::string& Cartella() {
    static std::string cartella;
    return cartella;
}

} // namespace

void ImpostaCartellaProgramma(const std::string& cartella) {
    Cartella() = cartella;
}

const std::string& CartellaProgramma() {
    return Cartella();
}

std::string CartellaDatiInstallati() {
    // An install copied or moved to another prefix keeps its data beside its executables.
    if (!CartellaProgramma().empty()) {
        std::error_code errore;
        const fs::path accanto =
            (fs::path(CartellaProgramma()) / PENTALUDO_DATI_RELATIVI).lexically_normal();
        if (fs::is_directory(accanto, errore)) {
            return accanto.string();
        }
    }
    return PENTALUDO_DATI_INSTALLATI;
}

std::vector<std::string> CartelleDati() {
    std::vector<std::string> cartelle{"."};
    for (const std::string& c : {CartellaProgramma(), CartellaDatiInstallati()}) {
        if (!c.empty() && std::find(cartelle.begin(), cartelle.end(), c) == cartelle.end()) {
            cartelle.push_back(c);
        }
    }
    return cartelle;
}

std::string TrovaFileDati(const std::string& nome) {
    std::error_code errore;
    if (fs::path(nome).has_parent_path()) {
        return fs::is_regular_file(nome, errore) ? nome : std::string();
    }
    for (const auto& cartella : CartelleDati()) {
        const fs::path percorso = fs::path(cartella) / nome;
        if (fs::is_regular_file(percorso, errore)) {
            return cartella == "." ? nome : percorso.string();
        }
    }
    return {};
}

std::string CartellaEseguibile(const char* argv0) {
    std::error_code errore;
    const auto eseguibile = std::filesystem::read_symlink("/proc/self/exe", errore);
    if (!errore) {
        return eseguibile.parent_path().string();
    }
    return std::filesystem::absolute(argv0, errore).parent_path().string();
}
