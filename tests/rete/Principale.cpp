#include <gtest/gtest.h>

#include <QCoreApplication>

#include "comune/Percorsi.h"
#include "rete/DispatcherEpoll.h"

// The network tests run Qt's event loop: one application for the whole run, on the server's
// own loop, so that every listener, table and TLS test runs on what the server runs on.
int main(int argc, char** argv) {
    QCoreApplication::setEventDispatcher(new DispatcherEpoll);
    QCoreApplication applicazione(argc, argv);
    // The computer players' rules file, from the sources.
    ImpostaCartellaProgramma(PENTALUDO_DATI_SORGENTE);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
