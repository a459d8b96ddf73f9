#include "motori/LogTest.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

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
    bool scritta = false;
    try {
        // One write of the whole line: lines of series played side by side never mix.
        const std::string riga = (vinta ? "OK " : "   ") + dettaglio + '\n';
        if (std::FILE* f = std::fopen(percorso.c_str(), "a")) {
            scritta = std::fwrite(riga.data(), 1, riga.size(), f) == riga.size();
            scritta = std::fclose(f) == 0 && scritta;
        }
    } catch (...) {
        scritta = false;
    }
    if (!scritta) {
        ++righePerse;
    }
    return scritta;
}
