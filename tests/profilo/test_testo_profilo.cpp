#include "profilo/codifica_testo.h"
#include "profilo/profilo.h"
#include "profilo/testo_profilo.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace std::string_literals;

const std::vector<VoceProfilo> VOCI{{"NTC", "R0", "10000"}, {"NTC", "B", "3950"}};

std::string Valore(std::string_view byte, const char* chiave) {
    return Profilo(byte).Valore("NTC", chiave).value_or("-");
}

// ASCII text as UTF-16 with its mark, little- or big-endian.
std::string Utf16(std::string_view testo, bool little) {
    std::string byte = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : testo) {
        byte += little ? std::string{c, '\0'} : std::string{'\0', c};
    }
    return byte;
}

TEST(Profilo, RegoleDiLettura) {
    const std::vector<std::tuple<std::string, std::string, std::string>> casi = {
        {"  [ ntc ]  \n \t r0   =   12  \nb=\n", "12", ""},
        {"[NTC]\nR0=' 1 '\nB=\"12'\n", " 1 ", "\"12'"},
        {"[NTC]\nR0=\"\nB='\n", "\"", "'"},
        {"[NTC]\n;R0=0\nR0\nR0=a=b\nR0=2\n  ; B=4\n[NTC]\nB=3\n", "a=b", "-"},
        {"\xEF\xBB\xBF[NTC]\rR0=5\rB=6", "5", "6"},
        {"R0=1\n[A]\r\nB=1\n[NTC]\rR0=7\nB=8\r\n", "7", "8"},
        {"\0\x01[NTC\0]\nR0=\xFF\0\n"s, "-", "-"},
        {"[NTC]\nR0=12\0"
         "34\nB="s +
             std::string(10000, '7'),
         "12", std::string(254, '7')},
        {Utf16("[NTC]\r\nR0=4700\r\nB=3435", true), "4700", "3435"},
        {Utf16("[NTC]\nR0=4700\nB=3435\n", false) + "\x01", "4700", "3435"},
        {"\xFF\xFE[\0N\0T\0C\0]\0\n\0R\0"
         "0\0=\0"
         "1\0\0\xD8\n\0"s,
         "1\xED\xA0\x80", "-"},
    };
    for (const auto& [byte, r0, b] : casi) {
        EXPECT_EQ(Valore(byte, "R0"), r0) << byte.substr(0, 40);
        EXPECT_EQ(Valore(byte, "B"), b) << byte.substr(0, 40);
    }
    // Names compare without case, all of A to Z.
    EXPECT_EQ(Profilo("[az]\nZA=1\n").Valore("AZ", "za"), "1");
}

TEST(ImpostaVociProfilo, RigheScritteConLaFineRigaDelFileIlRestoIntatto) {
    const std::string nuovo = "[NTC]\r\nR0=10000\r\nB=3950\r\n";
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"", nuovo},
        {"; testa\n[Altro]\nR0 = 1\n\n[NTC]\nR0=1\nB = 2 \n[Dopo]\ny=2",
         "; testa\n[Altro]\nR0 = 1\n\n[NTC]\nR0=10000\nB=3950\n[Dopo]\ny=2"},
        {"[NTC]\nR0=1\n; fine\n\n[Dopo]\n", "[NTC]\nR0=10000\n; fine\nB=3950\n\n[Dopo]\n"},
        {"[NTC]\rR0=1\r", "[NTC]\rR0=10000\rB=3950\r"},
        {"[NTC]\nR0=1\r\nx", "[NTC]\nR0=10000\r\nx\nB=3950\n"},
        {"[NTC]\rx\n\n", "[NTC]\rx\nR0=10000\rB=3950\r\n\n"}, // no CR then LF made one end
        {"\xEF\xBB\xBF[Altro]\rx=1", "\xEF\xBB\xBF[Altro]\rx=1\r[NTC]\rR0=10000\rB=3950\r"},
        {"\xEF\xBB\xBF", "\xEF\xBB\xBF" + nuovo},
        {"[ntc]\nR0=1\nr0=2\n[NTC]\nB=3\n", "[ntc]\nR0=10000\nr0=2\nB=3950\n[NTC]\nB=3\n"},
        {"\0\x01[NTC\0]\r\nR0=\xFF\0\n"s, "\0\x01[NTC\0]\r\nR0=\xFF\0\n"s + nuovo},
    };
    for (const auto& [prima, dopo] : casi) {
        const std::string scritto = ImpostaVociProfilo(prima, VOCI);
        EXPECT_EQ(scritto, dopo) << prima;
        EXPECT_EQ(ImpostaVociProfilo(scritto, VOCI), scritto) << "la seconda volta: " << prima;
    }
}

