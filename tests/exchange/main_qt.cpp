#include <QGuiApplication>
#include <gtest/gtest.h>

// The clipboard and the command's timers need an application object; the test process
// itself never needs a real screen, not even while its tests are being listed.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication applicazione(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
