#include <gtest/gtest.h>

#include <QCoreApplication>

#include "comune/Percorsi.h"

// The network tests run Qt's event loop: one application for the whole run.
int main(int argc, char** argv) {
    QCoreApplication applicazione(argc, argv);
    // The computer players' rules file, from the sources.
    ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
