// GoogleTest entry for the widget tests: one application for the whole program, with the
// faces the program substitutes, offscreen unless a test run names a platform.
#include "risorse/avvio.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Test discovery at build time runs this program too, with no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication applicazione(argc, argv);
    RegistraSostituzioniCaratteri();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
