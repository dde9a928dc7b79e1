// GoogleTest entry for the widget tests: one QApplication for the whole program.
#include "window/caratteri.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Widget tests run without a display unless one is asked for; test discovery at build
    // time runs this program too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication applicazione(argc, argv);
    RegistraSostituzioniCaratteri();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
