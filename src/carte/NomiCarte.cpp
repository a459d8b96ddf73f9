#include "carte/NomiCarte.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <sstream>
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

bool UgualiSenzaMaiuscole(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The value of the first line whose text before the first "=" is the key, ignoring case.
std::string ValoreChiave(const std::vector<std::string>& righe, const std::string& chiave) {
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

bool CaricaNomiCarte(const std::string& percorso) {
    const auto testo = LeggiFileTesto(percorso);
    if (!testo) {
        return false;
    }
    std::vector<std::string> righe;
    std::istringstream flusso(*testo);
    for (std::string riga; std::getline(flusso, riga);) {
        if (!riga.empty() && riga.back() == '\r') {
            riga.pop_back();
        }
        righe.push_back(riga);
    }
    TabelleNomi nuove;
    for (std::size_t i = 0; i < 10; ++i) {
        nuove.nomiValori[i] = ValoreChiave(righe, "C" + std::to_string(i));
        nuove.lettereValori[i] = ValoreChiave(righe, "B" + std::to_string(i));
    }
    for (std::size_t i = 0; i < 4; ++i) {
        nuove.nomiSemi[i] = ValoreChiave(righe, "S" + std::to_string(i));
        nuove.lettereSemi[i] = ValoreChiave(righe, "SB" + std::to_string(i));
    }
    Tabelle() = std::move(nuove);
    return true;
}

void RipristinaNomiCarte() {
    Tabelle() = TabelleIniziali();
}
