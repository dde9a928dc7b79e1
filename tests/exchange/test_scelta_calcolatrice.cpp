#include "exchange/scelta_calcolatrice.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TrovaProgramma Installati(const std::set<std::string>& programmi) {
    return [programmi](const std::string& p) {
        return programmi.contains(p) ? "/usr/bin/" + p : std::string();
    };
}

TEST(SceltaCalcolatrice, ElencoPredefinitoInOrdine) {
    std::vector<std::string> nomi;
    for (const CandidatoCalcolatrice& c : CandidatiPredefiniti()) {
        nomi.push_back(c.programma);
    }
    EXPECT_EQ(nomi,
              (std::vector<std::string>{"gnome-calculator", "kcalc", "qalculate-qt",
                                        "qalculate-gtk", "galculator", "mate-calc", "xcalc"}));
}

struct Caso {
    std::set<std::string> installati;
    SessioneGrafica sessione;
    std::string programma;
    std::vector<std::string> argomenti;
    ConsegnaNumero consegna;
};

TEST(SceltaCalcolatrice, IlPrimoInstallatoEIlModoDiConsegna) {
    using enum SessioneGrafica;
    using enum ConsegnaNumero;
    const std::vector<Caso> casi{
        {{"xcalc", "gnome-calculator"},
         X11,
         "/usr/bin/gnome-calculator",
         {"--equation=-25"},
         AllAvvio},
        {{"xcalc", "kcalc", "qalculate-qt"}, X11, "/usr/bin/kcalc", {}, DaDigitare},
        {{"qalculate-gtk", "galculator"}, X11, "/usr/bin/qalculate-gtk", {" -25"}, AllAvvio},
        {{"mate-calc", "xcalc"}, X11, "/usr/bin/mate-calc", {}, DaDigitare},
        {{"xcalc"}, X11, "/usr/bin/xcalc", {}, DaDigitare},
        {{"kcalc", "qalculate-qt"}, Wayland, "/usr/bin/qalculate-qt", {" -25"}, AllAvvio},
        {{"gnome-calculator"}, Wayland, "/usr/bin/gnome-calculator", {"--equation=-25"}, AllAvvio},
        {{"galculator", "xcalc"}, Wayland, "/usr/bin/galculator", {}, Impossibile},
    };
    for (const Caso& caso : casi) {
        const auto comando = ScegliCalcolatrice(CandidatiPredefiniti(), caso.sessione,
                                                Installati(caso.installati), "-25");
        ASSERT_TRUE(comando) << caso.programma;
        EXPECT_EQ(comando->programma, caso.programma);
        EXPECT_EQ(comando->argomenti, caso.argomenti) << caso.programma;
        EXPECT_EQ(comando->consegna, caso.consegna) << caso.programma;
    }
}

TEST(SceltaCalcolatrice, NessunoInstallato) {
    EXPECT_FALSE(
        ScegliCalcolatrice(CandidatiPredefiniti(), SessioneGrafica::X11, Installati({}), "0"));
    EXPECT_FALSE(ScegliCalcolatrice({}, SessioneGrafica::Wayland, Installati({"xcalc"}), "0"));
}

TEST(SceltaCalcolatrice, IlTestoRestaUnSoloArgomento) {
    const std::vector<CandidatoCalcolatrice> candidati{{"calc", {"-x", "{numero}", "--fine"}}};
    const auto comando =
        ScegliCalcolatrice(candidati, SessioneGrafica::X11, Installati({"calc"}), "1E+20; rm x");
    ASSERT_TRUE(comando);
    EXPECT_EQ(comando->argomenti, (std::vector<std::string>{"-x", "1E+20; rm x", "--fine"}));
}

} // namespace