TEST(ImpostaVociProfilo, PiuSezioniInUnPassoLUltimoValoreVince) {
    const std::vector<VoceProfilo> voci{{"NTC", "R0", "10000"},       {"Steinhart-Hart", "A", "1"},
                                        {"NTC", "B", "3950"},         {"steinhart-hart", "B", "2"},
                                        {"Steinhart-Hart", "C", "3"}, {"ntc", "r0", "4700"}};
    EXPECT_EQ(ImpostaVociProfilo("[NTC]\nB=1\n[Steinhart-Hart]\nC=0\n\n[Z]\n", voci),
              "[NTC]\nB=3950\nR0=4700\n[Steinhart-Hart]\nC=3\nA=1\nB=2\n\n[Z]\n");
    EXPECT_EQ(ImpostaVociProfilo("", voci),
              "[NTC]\r\nR0=4700\r\nB=3950\r\n[Steinhart-Hart]\r\nA=1\r\nB=2\r\nC=3\r\n");
}

TEST(VoceScrivibile, NomiEValoriCheCambierebberoAltreRighe) {
    const std::vector<VoceProfilo> rifiutate = {
        {"", "R0", "1"},       {"NTC", "", "1"},     {" NTC", "R0", "1"},  {"N[T]C", "R0", "1"},
        {"NTC", "R0 ", "1"},   {"NTC", "R=0", "1"},  {"NTC", ";R0", "1"},  {"NTC", "[R0", "1"},
        {"NTC", "R0", "1\n2"}, {"NTC", "R0", "1\r"}, {"N\nTC", "R0", "1"}, {"NTC", "R0", "1\0"s},
    };
    for (const VoceProfilo& voce : rifiutate) {
        EXPECT_FALSE(VoceScrivibile(voce)) << voce.sezione << "|" << voce.chiave;
    }
    EXPECT_TRUE(VoceScrivibile({"Steinhart-Hart", "A", " 1.1E-3 \"x\" "}));
}

// What a Windows editor saves as "Unicode" comes back in its own encoding, every other
// code unit as it was, including ones that are no valid UTF-16.
TEST(CodificaTesto, Utf16TornaComEraConLeNuoveRighe) {
    for (const bool little : {true, false}) {
        // U+1F600 as a surrogate pair, then a lone high surrogate.
        const std::string strane =
            little ? "\x3D\xD8\x00\xDE\x00\xD8"s : "\xD8\x3D\xDE\x00\xD8\x00"s;
        const std::string riga =
            Utf16("\r\n", little).substr(2) + strane + Utf16("\r\n", little).substr(2);
        const std::string prima =
            Utf16("; c", little) + riga + Utf16("[NTC]\r\nR0=1\r\n", little).substr(2) + "\x7F";
        TestoDecodificato testo = DecodificaTesto(prima);
        EXPECT_EQ(testo.codifica, little ? Codifica::Utf16LE : Codifica::Utf16BE);
        EXPECT_EQ(CodificaTesto(testo), prima);
        testo.testo = ImpostaVociProfilo(testo.testo, VOCI);
        EXPECT_EQ(CodificaTesto(testo),
                  Utf16("; c", little) + riga +
                      Utf16("[NTC]\r\nR0=10000\r\nB=3950\r\n", little).substr(2) + "\x7F");
    }
    // A high surrogate before U+E000 stays alone.
    const std::string alto = "\xFF\xFE\x00\xD8\x00\xE0"s;
    EXPECT_EQ(CodificaTesto(DecodificaTesto(alto)), alto);
    // An 8-bit value, or UTF-8 beyond U+10FFFF, cannot go into a UTF-16 file.
    EXPECT_FALSE(CodificaTesto({Codifica::Utf16LE, "R0=\xFF", ""}));
    EXPECT_FALSE(CodificaTesto({Codifica::Utf16LE, "\xF4\x90\x80\x80", ""}));
    EXPECT_EQ(CodificaTesto({Codifica::Utf16BE, "\xF4\x8F\xBF\xBF", ""}),
              "\xFE\xFF\xDB\xFF\xDF\xFF");
    EXPECT_EQ(CodificaTesto({Codifica::Byte, "R0=\xFF", ""}), "R0=\xFF");
}

} // namespace
