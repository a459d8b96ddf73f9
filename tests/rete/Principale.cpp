#include <gtest/gtest.h>

#include <QCoreApplication>

// The network tests run Qt's event loop: one application for the whole run.
int main(int argc, char** argv) {
    QCoreApplication applicazione(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
