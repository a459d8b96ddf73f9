#include "finestre/Lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

bool CaricaTraduzioniQt(const QLocale& lingua) {
    // One translator for the whole run: a new language takes the place of the old one.
    static std::unique_ptr<QTranslator> corrente;
    auto nuovo = std::make_unique<QTranslator>();
    if (!nuovo->load(lingua, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    if (corrente) {
        QCoreApplication::removeTranslator(corrente.get());
    }
    QCoreApplication::installTranslator(nuovo.get());
    corrente = std::move(nuovo);
    return true;
}

namespace {

bool& Inglese() {
    static bool inglese = false;
    return inglese;
}

} // namespace

QLocale LinguaFinestra(int scelta, const QLocale& sistema) {
    const bool inglese = scelta == 2 || (scelta == 0 && sistema.language() == QLocale::English);
    return inglese ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                   : QLocale(QLocale::Italian, QLocale::Italy);
}

void ImpostaLingua(const QLocale& lingua) {
    // The program's own texts: Italian is the source and needs no translator.
    static std::unique_ptr<QTranslator> testi;
    if (testi) {
        QCoreApplication::removeTranslator(testi.get());
        testi.reset();
    }
    Inglese() = lingua.language() == QLocale::English;
    if (Inglese()) {
        auto nuovo = std::make_unique<QTranslator>();
        if (nuovo->load(QStringLiteral(":/traduzioni/pentaludo_en.qm"))) {
            QCoreApplication::installTranslator(nuovo.get());
            testi = std::move(nuovo);
        }
    }
    CaricaTraduzioniQt(lingua);
}

bool LinguaInglese() {
    return Inglese();
}
