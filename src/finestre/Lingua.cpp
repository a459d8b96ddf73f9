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
