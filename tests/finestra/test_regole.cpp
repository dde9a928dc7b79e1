// Rules of the main window that need no window: the register and the key map.
#include "finestra/mappa_tasti.h"
#include "finestra/registro.h"

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

TEST(MappaTasti, ModificatoriConfrontatiInteriOLiberiPerICaratteri) {
    const auto tasto = [](qint16 i) { return std::optional(Comando{Schiera::Tasto, i}); };
    const auto par = [](qint16 i) { return std::optional(Comando{Schiera::Par, i}); };
    const auto operazione = [](qint16 i) { return std::optional(Comando{Schiera::Operazione, i}); };
    const Qt::KeyboardModifiers nessuno = Qt::NoModifier, shift = Qt::ShiftModifier,
                                ctrl = Qt::ControlModifier, alt = Qt::AltModifier,
                                tastierino = Qt::KeypadModifier;
    // The widget tests press the plain keys; these are the modifier rules around them.
    // clang-format off
    const std::tuple<int, Qt::KeyboardModifiers, std::optional<Comando>> casi[] = {
        {Qt::Key_Delete, tastierino, tasto(TASTO_C)}, {Qt::Key_Delete, alt, {}},
        {Qt::Key_Delete, shift | ctrl, {}}, {Qt::Key_F3, ctrl, {}}, {Qt::Key_F2, alt, {}},
        {Qt::Key_F4, tastierino, operazione(OPERAZIONE_C_IN_F)}, {Qt::Key_F1, nessuno, {}},
        // Characters: Shift and the keypad do not matter, Ctrl and Alt leave them to the menus.
        {Qt::Key_5, tastierino, tasto(5)}, {Qt::Key_9, shift, tasto(9)},
        {Qt::Key_Period, tastierino, tasto(TASTO_PUNTO)}, {Qt::Key_Backspace, shift, tasto(TASTO_BACK)},
        {Qt::Key_R, shift, par(PAR_R0)}, {Qt::Key_B, shift, par(PAR_B)}, {Qt::Key_5, ctrl, {}},
        {Qt::Key_R, alt, {}}, {Qt::Key_Minus, ctrl, {}}, {Qt::Key_Plus, nessuno, {}}};
    // clang-format on
    for (const auto& [codice, modificatori, atteso] : casi) {
        EXPECT_EQ(ComandoDelTasto(codice, modificatori), atteso)
            << std::hex << codice << " " << modificatori.toInt();
    }
}

} // namespace
