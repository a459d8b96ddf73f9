// Reads a rules file with the game's own reader and prints what it understood, one line per
// rule, so that rules authors can check their files.

#include <cmath>
#include <iostream>
#include <string>

#include "comune/Testo.h"
#include "ia/CaricaRegole.h"
#include "ia/ErroreRegole.h"
#include "ia/IntelligenzaArtificiale.h"
#include "ia/VocabolarioPredicati.h"

namespace {

std::string Antecedente(const _Regola& regola, int i) {
    std::string operatore = regola.Congiunzione(i) ? "E" : "O";
    if (regola.Negato(i)) {
        operatore += "Non";
    }
    return operatore + " " + regola.Antecedente(i).Nome();
}

// Written piece by piece: a literal joined to a string with operator+ makes GCC 12 warn
// falsely (-Wrestrict) at -O3.
void Stampa(const _Regola& regola) {
    std::cout << regola.Nome() << '\t';
    if (regola.Bersaglio() != nullptr) {
        std::cout << "bersaglio " << regola.Bersaglio()->Nome();
    } else {
        std::cout << "peso " << std::llround(regola.Peso());
    }
    for (int i = 0; i < regola.Numero(); ++i) {
        std::cout << '\t' << Antecedente(regola, i);
    }
    std::cout << '\n';
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Uso: pentaludo-regole FILE\n";
        return 2;
    }
    const std::string nomeFile = argv[1];
    const LetturaFile lettura = LeggiFileRegolare(nomeFile);
    if (lettura.esito == EsitoLettura::NonAperto) {
        std::cerr << "Impossibile aprire il file delle regole \"" << nomeFile << "\"\n";
        return 2;
    }
    if (lettura.esito != EsitoLettura::Letto) {
        std::cerr << "Il file delle regole \"" << nomeFile << "\" " << MotivoLettura(lettura.esito)
                  << '\n';
        return 2;
    }
    IntelligenzaArtificiale ia;
    VocabolarioPredicati vocabolario;
    vocabolario.RegistraVocabolario(ia);
    try {
        CaricaRegole(ia, DecodificaTesto(lettura.byte));
    } catch (const ErroreRegole& errore) {
        std::cerr << ErroreRegole(errore.what(), errore.Riga(), nomeFile).Posizione() << '\n';
        return 1;
    }
    for (int i = 0; i < ia.NumeroRegole(); ++i) {
        Stampa(ia.RegolaN(i));
    }
    return 0;
}
