#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "carte/Carta.h"
#include "partita/StatoTavolo.h"

// Helpers shared by the tests of the game: the table the tests play on, chosen deals,
// temporary folders, and an arbiter that knows the rules of a trick and of the score
// independently of the code under test.

// The table the tests of this thread play on when they need just one: strategies and games
// are seated at it (Siedi, Partita(TavoloDelTest())). A window's test points it at the
// window's own table for as long as the window lives (nullptr: back to the thread's own).
StatoTavolo& TavoloDelTest();
void ImpostaTavoloDelTest(StatoTavolo* tavolo);
// Its record, history and generator, by the short names the tests use.
inline RegistroPartita& Registro() {
    return TavoloDelTest().registro;
}
inline TipoStoriaPartite& StoriaPartite() {
    return TavoloDelTest().storia;
}
inline int Casuale(int n) {
    return TavoloDelTest().generatore.Casuale(n);
}
inline void ImpostaSemeCasuale(std::uint32_t seme) {
    TavoloDelTest().generatore.Risemina(seme);
}
inline void ImpostaTipoGiocatori(int tipo) {
    TavoloDelTest().ImpostaTipoGiocatori(tipo);
}
inline void ImpostaOsservatoreDelTest(OsservatoreTattica* osservatore) {
    TavoloDelTest().osservatore = osservatore;
}

// Puts the test's table back as new (record, history, seating 0, no observer, the generator
// seeded with seme), and the program's folder as at program start.
void AzzeraStatoGlobale(std::uint32_t seme = 5489u);

// The message of the Errore the operation raises; "(nessuna eccezione)" when it raises none.
std::string Messaggio(const std::function<void()>& operazione);

// A fixture whose tests start, and end, with clean process-wide state.
class ConStatoPulito : public ::testing::Test {
protected:
    void SetUp() override { AzzeraStatoGlobale(); }
    void TearDown() override { AzzeraStatoGlobale(); }
};

// A deal (seat of each card index) in which each card of fisse goes to its seat and every
// other card, in ascending index, to the lowest seat that has fewer than eight cards.
std::array<int, 40> DistribuzioneCon(const std::vector<std::pair<Carta, int>>& fisse);

// A deal in which seat giocatore holds exactly the eight cards of mano.
std::array<int, 40> DistribuzioneConMano(int giocatore, const std::vector<Carta>& mano);

// Deals that deal on the process-wide record.
void DistribuisciConMano(int giocatore, const std::vector<Carta>& mano);

// A folder of its own under the system's temporary folder, removed with the object.
class CartellaTemporanea {
public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    const std::filesystem::path& Percorso() const { return percorso; }
    std::filesystem::path operator/(const std::string& nome) const { return percorso / nome; }
    // The full path of a file in the folder.
    std::string File(const std::string& nome) const;

private:
    std::filesystem::path percorso;
};

// Writes bytes to a file, replacing it.
void ScriviByte(const std::string& percorso, const std::string& byte);
void ScriviByte(const std::string& percorso, const std::vector<std::uint8_t>& byte);
// The bytes of a file (empty when it cannot be read).
std::vector<std::uint8_t> LeggiByte(const std::string& percorso);

// The rules as the tests know them, written from the rules of the game, not from the code
// under test.
namespace arbitro {

inline int Seme(int indice) {
    return indice / 10;
}
inline int Forza(int indice) {
    return indice % 10;
}
int Punti(int indice);

// Position (0..4) of the card that takes a trick, from the card indices in order of play:
// the first card leads; a later card takes over with a higher card of the suit that leads
// the trick so far, or with a trump over a card that is not a trump.
int PosizioneVincente(const std::vector<int>& presa, int semeBriscola);

// The five scores of a game: -1 each, caller +3, partner +2, times the multiplier of the bid
// and of the points the caller's side took (negative when it fell short).
std::array<int, 5> Punteggi(int chiamante, int socio, int puntiChiamata, int puntiLato);

} // namespace arbitro
