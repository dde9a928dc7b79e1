#include "exchange/appunti_qt.h"
#include "exchange/copia_incolla.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

const Regione kVirgola{",", "."};
const Regione kPunto{".", ","};

TEST(Copia, LeRigheSelezionateOIlRegistro) {
    const std::vector<std::string> righe{"Parametri NTC:", "25 [°C] = 10000.0 [Ohm]", ""};
    const std::pair<std::vector<bool>, std::string> casi[] = {
        {{false, false, false}, "1E+20"},
        {{false, true}, "\r\n25 [°C] = 10000.0 [Ohm]"},
        {{true, false, true}, "\r\nParametri NTC:\r\n"},
        {{false, false, false, true}, "1E+20"}};
    for (const auto& [selezionate, atteso] : casi) {
        EXPECT_EQ(TestoDaCopiare(righe, selezionate, "1E+20"), atteso) << atteso;
    }
}

// Texts written as under ","; the "." region reads each with "," and "." swapped.
std::string Scambiato(std::string testo) {
    for (char& c : testo) {
        c = c == ',' ? '.' : (c == '.' ? ',' : c);
    }
    return testo;
}

TEST(Incolla, IlNumeroDegliAppuntiSecondoLaRegione) {
    const std::pair<std::string, std::string> numeri[] = {
        {"25", "25"},    {"12,5", "12.5"}, {"-0,25", "-0.25"},      {"1.234,5", "1234.5"},
        {"12.5", "125"}, {"1E3", "1000"},  {"0,000000000001", "0"}, {" 25 ", "25"},
    };
    for (const auto& [appunti, registro] : numeri) {
        EXPECT_EQ(TestoDaIncollare(appunti, kVirgola), registro) << appunti;
        EXPECT_EQ(TestoDaIncollare(Scambiato(appunti), kPunto), registro) << appunti;
    }
    for (const char* appunti : {"abc", "", "-", "1E999", "\r\n25 [°C] = 10000,0 [Ohm]"}) {
        EXPECT_EQ(TestoDaIncollare(appunti, kVirgola), std::nullopt) << appunti;
        EXPECT_EQ(TestoDaIncollare(Scambiato(appunti), kPunto), std::nullopt) << appunti;
    }
}

TEST(AppuntiDelSistema, UnImmagineNonSIncollaECopiareLaSostituisce) {
    AppuntiQt appunti;
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_EQ(IncollaDagliAppunti(appunti, kVirgola), std::nullopt);
    CopiaNegliAppunti(appunti, {"a", "b"}, {false, true}, "0");
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "\r\nb");
    CopiaNegliAppunti(appunti, {"a"}, {false}, "-0.25");
    EXPECT_EQ(IncollaDagliAppunti(appunti, kPunto), "-0.25");
}

} // namespace
