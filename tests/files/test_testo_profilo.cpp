#include "files/testo_profilo.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct CasoLettura {
    const char* descrizione;
    std::string contenuto;
    const char* chiave;
    std::optional<std::string> atteso;
};

TEST(TrovaValoreProfilo, LeggeComeIlServizioDiProfilo) {
    const std::vector<CasoLettura> casi = {
        {"file salvato", "[NTC]\r\nR0=10000\r\nB=3950\r\n", "B", "3950"},
        {"nomi senza maiuscole", "[ntc]\nr0=5\n", "R0", "5"},
        {"blank attorno", "  [ NTC ]  \n \t R0   =   12  \n", "R0", "12"},
        {"virgolette doppie", "[NTC]\nR0=\"12\"\n", "R0", "12"},
        {"virgolette semplici con blank", "[NTC]\nR0=' 1 '\n", "R0", " 1 "},
        {"virgolette spaiate", "[NTC]\nR0=\"12'\n", "R0", "\"12'"},
        {"virgoletta sola", "[NTC]\nR0=\"\n", "R0", "\""},
        {"sezione doppia: vale la prima", "[NTC]\nR0=1\n[NTC]\nR0=2\nB=3\n", "R0", "1"},
        {"la seconda sezione non completa la prima", "[NTC]\nR0=1\n[NTC]\nB=3\n", "B",
         std::nullopt},
        {"chiave doppia: vale la prima", "[NTC]\nR0=1\nR0=2\n", "R0", "1"},
        {"commento saltato", "[NTC]\n;R0=1\n  ; R0=4\nR0=2\n", "R0", "2"},
        {"riga senza uguale saltata", "[NTC]\nR0\nR0=3\n", "R0", "3"},
        {"BOM", "\xEF\xBB\xBF[NTC]\r\nR0=4\r\n", "R0", "4"},
        {"solo CR, ultima riga senza fine", "[NTC]\rR0=5\rB=6", "B", "6"},
        {"fini miste", "[A]\r\nx=1\n[NTC]\rR0=7\r\nB=8\n", "R0", "7"},
        {"CR CR è una riga vuota in mezzo", "[NTC]\r\rB=9\r", "B", "9"},
        {"chiave prima di ogni sezione", "R0=1\n[NTC]\nB=2\n", "R0", std::nullopt},
        {"chiave di un'altra sezione", "[NTC]\nB=1\n[Altro]\nR0=9\n", "R0", std::nullopt},
        {"valore vuoto", "[NTC]\nR0=\n", "R0", ""},
        {"uguale nel valore", "[NTC]\nR0=a=b\n", "R0", "a=b"},
        {"intestazione senza chiusa", "[NTC\nR0=1\n", "R0", std::nullopt},
        {"commento dopo l'intestazione", "[NTC] ; sensore\nR0=1\n", "R0", "1"},
        {"sezione mancante", "[Altro]\nR0=1\n", "R0", std::nullopt},
        {"file vuoto", "", "R0", std::nullopt},
        {"byte NUL",
         "[NTC]\nR0=1\0"
         "2\n"s,
         "R0",
         "1\0"
         "2"s},
    };
    for (const CasoLettura& caso : casi) {
        EXPECT_EQ(TrovaValoreProfilo(caso.contenuto, "NTC", caso.chiave), caso.atteso)
            << caso.descrizione;
    }
}

struct CasoScrittura {
    const char* descrizione;
    std::string contenuto;
    std::string atteso;
};

const std::array<VoceProfilo, 2> VOCI{VoceProfilo{"R0", "10000"}, VoceProfilo{"B", "3950"}};

