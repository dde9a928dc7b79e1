#include "curva/campi_regione.h"

#include <QRegularExpression>

#include <array>
#include <cmath>
#include <utility>

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

QString TestoOhm(const QLocale& regione, double valore, int cifre) {
    constexpr std::array<std::pair<double, const char*>, 4> PREFISSI{
        {{1e12, "T"}, {1e9, "G"}, {1e6, "M"}, {1e3, "k"}}};
    const double grandezza = std::fabs(valore);
    double scala = 1;
    const char* prefisso = "";
    for (const auto& [soglia, simbolo] : PREFISSI) {
        if (grandezza >= soglia) {
            scala = soglia;
            prefisso = simbolo;
            break;
        }
    }
    return SenzaRaggruppamento(regione).toString(valore / scala, 'g', cifre) + QStringLiteral(" ") +
           QLatin1String(prefisso) + QStringLiteral("Ω");
}

QString NumeriNellaRegione(const QLocale& regione, const QString& messaggio) {
    // A number with a fraction or an exponent, not part of a word or of a longer number.
    static const QRegularExpression NUMERO(
        QStringLiteral("(?<![\\w.])-?\\d+(\\.\\d+([eE][-+]?\\d+)?|[eE][-+]?\\d+)(?![\\w.])"));
    QString risultato;
    qsizetype dopo = 0;
    auto trovati = NUMERO.globalMatch(messaggio);
    while (trovati.hasNext()) {
        const QRegularExpressionMatch trovato = trovati.next();
        const auto valore = LeggiCampo(QLocale::c(), trovato.captured());
        risultato += messaggio.mid(dopo, trovato.capturedStart() - dopo);
        risultato += valore ? TestoCampo(regione, *valore) : trovato.captured();
        dopo = trovato.capturedEnd();
    }
    return risultato + messaggio.mid(dopo);
}
