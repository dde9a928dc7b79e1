#include "curva/mnemonici.h"

QStringList AssegnaMnemonici(const QStringList& etichette, const QString& riservati) {
    QString usati = riservati.toLower();
    for (const QString& etichetta : etichette) {
        const qsizetype e = etichetta.indexOf(u'&');
        if (e >= 0 && e + 1 < etichetta.size()) {
            usati += etichetta.at(e + 1).toLower();
        }
    }
    QStringList risultato;
    for (const QString& etichetta : etichette) {
        if (etichetta.contains(u'&')) {
            risultato << etichetta;
            continue;
        }
        QString con = etichetta;
        for (qsizetype i = 0; i < etichetta.size(); ++i) {
            const QChar c = etichetta.at(i).toLower();
            if (c.isLetterOrNumber() && c.unicode() < 0x80 && !usati.contains(c)) {
                usati += c;
                con.insert(i, u'&');
                break;
            }
        }
        risultato << con;
    }
    return risultato;
}
