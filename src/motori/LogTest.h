#pragma once

#include <string>

// The one-line-per-game log of the third computer-only seating: whether the single tactical
// player won, and with which coefficients. Each line opens, appends to and closes the file, so
// that a log removed or rotated during a series gets the later lines. A log that cannot be
// written never stops a series; the lines lost are counted.
class LogTest {
public:
    // An empty path means the default place.
    explicit LogTest(std::string percorso = {});

    // Appends "OK " (or three blanks when the game was not won), the detail and a line feed;
    // false when the line could not be written.
    bool Scrivi(bool vinta, const std::string& dettaglio) noexcept;

    const std::string& Percorso() const { return percorso; }
    // Lines that could not be written.
    long long RighePerse() const { return righePerse; }

    // test.txt in ~/Desktop when that folder exists, else in the current folder.
    static std::string PercorsoPredefinito();

private:
    std::string percorso;
    long long righePerse = 0;
};
