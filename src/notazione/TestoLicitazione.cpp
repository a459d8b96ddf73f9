#include "notazione/TestoLicitazione.h"

#include <charconv>

#include "carte/CodiceCarta.h"
#include "comune/Errore.h"

namespace {

// The rank's letter: the first of the card code.
char LetteraValore(int valore) {
    return CodiceCarta(Carta(valore, 0))[0];
}

} // namespace

std::string TestoLicitazione(const Chiamata& chiamata) {
    if (chiamata.Valore == kPasso) {
        return "passo";
    }
    std::string testo = chiamata.Punti > 60
                            ? std::to_string(chiamata.Punti)
                            : std::string(1, LetteraValore(chiamata.ValoreVerificato()));
    if (chiamata.Seme >= 0 && chiamata.Seme <= 3) {
        testo += CodiceSeme(chiamata.Seme);
    }
    return testo;
}

Chiamata LicitazioneDaTesto(std::string_view testo) {
    if (testo == "passo") {
        return ChiamataPasso;
    }
    const auto NonValida = [&] {
        std::string citato(testo.substr(0, 12));
        for (char& c : citato) {
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) {
                c = '?';
            }
        }
        return Errore("Licitazione non valida: " + citato + (testo.size() > 12 ? "..." : ""));
    };
    int seme = -1;
    std::string_view corpo = testo;
    if (!corpo.empty() && (corpo.back() < '0' || corpo.back() > '9') && corpo.size() > 1) {
        try {
            seme = SemeDaCodice(corpo.substr(corpo.size() - 1));
        } catch (const Errore&) {
            throw NonValida();
        }
        corpo.remove_suffix(1);
    }
    Chiamata chiamata;
    int punti = 0;
    const char* fine = corpo.data() + corpo.size();
    if (const auto [resto, errore] = std::from_chars(corpo.data(), fine, punti);
        corpo.size() > 1 && errore == std::errc() && resto == fine && corpo[0] != '0') {
        if (punti < 61 || punti > 120) {
            throw NonValida();
        }
        chiamata = Chiamata(punti);
    } else {
        int valore = 0;
        while (valore < 10 && !(corpo.size() == 1 && corpo[0] == LetteraValore(valore))) {
            ++valore;
        }
        if (valore == 10) {
            throw NonValida();
        }
        chiamata = Chiamata(valore);
    }
    chiamata.Seme = seme;
    return chiamata;
}
