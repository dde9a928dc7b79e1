// What a screen reader finds in the main window, and what it is told when the register changes.
#include "ascolto_accessibile.h"
#include "finestra_di_prova.h"

#include <QPushButton>

namespace {

QString Testo(QObject* oggetto, QAccessible::Text quale) {
    QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(oggetto);
    return interfaccia != nullptr ? interfaccia->text(quale) : QString();
}

TEST(FinestraAccessibile, OgniPulsanteHaDidascaliaESuggerimento) {
    FinestraDiProva f;
    const std::pair<const char*, int> schiere[] = {
        {"Cmd_Tasto", 17}, {"Cmd_Par", 2}, {"Cmd_Operazione", 4}};
    int trovati = 0;
    for (const auto& [schiera, quanti] : schiere) {
        for (int i = 0; i < quanti; ++i) {
            const QString nome = QStringLiteral("%1%2").arg(schiera).arg(i);
            SCOPED_TRACE(nome.toStdString());
            auto* pulsante = f.finestra.findChild<QPushButton*>(nome);
            ASSERT_NE(pulsante, nullptr);
            ++trovati;
            EXPECT_FALSE(pulsante->text().isEmpty());
            EXPECT_FALSE(pulsante->toolTip().isEmpty());
            EXPECT_EQ(Testo(pulsante, QAccessible::Name), pulsante->text());
            EXPECT_EQ(Testo(pulsante, QAccessible::Description), pulsante->toolTip());
        }
    }
    // No button of the window is left out of the arrays.
    EXPECT_EQ(f.finestra.findChildren<QPushButton*>().size(), trovati);
}

TEST(FinestraAccessibile, RegistroEStoricoHannoNomeEDescrizione) {
    FinestraDiProva f;
    const std::pair<const char*, const char*> controlli[] = {{"Display", "Registro: 0"},
                                                             {"Lst_Storico", "Storico"}};
    for (const auto& [nome, atteso] : controlli) {
        SCOPED_TRACE(nome);
        EXPECT_EQ(Testo(f.Controllo(nome), QAccessible::Name), atteso);
        EXPECT_FALSE(Testo(f.Controllo(nome), QAccessible::Description).isEmpty());
    }
}

TEST(FinestraAccessibile, OgniCambioDelRegistroVieneAnnunciato) {
    // Keys that leave the register as it was announce nothing.
    // clang-format off
    const std::pair<Qt::Key, const char*> passi[] = {
        {Qt::Key_5, "5"}, {Qt::Key_Period, "5."}, {Qt::Key_Minus, "-5"}, {Qt::Key_Backspace, "-"},
        {Qt::Key_Delete, "0"}, {Qt::Key_Delete, "0"}, {Qt::Key_0, "0"}, {Qt::Key_7, "7"}};
    // clang-format on
    FinestraDiProva f;
    QWidget* display = f.Controllo("Display");
    for (const auto& [tasto, registro] : passi) {
        SCOPED_TRACE(registro);
        const QString prima = f.Registro();
        AscoltoAccessibile ascolto;
        f.Tasto(tasto);
        ASSERT_EQ(f.Registro(), registro);
        const auto annunci = ascolto.Da(display, QAccessible::NameChanged);
        if (prima == registro) {
            EXPECT_TRUE(annunci.empty());
        } else {
            ASSERT_EQ(annunci.size(), 1U);
            EXPECT_EQ(annunci[0].nome, QStringLiteral("Registro: %1").arg(registro));
        }
    }
}

} // namespace
