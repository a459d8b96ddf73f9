#include "carte/NomiCarte.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

#include "carte/Carta.h"
#include "comune/Testo.h"

namespace {

struct TabelleNomi {
    std::array<std::string, 10> nomiValori;
    std::array<std::string, 10> lettereValori;
    std::array<std::string, 4> nomiSemi;
    std::array<std::string, 4> lettereSemi;
};

TabelleNomi TabelleIniziali() {
    return {{"Asso", "Due", "Tre", "Quattro", "Cinque", "Sei", "Sette", "Fante", "Donna", "Re"},
            {"A", "2", "3", "4", "5", "6", "7", "F", "D", "R"},
            {"Cuori", "Quadri", "Fiori", "Picche"},
            {"C", "Q", "F", "P"}};
}

TabelleNomi& Tabelle() {
    static TabelleNomi tabelle = TabelleIniziali();
    return tabelle;
}

const std::string& Vuoto() {
    static const std::string vuoto;
    return vuoto;
}

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The value of the first line whose text before the first "=" is the key, ignoring case.
std::string ValoreChiave(const std::vector<std::string>& righe, std::string_view chiave) {
    for (const auto& riga : righe) {
        const auto uguale = riga.find('=');
        if (uguale != std::string::npos && UgualiSenzaMaiuscole(riga.substr(0, uguale), chiave)) {
            return riga.substr(uguale + 1);
        }
    }
    return {};
}

} // namespace

const std::string& NomeValore(int faccia, bool breve) {
    if (faccia < 0 || faccia > 9) {
        return Vuoto();
    }
    const auto i = static_cast<std::size_t>(faccia);
    return breve ? Tabelle().lettereValori[i] : Tabelle().nomiValori[i];
}

const std::string& NomeSeme(int seme, bool breve) {
    if (seme < 0 || seme > 3) {
        return Vuoto();
    }
    const auto i = static_cast<std::size_t>(seme);
    return breve ? Tabelle().lettereSemi[i] : Tabelle().nomiSemi[i];
}

void CaricaNomiCarteDaByte(std::string_view byte) {
    // Lines end with LF, CR LF or a lone CR.
    std::vector<std::string> righe;
    const std::string testo = DecodificaTestoFile(byte);
    std::size_t inizio = 0;
    while (inizio <= testo.size()) {
        const std::size_t fine = std::min(testo.find_first_of("\r\n", inizio), testo.size());
        righe.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + (testo.compare(fine, 2, "\r\n") == 0 ? 2 : 1);
    }
    // The keys are spelled out: building them with operator+ makes GCC 12 warn falsely
    // (-Wrestrict) at -O3.
    static constexpr std::array<const char*, 10> kChiaviNomi = {"C0", "C1", "C2", "C3", "C4",
                                                                "C5", "C6", "C7", "C8", "C9"};
    static constexpr std::array<const char*, 10> kChiaviLettere = {"B0", "B1", "B2", "B3", "B4",
                                                                   "B5", "B6", "B7", "B8", "B9"};
    static constexpr std::array<const char*, 4> kChiaviSemi = {"S0", "S1", "S2", "S3"};
    static constexpr std::array<const char*, 4> kChiaviLettereSemi = {"SB0", "SB1", "SB2", "SB3"};
    TabelleNomi nuove;
    for (std::size_t i = 0; i < 10; ++i) {
        nuove.nomiValori[i] = ValoreChiave(righe, kChiaviNomi[i]);
        nuove.lettereValori[i] = ValoreChiave(righe, kChiaviLettere[i]);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        nuove.nomiSemi[i] = ValoreChiave(righe, kChiaviSemi[i]);
        nuove.lettereSemi[i] = ValoreChiave(righe, kChiaviLettereSemi[i]);
    }
    Tabelle() = std::move(nuove);
}

bool CaricaNomiCarte(const std::string& percorso, std::string* motivo) {
    const LetturaFile lettura = LeggiFileRegolare(percorso);
    if (lettura.esito != EsitoLettura::Letto) {
        if (motivo != nullptr) {
            *motivo = MotivoLettura(lettura.esito);
        }
        return false;
    }
    CaricaNomiCarteDaByte(lettura.byte);
    return true;
}

void RipristinaNomiCarte() {
    Tabelle() = TabelleIniziali();
}
