#include "curva/punti_incollati.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <string>

namespace {

struct Regola {
    QChar decimale;
    QChar migliaia;
};

Regola RegolaDi(SeparatoreDecimale separatore) {
    return separatore == SeparatoreDecimale::Virgola ? Regola{u',', u'.'} : Regola{u'.', u','};
}

// Digits grouped by three with the separator, as "1.234" or "12,345,678", before any
// decimals or exponent.
bool RaggruppatoDa(const QString& testo, QChar separatore) {
    static const QString MODELLO = QStringLiteral("^[-+]?\\d{1,3}(%1\\d{3})+([eE][-+]?\\d+)?$");
    return QRegularExpression(MODELLO.arg(QRegularExpression::escape(QString(separatore))))
        .match(testo)
        .hasMatch();
}

// What a number's text says of the rule: nothing, one rule only, or both (ambiguous).
enum class Indizio { Nessuno, Virgola, Punto, Ambiguo };

Indizio IndizioDi(const QString& testo) {
    const qsizetype virgole = testo.count(u',');
    const qsizetype punti = testo.count(u'.');
    if (virgole > 0 && punti > 0) {
        return testo.lastIndexOf(u',') > testo.lastIndexOf(u'.') ? Indizio::Virgola
                                                                 : Indizio::Punto;
    }
    if (virgole + punti == 0) {
        return Indizio::Nessuno;
    }
    const bool virgola = virgole > 0;
    if (virgole + punti > 1) {
        // Two of a kind group thousands: the decimal separator is the other.
        return virgola ? Indizio::Punto : Indizio::Virgola;
    }
    if (RaggruppatoDa(testo, virgola ? u',' : u'.')) {
        return Indizio::Ambiguo;
    }
    return virgola ? Indizio::Virgola : Indizio::Punto;
}

std::optional<double> LeggiConRegola(QString testo, const QLocale& regione, Regola regola) {
    testo = testo.trimmed();
    testo.replace(regione.negativeSign(), QStringLiteral("-"));
    if (testo.contains(regola.migliaia)) {
        if (!RaggruppatoDa(testo.section(regola.decimale, 0, 0), regola.migliaia)) {
            return std::nullopt;
        }
        testo.remove(regola.migliaia);
    }
    testo.replace(regola.decimale, u'.');
    const std::string byte = testo.toStdString();
    double valore = 0;
    const char* inizio = byte.data() + (byte.starts_with('+') ? 1 : 0);
    const char* fine = byte.data() + byte.size();
    const auto letto = std::from_chars(inizio, fine, valore);
    if (byte.empty() || letto.ec != std::errc() || letto.ptr != fine || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

} // namespace

PuntiIncollati LeggiPuntiIncollati(const QString& testo, const QLocale& regione,
                                   std::optional<SeparatoreDecimale> separatore) {
    // A comma parts the columns only on a line without tabs or semicolons, and only where
    // it is not the region's decimal separator.
    const bool virgolaSeparatore = regione.decimalPoint() != QStringLiteral(",");
    const QRegularExpression separatori(QStringLiteral("[\t;]"));
    const QStringList righe = testo.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    std::vector<QStringList> campi;
    int virgole = 0;
    int punti = 0;
    QString ambiguo;
    for (const QString& riga : righe) {
        QStringList parti = riga.contains(separatori) || !virgolaSeparatore ? riga.split(separatori)
                                                                            : riga.split(u',');
        // A spreadsheet's copy may carry the empty cells of further columns.
        while (parti.size() > 2 && parti.back().trimmed().isEmpty()) {
            parti.removeLast();
        }
        for (qsizetype i = 0; i < std::min<qsizetype>(parti.size(), 2); ++i) {
            switch (IndizioDi(parti.at(i).trimmed())) {
            case Indizio::Virgola:
                ++virgole;
                break;
            case Indizio::Punto:
                ++punti;
                break;
            case Indizio::Ambiguo:
                if (ambiguo.isEmpty()) {
                    ambiguo = parti.at(i).trimmed();
                }
                break;
            case Indizio::Nessuno:
                break;
            }
        }
        campi.push_back(std::move(parti));
    }
    PuntiIncollati letti;
    const SeparatoreDecimale propria = regione.decimalPoint() == QStringLiteral(",")
                                           ? SeparatoreDecimale::Virgola
                                           : SeparatoreDecimale::Punto;
    if (separatore) {
        letti.separatore = *separatore;
    } else if (virgole != punti) {
        letti.separatore =
            virgole > punti ? SeparatoreDecimale::Virgola : SeparatoreDecimale::Punto;
    } else {
        letti.separatore = propria;
    }
    if (separatore || virgole + punti == 0) {
        letti.ambiguo = ambiguo;
    }
    const Regola regola = RegolaDi(letti.separatore);
    for (std::size_t i = 0; i < campi.size(); ++i) {
        const QStringList& parti = campi[i];
        if (parti.size() == 1 && parti.front().trimmed().isEmpty()) {
            continue;
        }
        const auto t = parti.size() >= 2 ? LeggiConRegola(parti[0], regione, regola) : std::nullopt;
        const auto r = parti.size() >= 2 ? LeggiConRegola(parti[1], regione, regola) : std::nullopt;
        if (t && r && parti.size() == 2) {
            letti.punti.push_back({*t, *r});
        } else if (!(i == 0 && !t)) {
            letti.errori << QCoreApplication::translate("PuntiIncollati",
                                                        "riga %1: non è una coppia °C, Ω")
                                .arg(i + 1);
        }
    }
    return letti;
}
