#pragma once

#include <array>
#include <string>
#include <string_view>

// The names of ranks and suits that a card set gives its cards, long and short. Rank tables
// are in face order (Asso, Due, Tre, ..., Re: see kIndiceFaccia); a card set's Carte.ini may
// rename them. Whoever shows cards holds the names of the card set it shows and hands them to
// Carta::NomeLungo, Carta::NomeBreve and Chiamata::Testo.
class NomiCarte {
public:
    // The built-in Italian names.
    NomiCarte();

    // The built-in Italian names, for whoever shows no card set of its own.
    static const NomiCarte& Predefiniti();

    // Rank name (or letter, when breve) by face index 0..9; empty outside.
    const std::string& Valore(int faccia, bool breve) const;
    // Suit name (or letter, when breve) by suit 0..3; empty outside.
    const std::string& Seme(int seme, bool breve) const;

    // Loads the names from a Carte.ini (keys C0..C9, B0..B9, S0..S3, SB0..SB3; a key the file
    // lacks empties its entry). A file that cannot be read, or is not a regular file, keeps
    // every name; returns false then, with the reason in motivo when given ("non è un file
    // regolare").
    bool Carica(const std::string& percorso, std::string* motivo = nullptr);
    // The same from the bytes of such a file (UTF-8 or Windows-1252); every text is accepted.
    void CaricaDaByte(std::string_view byte);

    friend bool operator==(const NomiCarte&, const NomiCarte&) = default;

private:
    std::array<std::string, 10> nomiValori;
    std::array<std::string, 10> lettereValori;
    std::array<std::string, 4> nomiSemi;
    std::array<std::string, 4> lettereSemi;
};
