#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

// A file name in the temporary folder that no other test process uses: the tests run as
// parallel processes.
inline std::filesystem::path PercorsoTemporaneo(const std::string& nome) {
    return std::filesystem::temp_directory_path() /
           ("pentaludo_" + std::to_string(getpid()) + "_" + nome);
}
