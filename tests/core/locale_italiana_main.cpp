#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

// Qt programs call setlocale(LC_ALL, ""), so the C library may use a decimal comma while
// the core runs; the texts must not change.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::setlocale(LC_ALL, "it_IT.UTF-8");
    return RUN_ALL_TESTS();
}

TEST(LocaleItaliana, LaLibreriaCUsaLaVirgola) {
    char testo[8];
    std::snprintf(testo, sizeof testo, "%.1f", 0.5);
    EXPECT_STREQ(testo, "0,5") << "missing locale: localedef -i it_IT -f UTF-8 it_IT.UTF-8";
}
