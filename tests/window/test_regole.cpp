// Rules of the main window that need no window: the register, the key map, the history lines.
#include "window/mappa_tasti.h"
#include "window/registro.h"
#include "window/righe_storico.h"

#include <gtest/gtest.h>

namespace {

using Casi = std::vector<std::pair<const char*, const char*>>;

void Verifica(QString (*regola)(const QString&), const Casi& casi) {
    for (const auto& [prima, dopo] : casi) {
        EXPECT_EQ(regola(QString::fromUtf8(prima)), QString::fromUtf8(dopo)) << prima;
    }
}

TEST(Registro, CifraPuntoSegnoEBack) {
    // clang-format off
    Verifica([](const QString& r) { return PremiCifra(r, "3"); },
             {{"0", "3"}, {"Errore", "3"}, {"7", "73"}, {"-0", "-03"}, {"0.", "0.3"},
              {"errore", "errore3"}});
    Verifica([](const QString& r) { return PremiCifra(r, "0"); }, {{"0", "0"}, {"5", "50"}});
    Verifica(PremiPunto, {{"0", "0."}, {"0.5", "0.5"}, {"-", "-."}, {"25,0", "25,0."}});
    const auto segno = [](const QString& r) { return CambiaSegno(r, Regione{".", ","}); };
    Verifica(segno, {{"25", "-25"}, {"-25", "25"}, {".5", "-0.5"}, {"-.5", "0.5"},
                     {"12.", "-12"}, {"1.50", "-1.5"}, {"25,0", "-25"}, {"-1E-20", "1E-20"},
                     {"0", "0"}, {"Errore", "0"}, {"-", "0"},
                     {"0.1234567890123456789", "-0.123456789012346"},
                     {"12345678901234567", "-1.23456789012346E+16"}});
    // A result's decimal comma is the decimal point; the text written back has ".".
    Verifica([](const QString& r) { return CambiaSegno(r, Regione{",", "."}); },
             {{"36,5", "-36.5"}, {"-0,25", "0.25"}, {"2.5", "-2.5"}, {"25,0.", "-25"}});
    Verifica(TogliUltimo, {{"123", "12"}, {"5", "0"}, {"-5", "-"}, {"0.", "0"}, {"", "0"},
                           {"Errore", "Error"}, {"1 2", "1"}, {" 12 ", "12"}});
    // clang-format on
    // A value beyond the double range keeps its text; the later steps still run.
    const QString enorme = QStringLiteral("1") + QString(400, u'0');
    EXPECT_EQ(segno(enorme), enorme);
    EXPECT_EQ(segno("-." + enorme + "E+400"), "-0." + enorme + "E+400");
}

TEST(MappaTasti, TastiGiuConfrontanoLaMascheraIntera) {
    const auto tasto = [](qint16 i) { return std::optional(Comando{Schiera::Tasto, i}); };
    const auto operazione = [](qint16 i) { return std::optional(Comando{Schiera::Operazione, i}); };
    // clang-format off
    const std::tuple<int, int, std::optional<Comando>> casi[] = {
        {VK_DELETE, 0, tasto(13)}, {VK_DELETE, MASCHERA_SHIFT, tasto(12)},
        {VK_DELETE, MASCHERA_CTRL, {}}, {VK_DELETE, MASCHERA_ALT, {}},
        {VK_DELETE, MASCHERA_SHIFT | MASCHERA_CTRL, {}}, {VK_F2, 0, operazione(0)},
        {VK_F3, 0, operazione(1)}, {VK_F4, 0, operazione(2)}, {VK_F2, MASCHERA_SHIFT, {}},
        {VK_F3, MASCHERA_CTRL, {}}, {VK_F4 + 1, 0, {}}, {VK_F2 - 1, 0, {}}, {8, 0, {}}};
    // clang-format on
    for (const auto& [codice, maschera, atteso] : casi) {
        EXPECT_EQ(ComandoTastoGiu(codice, maschera), atteso) << codice << " " << maschera;
    }
}

TEST(MappaTasti, Caratteri) {
    const auto tasto = [](qint16 i) { return std::optional(Comando{Schiera::Tasto, i}); };
    const auto par = [](qint16 i) { return std::optional(Comando{Schiera::Par, i}); };
    // clang-format off
    const std::pair<char16_t, std::optional<Comando>> casi[] = {
        {u'0', tasto(0)}, {u'5', tasto(5)}, {u'9', tasto(9)}, {u',', tasto(10)}, {u'.', tasto(10)}, {u'-', tasto(11)}, {u'\b', tasto(14)},
        {u'R', par(0)}, {u'r', par(0)}, {u'B', par(1)}, {u'b', par(1)}, {u'+', {}}, {u'\r', {}},
        {u'c', {}}, {u'x', {}}, {u'/', {}}, {u':', {}}};
    // clang-format on
    for (const auto& [carattere, atteso] : casi) {
        EXPECT_EQ(ComandoCarattere(carattere), atteso) << static_cast<int>(carattere);
    }
}

TEST(RigheStorico, OgniCodiceEQuelliSenzaRiga) {
    const ParametriNTC p{4700, 3950};
    // clang-format off
    const std::map<int, std::pair<double, const char*>> righe = {
        {0, {0, "-> R0 = 4700.0"}}, {1, {0, "-> B  = 3950.0"}}, {10, {0, "Reset eseguito"}},
        {20, {25, "25 [Ohm] = 25.0 [°C]"}}, {21, {10000, "25 [°C] = 10000.0 [Ohm]"}},
        {22, {77, "25 [°C] = 77.0 [°F]"}}, {23, {298.15, "25 [°C] = 298.15 [K]"}},
        {30, {5, "25 [Ohm] = Errore"}}, {31, {5, "25 [°C] = Errore"}},
        {32, {5, "25 [°C] = Errore"}}, {33, {5, "25 [°C] = Errore"}},
        {94, {0, "Calcolatrice non disponibile !"}}, {95, {0, "Salvataggio non riuscito !"}},
        {96, {0, "B = 0 !"}}, {97, {0, "B > 0 !"}},
        {98, {0, "R0 > 0 !"}}, {99, {0, "R0 = 0 !"}}};
    // clang-format on
    for (int codice = -32768; codice <= 32767; ++codice) {
        const auto riga = righe.find(codice);
        const bool elencato = riga != righe.end();
        EXPECT_EQ(RigaStorico(static_cast<qint16>(codice), elencato ? riga->second.first : 1, "25",
                              p, Regione{".", ","}),
                  elencato ? std::optional(QString::fromUtf8(riga->second.second)) : std::nullopt)
            << codice;
    }
    // The register is quoted as it stands, the value in the region's separator.
    EXPECT_EQ(RigaStorico(20, 25.5, " 1.5x", p, Regione{",", "."}), " 1.5x [Ohm] = 25,5 [°C]");
}

} // namespace
