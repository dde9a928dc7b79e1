// What a screen reader finds in the register and the list, and what it is told when the
// register changes; the buttons carry their captions and tooltips by Qt's own mapping.
#include "tests/finestra/ascolto_accessibile.h"
#include "tests/finestra/finestra_di_prova.h"

namespace {

QString Testo(QObject* oggetto, QAccessible::Text quale) {
    QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(oggetto);
    return interfaccia != nullptr ? interfaccia->text(quale) : QString();
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
