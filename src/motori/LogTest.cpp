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

bool LogTest::Scrivi(bool vinta, const std::string& dettaglio) const noexcept {
    // Opened and closed for every line, so that a series stopped at any moment keeps all the
    // lines written so far.
    std::FILE* file = std::fopen(percorso.c_str(), "a");
    if (file == nullptr) {
        return false;
    }
    bool scritta = std::fputs(vinta ? "OK " : "   ", file) >= 0;
    scritta =
        scritta && std::fwrite(dettaglio.data(), 1, dettaglio.size(), file) == dettaglio.size();
    scritta = scritta && std::fputc('\n', file) != EOF;
    return std::fclose(file) == 0 && scritta;
}
