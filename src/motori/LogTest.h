#pragma once

#include <cstdio>
#include <memory>
#include <string>

// The one-line-per-game log of the third computer-only seating: whether the single tactical
// player won, and with which coefficients. A log that cannot be written never stops a series.
class LogTest {
public:
    // An empty path means the default place.
    explicit LogTest(std::string percorso = {});

    // Appends "OK " (or three blanks when the game was not won), the detail and a line feed;
    // false when the line could not be written.
    bool Scrivi(bool vinta, const std::string& dettaglio) noexcept;

    const std::string& Percorso() const { return percorso; }

    // test.txt in ~/Desktop when that folder exists, else in the current folder.
    static std::string PercorsoPredefinito();

private:
    struct ChiudiFile {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::string percorso;
    // Opened at the first line and kept open: a series writes one line per game.
    std::unique_ptr<std::FILE, ChiudiFile> file;
};
