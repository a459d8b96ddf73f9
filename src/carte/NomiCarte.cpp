#include "carte/NomiCarte.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "comune/Testo.h"

namespace {

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

NomiCarte::NomiCarte()
    : nomiValori{"Asso", "Due", "Tre", "Quattro", "Cinque", "Sei", "Sette", "Fante", "Donna", "Re"},
      lettereValori{"A", "2", "3", "4", "5", "6", "7", "F", "D", "R"},
      nomiSemi{"Cuori", "Quadri", "Fiori", "Picche"}, lettereSemi{"C", "Q", "F", "P"} {}

const NomiCarte& NomiCarte::Predefiniti() {
    static const NomiCarte predefiniti;
    return predefiniti;
}

const std::string& NomiCarte::Valore(int faccia, bool breve) const {
    if (faccia < 0 || faccia > 9) {
        return Vuoto();
    }
    const auto i = static_cast<std::size_t>(faccia);
    return breve ? lettereValori[i] : nomiValori[i];
}

const std::string& NomiCarte::Seme(int seme, bool breve) const {
    if (seme < 0 || seme > 3) {
        return Vuoto();
    }
    const auto i = static_cast<std::size_t>(seme);
    return breve ? lettereSemi[i] : nomiSemi[i];
}

void NomiCarte::CaricaDaByte(std::string_view byte) {
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
    // Built aside and then moved in, so that a failure half-way leaves the names as they were.
    NomiCarte nuovi;
    for (std::size_t i = 0; i < 10; ++i) {
        nuovi.nomiValori[i] = ValoreChiave(righe, kChiaviNomi[i]);
        nuovi.lettereValori[i] = ValoreChiave(righe, kChiaviLettere[i]);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        nuovi.nomiSemi[i] = ValoreChiave(righe, kChiaviSemi[i]);
        nuovi.lettereSemi[i] = ValoreChiave(righe, kChiaviLettereSemi[i]);
    }
    *this = std::move(nuovi);
}

bool NomiCarte::Carica(const std::string& percorso, std::string* motivo) {
    const LetturaFile lettura = LeggiFileRegolare(percorso);
    if (lettura.esito != EsitoLettura::Letto) {
        if (motivo != nullptr) {
            *motivo = MotivoLettura(lettura.esito);
        }
        return false;
    }
    CaricaDaByte(lettura.byte);
    return true;
}
