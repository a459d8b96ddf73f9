#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "finestre/Lingua.h"

// One QApplication for every window test; the offscreen platform unless the caller chose one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication applicazione(argc, argv);
    // Italian whatever the machine's language: a test that wants English chooses it.
    ImpostaLingua(QLocale(QLocale::Italian));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
