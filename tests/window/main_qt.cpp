// GoogleTest entry for the widget tests: one QApplication for the whole program.
#include "window/caratteri.h"

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
