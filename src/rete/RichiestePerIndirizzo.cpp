#include "rete/RichiestePerIndirizzo.h"

#include <algorithm>

RichiestePerIndirizzo::RichiestePerIndirizzo(int alSecondo, int raffica, int indirizziMassimi)
    : alSecondo_(std::max(alSecondo, 1)), raffica_(std::max(raffica, 1)),
      indirizziMassimi_(std::max(indirizziMassimi, 1)) {}

bool RichiestePerIndirizzo::Accetta(const QString& indirizzo, std::int64_t adessoMs) {
    auto trovato = secchi_.find(indirizzo);
    if (trovato == secchi_.end()) {
        if (secchi_.size() >= indirizziMassimi_)
            Dimentica(adessoMs);
        if (secchi_.size() >= indirizziMassimi_)
            return false;
        trovato =
            secchi_.insert(indirizzo, {LimiteMessaggi(alSecondo_, raffica_, adessoMs), adessoMs});
    }
    trovato->ultimaMs = adessoMs;
    return trovato->limite.Accetta(adessoMs);
}

void RichiestePerIndirizzo::Dimentica(std::int64_t adessoMs) {
    // A bucket untouched for this long is full again: forgetting it changes nothing.
    const std::int64_t pieno = static_cast<std::int64_t>(raffica_) * 1000 / alSecondo_ + 1;
    secchi_.removeIf([&](const auto& voce) { return adessoMs - voce.value().ultimaMs >= pieno; });
}
