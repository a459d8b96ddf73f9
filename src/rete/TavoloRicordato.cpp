#include "rete/TavoloRicordato.h"

#include <QStringList>

namespace {

// Five short lines: anything longer is not ours. The whole file may hold five lines of the
// longest characters, so that every table read here can be written and read back.
constexpr qsizetype kRigaMassima = 200;
constexpr qsizetype kDimensioneMassima = 5 * (kRigaMassima * 3 + 1) + 64;

} // namespace

TavoloRicordato TavoloRicordatoDaTesto(const QByteArray& testo) {
    if (testo.size() > kDimensioneMassima) {
        return {};
    }
    const QStringList righe = QString::fromUtf8(testo).split(QLatin1Char('\n'));
    if (righe.size() < 4) {
        return {};
    }
    for (const QString& riga : righe) {
        if (riga.size() > kRigaMassima) {
            return {};
        }
    }
    bool numero = false;
    TavoloRicordato tavolo{righe[0].trimmed(), righe[1].trimmed(),
                           righe[2].trimmed().toInt(&numero), righe[3].trimmed()};
    if (!numero || tavolo.posto < 0 || tavolo.posto > 4) {
        return {};
    }
    tavolo.ospitato = righe.size() > 4 && righe[4].trimmed() == QLatin1String("ospitato");
    return tavolo;
}

QByteArray TestoTavoloRicordato(const TavoloRicordato& tavolo) {
    return QStringLiteral("%1\n%2\n%3\n%4\n%5\n")
        .arg(tavolo.server, tavolo.codice, QString::number(tavolo.posto), tavolo.gettone,
             tavolo.ospitato ? QStringLiteral("ospitato") : QStringLiteral("ospite"))
        .toUtf8();
}
