#include <gtest/gtest.h>

#include <clocale>

// Qt programs call setlocale(LC_ALL, ""): the texts must not change under a decimal comma.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::setlocale(LC_ALL, "it_IT.UTF-8");
    return RUN_ALL_TESTS();
}

TEST(LocaleItaliana, LaLibreriaCUsaLaVirgola) {
    EXPECT_STREQ(std::localeconv()->decimal_point, ",")
        << "missing locale: localedef -i it_IT -f UTF-8 it_IT.UTF-8";
}
