#include "motori/RegistrazioneSerie.h"

#include <algorithm>
#include <array>

#include "comune/Errore.h"

RegistrazioneSerie::RegistrazioneSerie(std::ostream& uscita, int quote)
    : uscita(uscita), fallite(static_cast<std::size_t>(std::max(quote, 1)), 0) {
    attese.resize(fallite.size());
    for (std::size_t k = 1; k < attese.size(); ++k) {
        attese[k].reset(std::tmpfile());
        if (!attese[k]) {
            throw Errore("Impossibile creare un file temporaneo per registrare le partite");
        }
    }
}

RegistrazioneSerie::~RegistrazioneSerie() = default;

void RegistrazioneSerie::Scrivi(int quota, std::string_view testo) {
    const auto k = static_cast<std::size_t>(quota);
    if (k >= attese.size() || fallite[k] != 0) {
        return;
    }
    if (k == 0) {
        uscita.write(testo.data(), static_cast<std::streamsize>(testo.size()));
        fallite[k] = uscita ? 0 : 1;
    } else if (std::fwrite(testo.data(), 1, testo.size(), attese[k].get()) != testo.size()) {
        fallite[k] = 1;
    }
}

bool RegistrazioneSerie::Chiudi(int quote) {
    bool riuscita = fallite[0] == 0;
    std::array<char, 65536> blocco{};
    const auto ultima = std::min(attese.size(), static_cast<std::size_t>(std::max(quote, 0)));
    for (std::size_t k = 1; k < ultima; ++k) {
        std::FILE* file = attese[k].get();
        riuscita = riuscita && fallite[k] == 0 && std::fflush(file) == 0 &&
                   std::fseek(file, 0, SEEK_SET) == 0;
        while (riuscita) {
            const std::size_t letti = std::fread(blocco.data(), 1, blocco.size(), file);
            uscita.write(blocco.data(), static_cast<std::streamsize>(letti));
            riuscita = static_cast<bool>(uscita) && std::ferror(file) == 0;
            if (letti < blocco.size()) {
                break;
            }
        }
    }
    attese.clear();
    uscita.flush();
    return riuscita && static_cast<bool>(uscita);
}
