#pragma once

#include <string>
#include <vector>

#include "comune/Errore.h"
#include "comune/Testo.h"

// A rules file that cannot be found or read. The core never ends the program: the caller
// shows the message, which names the file and the folders searched.
class ErroreFileRegole : public Errore {
public:
    // The file was not found in any of the folders.
    static ErroreFileRegole NonTrovato(const std::string& nomeFile,
                                       const std::vector<std::string>& cartelle);
    // The file exists but could not be read.
    static ErroreFileRegole Illeggibile(const std::string& percorso);
    // The file was not read, for the reason given: not a regular file, too large, ...
    static ErroreFileRegole NonLetto(const std::string& percorso, EsitoLettura esito);

    const std::string& NomeFile() const { return nomeFile; }

private:
    ErroreFileRegole(const std::string& messaggio, std::string nomeFile)
        : Errore(messaggio), nomeFile(std::move(nomeFile)) {}

    std::string nomeFile;
};
