#include "exchange/appunti_qt.h"
#include "exchange/copia_incolla.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the calls in order; gives "" for a clipboard without text, as the platform does.
class AppuntiFinti : public Appunti {
public:
    void Svuota() override {
        chiamate.push_back("svuota");
        testo.clear();
    }
    void ScriviTesto(const std::string& t) override {
        chiamate.push_back("scrivi");
        testo = t;
    }
    std::string LeggiTesto() override { return testo; }

    std::vector<std::string> chiamate;
    std::string testo;
};

const Regione kVirgola{",", "."};
const Regione kPunto{".", ","};

TEST(Copia, SenzaRigheSelezionateCopiaIlRegistroTaleQuale) {
    const std::vector<std::string> righe{"Parametri NTC:", "R0 = 10000.0 [Ohm]"};
    for (const std::string registro : {"0", "Errore", "1E+20", "12.5"}) {
        EXPECT_EQ(TestoDaCopiare(righe, {false, false}, registro), registro);
        EXPECT_EQ(TestoDaCopiare({}, {}, registro), registro);
    }
}

TEST(Copia, UnaRigaSceltaDallUtente) {
    const std::vector<std::string> righe{"Parametri NTC:", "25 [°C] = 10000.0 [Ohm]", "x"};
    EXPECT_EQ(TestoDaCopiare(righe, {false, true, false}, "10000.0"),
              "\r\n25 [°C] = 10000.0 [Ohm]");
    EXPECT_EQ(TestoDaCopiare(righe, {false, false, true}, "0"), "\r\nx");
}

TEST(Copia, PiuRigheInOrdineDiLista) {
    const std::vector<std::string> righe{"a", "b", "c", "d"};
    EXPECT_EQ(TestoDaCopiare(righe, {true, false, true, true}, "0"), "\r\na\r\nc\r\nd");
}

TEST(Copia, UnaRigaSelezionataVuotaNonRipiegaSulRegistro) {
    EXPECT_EQ(TestoDaCopiare({"", "b"}, {true, false}, "7"), "\r\n");
}

TEST(Copia, FlagMancantiContanoComeNonSelezionati) {
    EXPECT_EQ(TestoDaCopiare({"a", "b"}, {false}, "7"), "7");
    EXPECT_EQ(TestoDaCopiare({"a"}, {false, true}, "7"), "7");
}

TEST(Copia, SvuotaGliAppuntiPrimaDiScrivere) {
    AppuntiFinti appunti;
    appunti.testo = "vecchio";
    CopiaNegliAppunti(appunti, {"a", "b"}, {false, true}, "0");
    EXPECT_EQ(appunti.chiamate, (std::vector<std::string>{"svuota", "scrivi"}));
    EXPECT_EQ(appunti.testo, "\r\nb");
}

struct CasoIncolla {
    std::string appunti;
    std::optional<std::string> registro;
};

TEST(Incolla, RegioneConVirgolaDecimale) {
    const std::vector<CasoIncolla> casi{
        {"25", "25"},
        {"12,5", "12.5"},
        {"-0,25", "-0.25"},
        {"1.234,5", "1234.5"},
        {"12.5", "125"},
        {"1E3", "1000"},
        {"0,000000000001", "0"},
        {"0,123456789012345", "0.12345678901"},
        {" 25 ", "25"},
        {"7", "7"},
        {"abc", std::nullopt},
        {"Errore", std::nullopt},
        {"-", std::nullopt},
        {"", std::nullopt},
        {"1E999", std::nullopt},
        {"\r\n25 [°C] = 10000,0 [Ohm]", std::nullopt},
    };
    for (const CasoIncolla& caso : casi) {
        EXPECT_EQ(TestoDaIncollare(caso.appunti, kVirgola), caso.registro) << caso.appunti;
    }
}

TEST(Incolla, RegioneConPuntoDecimale) {
    const std::vector<CasoIncolla> casi{
        {"25", "25"},          {"12.5", "12.5"},   {"12,5", "125"},         {"-0.25", "-0.25"},
        {"1,234.5", "1234.5"}, {"1E3", "1000"},    {"0.000000000001", "0"}, {"-40", "-40"},
        {"abc", std::nullopt}, {"", std::nullopt},
    };
    for (const CasoIncolla& caso : casi) {
        EXPECT_EQ(TestoDaIncollare(caso.appunti, kPunto), caso.registro) << caso.appunti;
    }
}

TEST(Incolla, IlRegistroCopiatoERiletto) {
    // Copied with no line selected and pasted back, "12.5" survives only under ".".
    AppuntiFinti appunti;
    CopiaNegliAppunti(appunti, {}, {}, "12.5");
    EXPECT_EQ(IncollaDagliAppunti(appunti, kVirgola), "125");
    EXPECT_EQ(IncollaDagliAppunti(appunti, kPunto), "12.5");
}

TEST(Incolla, AppuntiVuotiOSoloImmagineNonCambianoNulla) {
    AppuntiFinti vuoti;
    EXPECT_EQ(IncollaDagliAppunti(vuoti, kVirgola), std::nullopt);
    AppuntiFinti soloImmagine; // holds no text, so reads as ""
    soloImmagine.Svuota();
    EXPECT_EQ(IncollaDagliAppunti(soloImmagine, kPunto), std::nullopt);
}

TEST(AppuntiDelSistema, ScriveLeggeESvuota) {
    AppuntiQt appunti;
    appunti.ScriviTesto("\r\n25 [°C] = 10000.0 [Ohm]");
    EXPECT_EQ(appunti.LeggiTesto(), "\r\n25 [°C] = 10000.0 [Ohm]");
    appunti.Svuota();
    EXPECT_EQ(appunti.LeggiTesto(), "");
}

} // namespace
