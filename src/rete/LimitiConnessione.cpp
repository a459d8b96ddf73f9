#include "rete/LimitiConnessione.h"

#include <algorithm>

LimiteMessaggi::LimiteMessaggi(int alSecondo, int raffica, std::int64_t adessoMs)
    : alSecondo_(std::max(alSecondo, 1)), raffica_(std::max(raffica, 1)), disponibili_(raffica_),
      ultimoMs_(adessoMs) {}

bool LimiteMessaggi::Accetta(std::int64_t adessoMs) {
    if (adessoMs > ultimoMs_) {
        disponibili_ = std::min(raffica_, disponibili_ + static_cast<double>(adessoMs - ultimoMs_) *
                                                             alSecondo_ / 1000.0);
        ultimoMs_ = adessoMs;
    }
    if (disponibili_ < 1.0)
        return false;
    disponibili_ -= 1.0;
    return true;
}

bool ConnessioniPerIndirizzo::Prendi(const QString& indirizzo) {
    int& aperte = aperte_[indirizzo];
    if (aperte >= massimo_) {
        if (aperte == 0)
            aperte_.remove(indirizzo);
        return false;
    }
    ++aperte;
    return true;
}

void ConnessioniPerIndirizzo::Lascia(const QString& indirizzo) {
    const auto trovato = aperte_.find(indirizzo);
    if (trovato == aperte_.end())
        return;
    if (--trovato.value() <= 0)
        aperte_.erase(trovato);
}
