#pragma once

#include <filesystem>
#include <system_error>

#include "comune/Percorsi.h"

// Makes the benchmark's own folder the program's folder, or the one above it where that holds
// the rules (as in the build tree), so a benchmark finds regole.OK.txt from any folder.
inline void TrovaRegole(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code errore;
    fs::path cartella = fs::read_symlink("/proc/self/exe", errore).parent_path();
    if (errore) {
        cartella = fs::absolute(argv0, errore).parent_path();
    }
    for (const fs::path& c : {cartella, cartella.parent_path()}) {
        if (fs::is_regular_file(c / "regole.OK.txt", errore)) {
            ImpostaCartellaProgramma(c.string());
            return;
        }
    }
    ImpostaCartellaProgramma(cartella.string());
}
