#pragma once

#include "curva/finestra_curva.h"

#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <ostream>
#include <string_view>

// The two kinds of region the window must serve: a decimal point and a decimal comma.
inline QLocale RegioneC() {
    return QLocale::c();
}
inline QLocale RegioneItaliana() {
    return {QLocale::Italian, QLocale::Italy};
}

// A kind's coefficient field, by the names the registry gives them: ("beta", "R0").
inline QLineEdit* CampoDi(const FinestraCurva& finestra, std::string_view tipo,
                          std::string_view chiave) {
    const std::size_t indice = *TipoDaNome(tipo);
    const auto& coefficienti = TIPI_MODELLO[indice].coefficienti;
    const auto trovato =
        std::find_if(coefficienti.begin(), coefficienti.end(),
                     [&](const CoefficienteModello& c) { return c.chiave == chiave; });
    return finestra.Coefficiente(indice, static_cast<std::size_t>(trovato - coefficienti.begin()));
}

// Types into a field as the user does: the text, then the window's reaction to an edit.
inline void Scrivi(FinestraCurva& finestra, QLineEdit* campo, const QString& testo) {
    campo->setText(testo);
    finestra.Ricalcola();
}
inline void Scrivi(FinestraCurva& finestra, FinestraCurva::Campo campo, const QString& testo) {
    Scrivi(finestra, finestra.Casella(campo), testo);
}
inline void Scrivi(FinestraCurva& finestra, std::string_view tipo, std::string_view chiave,
                   const QString& testo) {
    Scrivi(finestra, CampoDi(finestra, tipo, chiave), testo);
}

// Failures show QStrings as text.
inline void PrintTo(const QString& testo, std::ostream* uscita) {
    *uscita << '"' << testo.toStdString() << '"';
}
