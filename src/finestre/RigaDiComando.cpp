#include "finestre/RigaDiComando.h"

ArgomentiAvvio LeggiRigaDiComando(const QStringList& argomenti) {
    ArgomentiAvvio risultato;
    const QString testo = argomenti.join(QLatin1Char(' '));
    qsizetype i = 0;
    while (i < testo.size()) {
        const QChar c = testo.at(i).toUpper();
        if (c == QLatin1Char('D') && i + 1 < testo.size()) {
            const QChar cifra = testo.at(i + 1);
            if (cifra >= QLatin1Char('1') && cifra <= QLatin1Char('3')) {
                risultato.tipoGiocatori = cifra.digitValue();
            }
        } else if (c == QLatin1Char('S')) {
            // The seed wraps around like the 32-bit value it is.
            while (i + 1 < testo.size() && testo.at(i + 1).isDigit() &&
                   testo.at(i + 1).unicode() < 128) {
                risultato.semeCasuale = risultato.semeCasuale * 10u +
                                        static_cast<std::uint32_t>(testo.at(i + 1).digitValue());
                ++i;
            }
        }
        ++i;
    }
    return risultato;
}
