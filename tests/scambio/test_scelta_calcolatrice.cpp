// Which calculator is chosen, and the keys or argument that bring it a number.
#include "scambio/scelta_calcolatrice.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ScritturaCalcolatrice, OgniCalcolatriceLeggeLoStessoValore) {
    const Regione punto{".", ","};
    const struct {
        const char* registro;
        const char* apice;    // gnome-calculator's command line
        const char* matecalc; // keys, "^e" for Ctrl+E, keypad keys in brackets
        const char* xcalc;    // "~" before a key it shows nothing for
        const char* galculator;
    } casi[] = {
        {"25", "25", "[25]", "[25]", "25"},
        {"-25", "-25", "-[25]", "[25]n", "0-25\r"},
        {"-.5", "-0.5", "-[0.5]", "[0.5]n", "0-0.5\r"},
        {"1E+20", "1×10²⁰", "[1]^e20", "[1~*10]~^[20]\r", "1*10000000000*10000000000\r"},
        {"-1.5E-07", "-1.5×10⁻⁷", "-[1.5]^e-7", "[1.5]n[~/10]~^[7]\r", "0-1.5/10000000\r"},
        {"2E+00", "2", "[2]", "[2]", "2"},
        {"1,234.5", "1234.5", "[1234.5]", "[1234.5]", "1234.5"},
    };
    const auto scrivi = [](const std::vector<Tasto>& tasti) {
        std::string testo;
        bool tastierino = false;
        for (const Tasto& t : tasti) {
            if (t.tastierino != tastierino) {
                testo += t.tastierino ? "[" : "]";
                tastierino = t.tastierino;
            }
            testo += t.controllo ? "^" : "";
            testo += t.muto ? "~" : "";
            testo += static_cast<char>(t.carattere);
        }
        return testo + (tastierino ? "]" : "");
    };
    for (const auto& caso : casi) {
        const auto numero = ScomponiNumeroLocale(caso.registro, punto);
        ASSERT_TRUE(numero) << caso.registro;
        EXPECT_EQ(ScriviPerArgomento(*numero, ModoScrittura::Apice, "."), caso.apice);
        EXPECT_EQ(scrivi(TastiPer(*numero, ModoScrittura::MateCalc)), caso.matecalc);
        EXPECT_EQ(scrivi(TastiPer(*numero, ModoScrittura::Xcalc)), caso.xcalc);
        EXPECT_EQ(scrivi(TastiPer(*numero, ModoScrittura::Galculator)), caso.galculator);
    }
    // galculator multiplies by ten digits of powers of ten at a time, up to 1E+308.
    const auto cento = ScomponiNumeroLocale("1E+100", punto);
    ASSERT_TRUE(cento);
    std::string fattori = "1";
    for (int i = 0; i < 10; ++i) {
        fattori += "*10000000000";
    }
    EXPECT_EQ(scrivi(TastiPer(*cento, ModoScrittura::Galculator)), fattori + "\r");
    const auto virgola = ScomponiNumeroLocale("-12,5E+3", {",", "."});
    ASSERT_TRUE(virgola);
    EXPECT_EQ(ScriviPerArgomento(*virgola, ModoScrittura::Testo, ","), "-12,5E+3");
    EXPECT_EQ(scrivi(TastiPer(*virgola, ModoScrittura::MateCalc)), "-[12.5]^e3");
}

TEST(SceltaCalcolatrice, IlPrimoInstallatoNellOrdineEIlModoDiConsegna) {
    using enum SessioneGrafica;
    using enum ConsegnaNumero;
    const struct {
        SessioneGrafica sessione;
        ConsegnaNumero consegna;
        std::set<std::string> installati;
        std::string programma; // empty: none is chosen
        std::vector<std::string> argomenti;
    } casi[] = {
        {X11, AllAvvio, {"xcalc", "gnome-calculator"}, "gnome-calculator", {"--equation=-25"}},
        {X11, AllAvvio, {"kcalc", "qalculate-qt"}, "qalculate-qt", {" -25"}},
        {X11, AllAvvio, {"qalculate-qt", "qalculate-gtk"}, "qalculate-qt", {" -25"}},
        {X11, AllAvvio, {"qalculate-gtk", "galculator"}, "qalculate-gtk", {" -25"}},
        {X11, DaDigitare, {"galculator", "mate-calc"}, "galculator", {}},
        {X11, DaDigitare, {"mate-calc", "xcalc"}, "mate-calc", {}},
        {X11, DaDigitare, {"xcalc"}, "xcalc", {}},
        {Wayland, AllAvvio, {"kcalc", "qalculate-qt"}, "qalculate-qt", {" -25"}},
        {Wayland, Impossibile, {"galculator", "xcalc"}, "galculator", {}},
        {X11, {}, {}, "", {}},
    };
    for (const auto& caso : casi) {
        const auto trova = [&caso](const std::string& p) {
            return caso.installati.contains(p) ? "/usr/bin/" + p : std::string();
        };
        const auto comando = ScegliCalcolatrice(CandidatiPredefiniti(), caso.sessione, trova,
                                                *ScomponiNumeroLocale("-25", {}), ".");
        ASSERT_EQ(comando.has_value(), !caso.programma.empty()) << caso.programma;
        if (comando) {
            EXPECT_EQ(std::tie(comando->programma, comando->argomenti, comando->consegna),
                      std::tuple("/usr/bin/" + caso.programma, caso.argomenti, caso.consegna));
        }
    }
}

} // namespace
