#include "exchange/notazione_tasti.h"

#include <gtest/gtest.h>

namespace {

Tasto Car(char32_t c) {
    return {.carattere = c};
}
Tasto ConMaiuscole(char32_t c) {
    return {.carattere = c, .maiuscole = true};
}

TEST(NotazioneTasti, ICaratteriDiComandoVannoTraGraffe) {
    EXPECT_EQ(InNotazioneTasti("1E+20"), "1E{+}20");
    EXPECT_EQ(InNotazioneTasti("-25"), "-25");
    EXPECT_EQ(InNotazioneTasti("12.5"), "12.5");
    EXPECT_EQ(InNotazioneTasti("+^%~()[]{}"), "{+}{^}{%}{~}{(}{)}{[}{]}{{}{}}");
}

TEST(NotazioneTasti, SenzaEscapeIlPiuPremeMaiuscole) {
    EXPECT_EQ(InterpretaNotazioneTasti("1E+20"),
              (std::vector<Tasto>{Car('1'), Car('E'), ConMaiuscole('2'), Car('0')}));
}

TEST(NotazioneTasti, ConEscapeArrivaIlTestoComeMostrato) {
    EXPECT_EQ(InterpretaNotazioneTasti(InNotazioneTasti("1E+20")),
              (std::vector<Tasto>{Car('1'), Car('E'), Car('+'), Car('2'), Car('0')}));
}

TEST(NotazioneTasti, OgniTestoStampabileTornaCarattereperCarattere) {
    std::string testo;
    for (char c = ' '; c <= '~'; ++c) {
        testo += c;
    }
    testo += "°µ";
    const auto tasti = InterpretaNotazioneTasti(InNotazioneTasti(testo));
    ASSERT_TRUE(tasti);
    std::u32string ricevuto;
    for (const Tasto& t : *tasti) {
        EXPECT_EQ(t, Car(t.carattere));
        ricevuto += t.carattere;
    }
    std::u32string atteso;
    for (char c = ' '; c <= '~'; ++c) {
        atteso += static_cast<char32_t>(c);
    }
    atteso += U"°µ";
    EXPECT_EQ(ricevuto, atteso);
}

TEST(NotazioneTasti, ModificatoriNomiEGruppi) {
    EXPECT_EQ(InterpretaNotazioneTasti("^c~"),
              (std::vector<Tasto>{{.carattere = 'c', .controllo = true},
                                  {.speciale = TastoSpeciale::Invio}}));
    EXPECT_EQ(InterpretaNotazioneTasti("%{TAB}{BS}"),
              (std::vector<Tasto>{{.speciale = TastoSpeciale::Tabulazione, .alt = true},
                                  {.speciale = TastoSpeciale::Indietro}}));
    EXPECT_EQ(InterpretaNotazioneTasti("+(ab)c"),
              (std::vector<Tasto>{ConMaiuscole('a'), ConMaiuscole('b'), Car('c')}));
}

TEST(NotazioneTasti, UnTestoMalformatoNonSiDigita) {
    for (const char* malformato : {"(", "a)", "{", "{}", "}", "[", "]", "{NONESISTE}", "1+",
                                   "((a))", "+(a^)", "\xC3", "\xFF"}) {
        EXPECT_FALSE(InterpretaNotazioneTasti(malformato)) << malformato;
    }
}

} // namespace