TEST(ImpostaVociProfilo, CambiaSoloLeDueRighe) {
    const std::vector<CasoScrittura> casi = {
        {"file nuovo", "", "[NTC]\r\nR0=10000\r\nB=3950\r\n"},
        {"sostituzione sul posto, il resto intatto",
         "; testa\n[Altro]\nx = 1\n\n[NTC]\nR0=1\nB = 2 \n[Dopo]\ny=2",
         "; testa\n[Altro]\nx = 1\n\n[NTC]\nR0=10000\r\nB=3950\r\n[Dopo]\ny=2"},
        {"chiave mancante dopo l'ultima riga piena", "[NTC]\nR0=1\n\n[Dopo]\n",
         "[NTC]\nR0=10000\r\nB=3950\r\n\n[Dopo]\n"},
        {"chiave mancante dopo un commento finale", "[NTC]\nR0=1\n; fine\n\n",
         "[NTC]\nR0=10000\r\n; fine\nB=3950\r\n\n"},
        {"sezione mancante dopo una riga senza fine", "[Altro]\nx=1",
         "[Altro]\nx=1\r\n[NTC]\r\nR0=10000\r\nB=3950\r\n"},
        {"sezione mancante dopo una fine CR", "[Altro]\rx=1\r",
         "[Altro]\rx=1\r[NTC]\r\nR0=10000\r\nB=3950\r\n"},
        {"intestazione senza fine", "[NTC]", "[NTC]\r\nR0=10000\r\nB=3950\r\n"},
        {"chiave doppia: cambia la prima", "[NTC]\nR0=1\nR0=2\nB=3\n",
         "[NTC]\nR0=10000\r\nR0=2\nB=3950\r\n"},
        {"sezione doppia: cambia la prima", "[NTC]\nR0=1\n[NTC]\nB=3\n",
         "[NTC]\nR0=10000\r\nB=3950\r\n[NTC]\nB=3\n"},
        {"nomi scritti esatti", "[ntc]\nr0 = 1\n", "[ntc]\nR0=10000\r\nB=3950\r\n"},
        {"BOM tenuto", "\xEF\xBB\xBF[NTC]\nB=1\n", "\xEF\xBB\xBF[NTC]\nB=3950\r\nR0=10000\r\n"},
        {"solo BOM", "\xEF\xBB\xBF", "\xEF\xBB\xBF[NTC]\r\nR0=10000\r\nB=3950\r\n"},
        {"ultima chiave senza fine", "[NTC]\nR0=1", "[NTC]\nR0=10000\r\nB=3950\r\n"},
        {"byte NUL tenuti", "a\0b\xFF"s, "a\0b\xFF\r\n[NTC]\r\nR0=10000\r\nB=3950\r\n"s},
    };
    for (const CasoScrittura& caso : casi) {
        const std::string scritto = ImpostaVociProfilo(caso.contenuto, "NTC", VOCI);
        EXPECT_EQ(scritto, caso.atteso) << caso.descrizione;
        EXPECT_EQ(ImpostaVociProfilo(scritto, "NTC", VOCI), scritto)
            << caso.descrizione << ": la seconda scrittura cambia il file";
        EXPECT_EQ(TrovaValoreProfilo(scritto, "NTC", "R0"), "10000") << caso.descrizione;
        EXPECT_EQ(TrovaValoreProfilo(scritto, "NTC", "B"), "3950") << caso.descrizione;
    }
}

TEST(VoceScrivibile, RifiutaCioCheCambierebbeAltreRighe) {
    struct Caso {
        const char* sezione;
        VoceProfilo voce;
        bool atteso;
    };
    const std::vector<Caso> casi = {
        {"NTC", {"R0", "1E+15"}, true},     {"NTC", {"R0", ""}, true},
        {"NTC", {"R0", "1\r\n[X]"}, false}, {"NTC", {"R0", "1\rB=2"}, false},
        {"NTC", {"R0", "1\0"s}, false},     {"NTC", {"R=0", "1"}, false},
        {"NTC", {" R0", "1"}, false},       {"NTC", {"", "1"}, false},
        {"NTC", {";R0", "1"}, false},       {"NTC", {"[R0", "1"}, false},
        {"N]TC", {"R0", "1"}, false},       {"", {"R0", "1"}, false},
        {"NTC\n", {"R0", "1"}, false},
    };
    for (const Caso& caso : casi) {
        EXPECT_EQ(VoceScrivibile(caso.sezione, caso.voce), caso.atteso)
            << caso.sezione << " / " << caso.voce.chiave << " / " << caso.voce.valore;
    }
}

} // namespace
