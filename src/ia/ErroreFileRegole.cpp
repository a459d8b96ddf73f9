#include "ia/ErroreFileRegole.h"

ErroreFileRegole ErroreFileRegole::NonTrovato(const std::string& nomeFile,
                                              const std::vector<std::string>& cartelle) {
    std::string elenco;
    for (const std::string& cartella : cartelle) {
        elenco += (elenco.empty() ? "" : ", ") + cartella;
    }
    return {"Impossibile trovare il file delle regole \"" + nomeFile +
                "\" (cartelle cercate: " + elenco + ")",
            nomeFile};
}

ErroreFileRegole ErroreFileRegole::Illeggibile(const std::string& percorso) {
    return {"Impossibile leggere il file delle regole \"" + percorso + "\"", percorso};
}

ErroreFileRegole ErroreFileRegole::NonLetto(const std::string& percorso, EsitoLettura esito) {
    if (esito == EsitoLettura::NonRegolare || esito == EsitoLettura::TroppoGrande) {
        return {"Il file delle regole \"" + percorso + "\" " + MotivoLettura(esito), percorso};
    }
    return Illeggibile(percorso);
}
