#include "finestre/TestiGioco.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>

#include "carte/Carta.h"
#include "carte/NomiCarte.h"
#include "partita/Chiamata.h"

namespace {

// The card strategies' own names, as the core gives them and as they are translated.
constexpr std::array<const char*, 3> kStrategie = {
    QT_TRANSLATE_NOOP("TestiGioco", "Esperto"),
    QT_TRANSLATE_NOOP("TestiGioco", "Probabilità"),
    QT_TRANSLATE_NOOP("TestiGioco", "Gioca a Caso"),
};

} // namespace

QString TestoCarta(const Carta& carta, const NomiCarte& nomi) {
    QString valore;
    if (carta.Definita()) {
        valore = QString::fromStdString(
            nomi.Valore(kIndiceFaccia[static_cast<std::size_t>(carta.Valore())], false));
    }
    if (carta.Seme < 0 || carta.Seme > 3) {
        return valore;
    }
    return QCoreApplication::translate("TestiGioco", "%1 di %2")
        .arg(valore, QString::fromStdString(nomi.Seme(carta.Seme, false)));
}

QString TestoChiamata(const Chiamata& chiamata, const NomiCarte& nomi) {
    Carta carta;
    if (chiamata.Valore >= 0 && chiamata.Valore <= 9) {
        carta.ImpostaValore(chiamata.Valore);
    }
    if (chiamata.Seme >= 0 && chiamata.Seme <= 3) {
        carta.Seme = chiamata.Seme;
    }
    const QString testo = TestoCarta(carta, nomi);
    if (chiamata.Punti > 60) {
        return QCoreApplication::translate("TestiGioco", "%1 al %2").arg(testo).arg(chiamata.Punti);
    }
    return testo;
}

QString TestoTipoGiocatore(const std::string& descrizione) {
    const QString testo = QString::fromStdString(descrizione);
    for (const char* strategia : kStrategie) {
        const QString nome = QString::fromUtf8(strategia);
        if (testo == nome || testo.startsWith(nome + QLatin1Char(' '))) {
            QString resto = testo.mid(nome.size());
            static const QRegularExpression kPartite(QStringLiteral("^ (\\d+) partite per carta$"));
            const auto trovato = kPartite.match(resto);
            if (trovato.hasMatch()) {
                resto = QLatin1Char(' ') +
                        QCoreApplication::translate("TestiGioco", "%1 partite per carta")
                            .arg(trovato.captured(1));
            }
            return QCoreApplication::translate("TestiGioco", strategia) + resto;
        }
    }
    const QString migliore = QStringLiteral("Migliore ");
    if (testo.startsWith(migliore)) {
        return QCoreApplication::translate("TestiGioco", "Migliore %1")
            .arg(testo.mid(migliore.size()));
    }
    return testo;
}
