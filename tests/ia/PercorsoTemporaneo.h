#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

// A file name in the temporary folder that no other test process uses: the tests run as
// parallel processes. Whatever is left at the name when the process ends is removed then, so
// the suite leaves nothing behind in the temporary folder.
inline std::filesystem::path PercorsoTemporaneo(const std::string& nome) {
    struct Pulizia {
        std::mutex mutex;
        std::vector<std::filesystem::path> percorsi;
        ~Pulizia() {
            for (const auto& percorso : percorsi) {
                std::error_code errore;
                std::filesystem::remove_all(percorso, errore);
            }
        }
    };
    static Pulizia pulizia;
    std::filesystem::path percorso = std::filesystem::temp_directory_path() /
                                     ("pentaludo_" + std::to_string(getpid()) + "_" + nome);
    const std::lock_guard<std::mutex> blocco(pulizia.mutex);
    pulizia.percorsi.push_back(percorso);
    return percorso;
}
