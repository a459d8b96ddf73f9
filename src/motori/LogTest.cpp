#include "motori/LogTest.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

LogTest::LogTest(std::string percorso)
    : percorso(percorso.empty() ? PercorsoPredefinito() : std::move(percorso)) {}

std::string LogTest::PercorsoPredefinito() {
    const char* casa = std::getenv("HOME");
    if (casa != nullptr && *casa != '\0') {
        std::error_code errore;
        const std::filesystem::path scrivania = std::filesystem::path(casa) / "Desktop";
        if (std::filesystem::is_directory(scrivania, errore)) {
            return (scrivania / "test.txt").string();
        }
    }
    return "test.txt";
}

bool LogTest::Scrivi(bool vinta, const std::string& dettaglio) noexcept {
    if (!file) {
        file.reset(std::fopen(percorso.c_str(), "a"));
        if (!file) {
            return false;
        }
    }
    std::FILE* f = file.get();
    bool scritta = std::fputs(vinta ? "OK " : "   ", f) >= 0;
    scritta = scritta && std::fwrite(dettaglio.data(), 1, dettaglio.size(), f) == dettaglio.size();
    scritta = scritta && std::fputc('\n', f) != EOF;
    // Every line reaches the file at once, so a series stopped at any moment keeps them all.
    scritta = std::fflush(f) == 0 && scritta;
    if (!scritta) {
        // Opened afresh at the next line, in case the failure passes.
        file.reset();
    }
    return scritta;
}
