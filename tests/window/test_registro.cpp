#include "window/registro.h"

#include <gtest/gtest.h>

namespace {

struct CasoTasto {
    const char* prima;
    const char* dopo;
};

void PrintTo(const CasoTasto& c, std::ostream* os) {
    *os << '"' << c.prima << "\" -> \"" << c.dopo << '"';
}

class Cifra : public ::testing::TestWithParam<CasoTasto> {};
TEST_P(Cifra, TreAppendeOSostituisce) {
    EXPECT_EQ(PremiCifra(QString::fromUtf8(GetParam().prima), QStringLiteral("3")),
              QString::fromUtf8(GetParam().dopo));
}
INSTANTIATE_TEST_SUITE_P(Registro, Cifra,
                         ::testing::Values(CasoTasto{"0", "3"}, CasoTasto{"Errore", "3"},
                                           CasoTasto{"7", "73"}, CasoTasto{"-0", "-03"},
                                           CasoTasto{"0.", "0.3"}, CasoTasto{"25.0", "25.03"},
                                           CasoTasto{"errore", "errore3"}, CasoTasto{"-", "-3"},
                                           CasoTasto{"Errore.", "Errore.3"}));

TEST(Registro, ZeroSuZeroRestaZero) {
    EXPECT_EQ(PremiCifra("0", "0"), "0");
}

class Punto : public ::testing::TestWithParam<CasoTasto> {};
TEST_P(Punto, AppendeSoloSeNonCe) {
    EXPECT_EQ(PremiPunto(QString::fromUtf8(GetParam().prima)), QString::fromUtf8(GetParam().dopo));
}
INSTANTIATE_TEST_SUITE_P(Registro, Punto,
                         ::testing::Values(CasoTasto{"0", "0."}, CasoTasto{"0.5", "0.5"},
                                           CasoTasto{"-", "-."}, CasoTasto{"25.0", "25.0"},
                                           CasoTasto{"25,0", "25,0."},
                                           CasoTasto{"Errore", "Errore."}));

class Segno : public ::testing::TestWithParam<CasoTasto> {};
TEST_P(Segno, CambiaSegnoInTrePassi) {
    EXPECT_EQ(CambiaSegno(QString::fromUtf8(GetParam().prima)), QString::fromUtf8(GetParam().dopo));
}
INSTANTIATE_TEST_SUITE_P(Registro, Segno,
                         ::testing::Values(CasoTasto{"25", "-25"}, CasoTasto{"-25", "25"},
                                           CasoTasto{"0.5", "-0.5"}, CasoTasto{"-0.5", "0.5"},
                                           CasoTasto{".5", "-0.5"}, CasoTasto{"12.", "-12"},
                                           CasoTasto{"1.50", "-1.5"}, CasoTasto{"25.0", "-25"},
                                           CasoTasto{"25,0", "-25"}, CasoTasto{"-.5", "0.5"},
                                           CasoTasto{"0.1234567890123456789", "-0.123456789012346"},
                                           CasoTasto{"12345678901234567", "-1.23456789012346E+16"},
                                           CasoTasto{"-1E-20", "1E-20"}, CasoTasto{"0", "0"},
                                           CasoTasto{"Errore", "0"}, CasoTasto{"-", "0"},
                                           CasoTasto{"0.", "0"}, CasoTasto{"-0.001", "0.001"}));

TEST(Registro, SegnoDiUnValoreOltreIlDoppioLasciaIlTesto) {
    const QString enorme = QStringLiteral("1") + QString(400, u'0');
    EXPECT_EQ(CambiaSegno(enorme), enorme);
    // The later steps still run on the text that stayed.
    EXPECT_EQ(CambiaSegno(QStringLiteral("-.") + QString(400, u'9') + QStringLiteral("E+400")),
              QStringLiteral("-0.") + QString(400, u'9') + QStringLiteral("E+400"));
}

class Indietro : public ::testing::TestWithParam<CasoTasto> {};
TEST_P(Indietro, TogliUltimo) {
    EXPECT_EQ(TogliUltimo(QString::fromUtf8(GetParam().prima)), QString::fromUtf8(GetParam().dopo));
}
INSTANTIATE_TEST_SUITE_P(Registro, Indietro,
                         ::testing::Values(CasoTasto{"123", "12"}, CasoTasto{"5", "0"},
                                           CasoTasto{"-5", "-"}, CasoTasto{"-", "0"},
                                           CasoTasto{"0", "0"}, CasoTasto{"0.", "0"},
                                           CasoTasto{"25.0", "25."}, CasoTasto{"", "0"},
                                           CasoTasto{"Errore", "Error"}, CasoTasto{"1 2", "1"},
                                           CasoTasto{" 12 ", "12"}));

} // namespace
