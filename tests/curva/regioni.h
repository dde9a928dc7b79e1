#pragma once

#include "curva/finestra_curva.h"

#include <QLineEdit>
#include <QLocale>

// The two kinds of region the window must serve: a decimal point and a decimal comma.
inline QLocale RegioneC() {
    return QLocale::c();
}
inline QLocale RegioneItaliana() {
    return {QLocale::Italian, QLocale::Italy};
}

// Types into a field as the user does: the text, then the window's reaction to an edit.
inline void Scrivi(FinestraCurva& finestra, FinestraCurva::Campo campo, const QString& testo) {
    finestra.Casella(campo)->setText(testo);
    finestra.Ricalcola();
}
