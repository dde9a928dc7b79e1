#include "curva/punti_incollati.h"

#include "curva/campi_regione.h"

#include <QRegularExpression>

namespace {

// The region's reading first; then a decimal comma or point as spreadsheets of the other
// regions write it.
std::optional<double> LeggiNumeroIncollato(const QString& testo, const QLocale& regione) {
    if (auto valore = LeggiCampo(regione, testo)) {
        return valore;
    }
    QString punto = testo.trimmed();
    punto.replace(u',', u'.');
    return LeggiCampo(QLocale::c(), punto);
}

} // namespace

PuntiIncollati LeggiPuntiIncollati(const QString& testo, const QLocale& regione) {
    // A comma parts the columns only on a line without tabs or semicolons, and only where
    // it is not the decimal separator.
    const bool virgolaSeparatore = regione.decimalPoint() != QStringLiteral(",");
    const QRegularExpression separatori(QStringLiteral("[\t;]"));
    PuntiIncollati letti;
    const QStringList righe = testo.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (int i = 0; i < righe.size(); ++i) {
        const QString& riga = righe[i];
        if (riga.trimmed().isEmpty()) {
            continue;
        }
        QStringList campi = riga.contains(separatori) || !virgolaSeparatore ? riga.split(separatori)
                                                                            : riga.split(u',');
        // A spreadsheet's copy may carry the empty cells of further columns.
        while (campi.size() > 2 && campi.back().trimmed().isEmpty()) {
            campi.removeLast();
        }
        const auto t = campi.size() >= 2 ? LeggiNumeroIncollato(campi[0], regione) : std::nullopt;
        const auto r = campi.size() >= 2 ? LeggiNumeroIncollato(campi[1], regione) : std::nullopt;
        if (t && r && campi.size() == 2) {
            letti.punti.push_back({*t, *r});
        } else if (!(i == 0 && !t)) {
            letti.errori << QStringLiteral("riga %1: non è una coppia °C, Ω").arg(i + 1);
        }
    }
    return letti;
}
