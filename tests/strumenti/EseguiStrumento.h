#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "ia/PercorsoTemporaneo.h"

// What a command-line tool did: its exit status and both its outputs.
struct Esito {
    int stato;
    std::string uscita;
    std::string errori;
};

inline std::string LeggiTutto(const std::filesystem::path& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    std::ostringstream testo;
    testo << file.rdbuf();
    return testo.str();
}

// Runs a tool of the build with these arguments (already quoted for the shell), its outputs
// going through temporary files named after it.
inline Esito EseguiStrumento(const std::string& strumento, const std::string& argomenti) {
    const auto uscita = PercorsoTemporaneo(strumento + "_out.txt");
    const auto errori = PercorsoTemporaneo(strumento + "_err.txt");
    const std::string comando = std::string(PENTALUDO_STRUMENTI_BUILD) + "/" + strumento + " " +
                                argomenti + " >'" + uscita.string() + "' 2>'" + errori.string() +
                                "'";
    const int stato = std::system(comando.c_str());
    return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, LeggiTutto(uscita), LeggiTutto(errori)};
}
