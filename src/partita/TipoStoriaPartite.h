#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "partita/Chiamata.h"

class RegistroPartita;

// One scored game, as the history keeps it.
struct PartitaGiocata {
    std::array<std::int8_t, 5> punteggio{};
    std::array<std::uint8_t, 5> punti{};
    Chiamata chiamata;
    std::int8_t chiamante = -1;
    std::int8_t socio = -1;
    std::array<std::int8_t, 40> mazzo{};

    friend bool operator==(const PartitaGiocata&, const PartitaGiocata&) = default;
};

// True for a game the history could have scored: seats 0..4, a bid on the ladder, card points
// and scores in their ranges.
bool PartitaGiocataValida(const PartitaGiocata& partita);

// Roles and results that index the statistics.
enum RuoloStatistica {
    kRuoloChiamante = 0,
    kRuoloSocio = 1,
    kRuoloAvversario = 2,
    kRuoloTutti = 3
};
enum EsitoStatistica { kVinte = 0, kPerse = 1, kGiocate = 2 };

// The score of a series: running totals, the last 25 games in detail, and win/loss counters
// by role, result and seat. Saved to and loaded from .bri files.
class TipoStoriaPartite {
public:
    static constexpr int kPartiteTenute = 25;
    // The largest change one game makes to a seat's total: the caller who called his own
    // card (-1 + 3 + 2) with the highest multiplier (4).
    static constexpr int kPunteggioMassimo = 16;

    std::array<std::int32_t, 5> totale{};
    std::int32_t numeroPartite = 0;

    // Loads the file when the name is not empty.
    explicit TipoStoriaPartite(const std::string& nomeFile = {});
    TipoStoriaPartite(const TipoStoriaPartite& altra);
    TipoStoriaPartite& operator=(const TipoStoriaPartite& altra);
    ~TipoStoriaPartite();

    // Scores a finished game and adds it to the series. Raises Errore, changing nothing, when
    // the series is full (below).
    void RegistraPartita(RegistroPartita registro);
    // Adds a game scored elsewhere (by another process of a parallel series), as
    // RegistraPartita would have; raises Errore, changing nothing, for a game that is not
    // valid or a full series.
    void AggiungiPartita(const PartitaGiocata& partita);
    // True when one more game could take a counter (the count, a total, a statistic) past
    // the 32-bit range: no game can be added then.
    bool Piena() const { return !Limite().empty(); }
    // Why the series is full, naming what reached the limit (the games, a seat's total or
    // its statistics); empty when it can take another game.
    std::string Limite() const;
    // How many more games the series can take whatever they score: each moves a total by at
    // most kPunteggioMassimo and a counter by one.
    long long PartiteSicure() const;
    // Appends a series played on from this one's end: seguito began at game numeroPartite
    // with no totals and no statistics of its own. Its totals and statistics add to these,
    // its games held in the ring take their places. Raises Errore, changing nothing, when
    // seguito does not begin here or holds more games than PartiteSicure.
    void Accoda(const TipoStoriaPartite& seguito);

    // The counters by role, result and seat, as Statistiche reads them.
    using TabellaStatistiche = std::array<std::array<std::array<std::int32_t, 5>, 3>, 4>;
    // Takes a series kept elsewhere (a table's server) as it is told: its count, totals and
    // counters, and its last games, oldest first, the newest being game giocate - 1. Raises
    // Errore, changing nothing, for a game that is not valid or more games than are held.
    void ImpostaRiassunto(int giocate, const std::array<std::int32_t, 5>& totali,
                          const TabellaStatistiche& contatori,
                          const std::vector<PartitaGiocata>& ultime);

    int Totale(int giocatore) const { return totale[static_cast<std::size_t>(giocatore)]; }
    int PrimaPartitaTenuta() const;
    const PartitaGiocata& Partita(int numero) const;
    int Punteggio(int numero, int giocatore) const;
    int Chiamante(int numero) const;
    int Socio(int numero) const;
    Chiamata ChiamataPartita(int numero) const;
    bool Vincente(int numero, int giocatore) const;
    int Statistiche(int ruolo, int esito, int giocatore) const;
    double Rapporto(int ruolo, int esito, int giocatore) const;

    void Azzera();

    // Writes the series (see FileStoria); false when the file could not be written (an
    // earlier file under that name is then left as it was). The file is replaced as a whole
    // (see ScriviFileAtomico): its permissions stay, a symbolic link is written through.
    bool Salva(const std::string& nome) const;
    // The bytes of the .bri file.
    std::string SalvaInByte() const;
    // Reads a series; false, with the history unchanged, when the file cannot be read, is
    // not a regular file or is not a valid series. A full series (Piena) loads. The reason,
    // to follow the file name in a message, goes to motivo when given: "non è un file
    // regolare", ...
    bool Carica(const std::string& nome, std::string* motivo = nullptr);
    // The same from the bytes of a .bri file.
    bool CaricaDaByte(std::string_view byte, std::string* motivo = nullptr);

    friend bool operator==(const TipoStoriaPartite& a, const TipoStoriaPartite& b);

private:
    friend class FileStoria;

    std::array<std::array<std::array<std::int32_t, 5>, 3>, 4> statistiche{};

    void Aggiungi(const PartitaGiocata& partita);
    std::unique_ptr<std::array<PartitaGiocata, kPartiteTenute>> partite;
};

// The score of each seat in a finished game, from its record alone: the base scores (caller
// +3, partner +2, everyone -1) times the multiplier of the bid and the result. Raises the
// internal-error message before the fortieth card.
std::array<int, 5> PunteggiPartita(const RegistroPartita& registro);
