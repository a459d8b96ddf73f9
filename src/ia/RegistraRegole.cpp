#include "ia/RegistraRegole.h"

#include <filesystem>
#include <system_error>

namespace {

std::string PercorsoPredefinito() {
    std::error_code errore;
    const std::filesystem::path cartella = std::filesystem::temp_directory_path(errore);
    if (errore) {
        return {};
    }
    return (cartella / "IAlog.txt").string();
}

} // namespace

RegistraRegole::RegistraRegole(bool incrementale) : percorso(PercorsoPredefinito()) {
    Apri(incrementale);
}

RegistraRegole::RegistraRegole(const std::string& percorso, bool incrementale)
    : percorso(percorso) {
    Apri(incrementale);
}

void RegistraRegole::Apri(bool incrementale) {
    if (percorso.empty()) {
        return;
    }
    file.open(percorso, std::ios::out | std::ios::trunc);
    if (!file) {
        file.close();
        return;
    }
    file << (incrementale ? "DATI INCREMENTALI" : "DATI AGGREGATI") << '\n';
    file.flush();
}

RegistraRegole& LogIA() {
    static RegistraRegole log;
    return log;
}

RegistraRegole& AvviaLogIA() {
    return LogIA();
}
