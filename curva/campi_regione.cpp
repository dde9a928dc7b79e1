#include "curva/campi_regione.h"

#include <cmath>

namespace {

// Significant digits of an axis label: enough for 2,2 kΩ or 12,5 °C, never a long tail.
constexpr int CIFRE_ETICHETTA = 4;

QLocale SenzaRaggruppamento(const QLocale& regione) {
    QLocale senza = regione;
    senza.setNumberOptions(regione.numberOptions() | QLocale::OmitGroupSeparator);
    return senza;
}

} // namespace

std::optional<double> LeggiCampo(const QLocale& regione, const QString& testo) {
    bool letto = false;
    const double valore = regione.toDouble(testo.trimmed(), &letto);
    if (!letto || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

QString TestoCampo(const QLocale& regione, double valore) {
    return SenzaRaggruppamento(regione).toString(valore, 'g', QLocale::FloatingPointShortest);
}

std::string TestoConPunto(const QLocale& regione, const QString& testo) {
    if (!LeggiCampo(regione, testo)) {
        return {};
    }
    QString punto = testo.trimmed();
    punto.remove(regione.groupSeparator());
    punto.replace(regione.decimalPoint(), QStringLiteral("."));
    punto.replace(regione.negativeSign(), QStringLiteral("-"));
    punto.replace(regione.exponential(), QStringLiteral("e"), Qt::CaseInsensitive);
    if (punto.startsWith(regione.positiveSign())) {
        punto.remove(0, regione.positiveSign().size());
    }
    return punto.toStdString();
}

QString TestoCifre(const QLocale& regione, double valore, int cifre) {
    return SenzaRaggruppamento(regione).toString(valore, 'g', cifre);
}

QString TestoGradi(const QLocale& regione, double valore) {
    return TestoCifre(regione, valore, CIFRE_ETICHETTA);
}

QString TestoOhm(const QLocale& regione, double valore) {
    constexpr double KILO = 1e3;
    constexpr double MEGA = 1e6;
    const double grandezza = std::fabs(valore);
    const auto [scala, prefisso] = grandezza >= MEGA   ? std::pair(MEGA, "M")
                                   : grandezza >= KILO ? std::pair(KILO, "k")
                                                       : std::pair(1.0, "");
    return SenzaRaggruppamento(regione).toString(valore / scala, 'g', CIFRE_ETICHETTA) +
           QStringLiteral(" ") + QLatin1String(prefisso) + QStringLiteral("Ω");
}
