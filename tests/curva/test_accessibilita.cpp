#include "curva/grafico_curva.h"
#include "tests/curva/regioni.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

bool DentroUnaCombo(const QObject* oggetto) {
    for (const QObject* sopra = oggetto->parent(); sopra != nullptr; sopra = sopra->parent()) {
        if (qobject_cast<const QComboBox*>(sopra) != nullptr) {
            return true;
        }
    }
    return false;
}

} // namespace

// Every control a user reaches has an accessible name, and every command of the menus a
// shortcut of its own.
TEST(AccessibilitaCurva, NomiEScorciatoie) {
    FinestraCurva finestra(RegioneC());
    QList<QWidget*> controlli;
    for (QWidget* controllo : finestra.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(controllo) || qobject_cast<QComboBox*>(controllo) ||
            qobject_cast<GraficoCurva*>(controllo) || qobject_cast<QAbstractItemView*>(controllo)) {
            controlli << controllo;
        }
    }
    for (QWidget* controllo : controlli) {
        // A combo box's own list and editor are named through the box, a table's headers
        // through the table.
        if (!DentroUnaCombo(controllo) && qobject_cast<QHeaderView*>(controllo) == nullptr) {
            EXPECT_FALSE(controllo->accessibleName().isEmpty())
                << controllo->metaObject()->className();
        }
    }
    QSet<QKeySequence> scorciatoie;
    for (QAction* menu : finestra.menuBar()->actions()) {
        for (QAction* azione : menu->menu()->actions()) {
            if (azione->isSeparator()) {
                continue;
            }
            EXPECT_FALSE(azione->shortcut().isEmpty()) << azione->text().toStdString();
            EXPECT_FALSE(scorciatoie.contains(azione->shortcut())) << azione->text().toStdString();
            scorciatoie.insert(azione->shortcut());
        }
    }
    EXPECT_GE(scorciatoie.size(), 20);
}
