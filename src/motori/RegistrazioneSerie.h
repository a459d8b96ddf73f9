#pragma once

#include <cstdio>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

// Writes the notation of a series' games in the order of their numbers while its shares play
// side by side. Share 0 plays the first games: they go straight out, as they end. The later
// shares' games wait in a temporary file of each share, not in memory, and go out after the
// games before them. Memory stays the same however many games are played.
class RegistrazioneSerie {
public:
    RegistrazioneSerie(std::ostream& uscita, int quote);
    ~RegistrazioneSerie();

    RegistrazioneSerie(const RegistrazioneSerie&) = delete;
    RegistrazioneSerie& operator=(const RegistrazioneSerie&) = delete;

    // A game of share quota, after the previous game of that share; each share on one thread
    // at a time.
    void Scrivi(int quota, std::string_view testo);
    // Every share over: the games of the first quote shares go out in order (those of a
    // series stopped by an error end with the share that stopped it). False when something
    // could not be written (then or before).
    bool Chiudi(int quote);

private:
    struct ChiudiFile {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::ostream& uscita;
    std::vector<std::unique_ptr<std::FILE, ChiudiFile>> attese;
    std::vector<char> fallite;
};
