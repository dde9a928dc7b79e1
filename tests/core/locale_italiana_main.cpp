#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace {

// Qt programs call setlocale(LC_ALL, ""), so the C library may use a decimal comma
// while the core runs; every table must give the same texts then.
class LocaleItaliana : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr)
            << "the locale it_IT.UTF-8 is missing; generate it with "
               "`localedef -i it_IT -f UTF-8 it_IT.UTF-8`";
        char testo[16];
        std::snprintf(testo, sizeof testo, "%.1f", 0.5);
        ASSERT_EQ(std::string(testo), "0,5") << "the C library does not use the decimal comma";
    }
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new LocaleItaliana);
    return RUN_ALL_TESTS();
}
