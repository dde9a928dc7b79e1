#include <QApplication>
#include <gtest/gtest.h>

// Listing the tests needs no window system; running them needs the application object.
int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication applicazione(argc, argv);
    return RUN_ALL_TESTS();
}
