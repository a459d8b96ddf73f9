#include "ia/CaricaRegole.h"

#include <climits>
#include <string>

#include "comune/Testo.h"
#include "ia/ErroreFileRegole.h"
#include "ia/ErroreRegole.h"
#include "ia/IntelligenzaArtificiale.h"

namespace {

// Every byte below "-" is a separator, and so are the operators and "<".
bool Separatore(unsigned char c) {
    return c < '-' || c == '&' || c == '|' || c == '!' || c == ';' || c == '<' || c == '#';
}

// An optional minus sign, then digits up to the first other byte; no digits give 0. Huge
// weights stop at the limits of a 32-bit integer instead of overflowing.
long long LeggiPeso(const std::string& token) {
    std::size_t i = 0;
    bool negativo = false;
    if (i < token.size() && token[i] == '-') {
        negativo = true;
        ++i;
    }
    long long valore = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        valore = valore * 10 + (token[i] - '0');
        if (valore > INT_MAX) {
            valore = INT_MAX;
        }
    }
    return negativo ? -valore : valore;
}

class Lettore {
public:
    explicit Lettore(IntelligenzaArtificiale& ia) : ia(ia) {}

    void Leggi(std::string_view testo) {
        std::size_t i = 0;
        while (i < testo.size()) {
            auto c = static_cast<unsigned char>(testo[i++]);
            if (c == '#') {
                while (i < testo.size() && testo[i] != '\n' && testo[i] != '\r') {
                    ++i;
                }
                if (i == testo.size()) {
                    break;
                }
                c = static_cast<unsigned char>(testo[i++]);
            }
            bool fineRegola = false;
            if (c == '&') {
                e = true;
            } else if (c == '|') {
                e = false;
            } else if (c == '!') {
                non = true;
            } else if (c == ';') {
                fineRegola = true;
            }
            if (Separatore(c)) {
                ChiudiToken();
                // The token that ";" ends still belongs to the rule it closes.
                if (fineRegola) {
                    FineRegola();
                }
            } else {
                if (token.empty()) {
                    rigaToken = riga;
                }
                token += static_cast<char>(c);
            }
            // Lines end with LF, CR LF or a lone CR.
            if (c == '\n' || (c == '\r' && (i == testo.size() || testo[i] != '\n'))) {
                ++riga;
            }
        }
        ChiudiToken();
        FineRegola();
    }

private:
    IntelligenzaArtificiale& ia;
    std::string token;
    int riga = 1;
    int rigaToken = 1;
    int rigaNome = 1;
    int campo = 0;
    bool e = true;
    bool non = false;
    std::string nome;
    _Regola* regola = nullptr;

    void ChiudiToken() {
        if (token.empty()) {
            return;
        }
        Gestisci();
        token.clear();
        non = false;
    }

    Predicato& Cerca() const {
        try {
            return ia.CercaPredicato(token);
        } catch (const Errore& errore) {
            throw ErroreRegole(errore.what(), rigaToken);
        }
    }

    // A rule with a name and nothing else would be dropped without a word: most likely its
    // weight was left out.
    void FineRegola() {
        if (campo == 1) {
            throw ErroreRegole("La regola " + nome + " non ha né peso né bersaglio", rigaNome);
        }
        campo = 0;
    }

    void Gestisci() {
        if (campo == 0) {
            nome = token;
            rigaNome = rigaToken;
            campo = 1;
        } else if (campo == 1) {
            campo = 2;
            const long long peso = LeggiPeso(token);
            if (peso != 0 || token == "0") {
                regola = &ia.NuovaRegola(static_cast<double>(peso), nome);
            } else {
                regola = &ia.NuovaRegola(Cerca(), nome);
            }
        } else {
            Predicato& p = Cerca();
            if (e) {
                non ? regola->ENon(p) : regola->E(p);
            } else {
                non ? regola->ONon(p) : regola->O(p);
            }
            e = true;
        }
    }
};

} // namespace

void CaricaRegole(IntelligenzaArtificiale& ia, std::string_view testo) {
    Lettore(ia).Leggi(testo);
}

void CaricaRegoleDaFile(IntelligenzaArtificiale& ia, const std::string& percorso) {
    const LetturaFile lettura = LeggiFileRegolare(percorso);
    if (lettura.esito != EsitoLettura::Letto) {
        throw ErroreFileRegole::NonLetto(percorso, lettura.esito);
    }
    try {
        CaricaRegole(ia, DecodificaTesto(lettura.byte));
    } catch (const ErroreRegole& errore) {
        throw ErroreRegole(errore.what(), errore.Riga(), percorso);
    }
}
