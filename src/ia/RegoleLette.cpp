#include "ia/RegoleLette.h"

#include <filesystem>
#include <map>

#include "comune/Errore.h"
#include "comune/Percorsi.h"
#include "ia/CaricaRegole.h"
#include "ia/ErroreFileRegole.h"
#include "ia/IntelligenzaArtificiale.h"
#include "ia/NomiPredicati.h"
#include "ia/VocabolarioPredicati.h"

namespace {

// The full path of the rules file, found as every data file is; raises when there is none.
std::string TrovaRegole(const std::string& nome) {
    const std::string percorso = TrovaFileDati(nome);
    if (!percorso.empty()) {
        return percorso;
    }
    const std::filesystem::path cercato(nome);
    std::error_code errore;
    if (std::filesystem::exists(cercato, errore)) {
        throw ErroreFileRegole::NonLetto(nome, EsitoLettura::NonRegolare);
    }
    throw ErroreFileRegole::NonTrovato(nome, cercato.has_parent_path()
                                                 ? std::vector{cercato.parent_path().string()}
                                                 : CartelleDati());
}

} // namespace

RegoleLette RegoleLette::DaFile(const std::string& nomeFile) {
    // Read by the engine's own reader into an engine of the player's predicates, so that the
    // errors and the rules are those of a player reading the file; then written down.
    IntelligenzaArtificiale ia;
    VocabolarioPredicati vocabolario;
    vocabolario.RegistraVocabolario(ia);
    CaricaRegoleDaFile(ia, TrovaRegole(nomeFile));

    std::map<const Predicato*, int> indici;
    for (int i = 0; i < ia.NumeroPredicati(); ++i) {
        indici.emplace(&ia.PredicatoN(i), i);
    }
    RegoleLette lette;
    lette.nomeFile = nomeFile;
    lette.regole.reserve(static_cast<std::size_t>(ia.NumeroRegole()));
    for (int r = 0; r < ia.NumeroRegole(); ++r) {
        const _Regola& regola = ia.RegolaN(r);
        Regola letta{regola.Nome(),
                     regola.Peso(),
                     regola.Bersaglio() != nullptr ? indici.at(regola.Bersaglio()) : -1,
                     {}};
        letta.antecedenti.reserve(static_cast<std::size_t>(regola.Numero()));
        for (int a = 0; a < regola.Numero(); ++a) {
            letta.antecedenti.push_back(
                {indici.at(&regola.Antecedente(a)), regola.Negato(a), regola.Congiunzione(a)});
        }
        lette.regole.push_back(std::move(letta));
    }
    return lette;
}

void RegoleLette::Carica(IntelligenzaArtificiale& ia) const {
    if (ia.NumeroPredicati() < kNumeroPredicati) {
        throw Errore("Le regole lette vanno in un motore con i predicati del giocatore");
    }
    const auto predicato = [&ia](int i) -> Predicato& { return ia.PredicatoN(i); };
    for (const Regola& regola : regole) {
        _Regola& nuova = regola.bersaglio >= 0
                             ? ia.NuovaRegola(predicato(regola.bersaglio), regola.nome)
                             : ia.NuovaRegola(regola.peso, regola.nome);
        for (const Antecedente& a : regola.antecedenti) {
            Predicato& p = predicato(a.predicato);
            if (a.congiunzione) {
                a.negato ? nuova.ENon(p) : nuova.E(p);
            } else {
                a.negato ? nuova.ONon(p) : nuova.O(p);
            }
        }
    }
}
