#include "curva/mnemonici.h"

#include <functional>
#include <vector>

QString CandidatiMnemonico(const QString& etichetta) {
    QString candidati;
    for (const QChar carattere : etichetta) {
        const QChar c = carattere.toLower();
        if (c.isLetterOrNumber() && c.unicode() < 0x80 && !candidati.contains(c)) {
            candidati += c;
        }
    }
    return candidati;
}

QChar Mnemonico(const QString& etichetta) {
    const qsizetype e = etichetta.indexOf(u'&');
    return e >= 0 && e + 1 < etichetta.size() ? etichetta.at(e + 1).toLower() : QChar();
}

QStringList AssegnaMnemonici(const QStringList& etichette, const QString& riservati,
                             const QString& contesi) {
    QString usati = riservati.toLower();
    for (const QString& etichetta : etichette) {
        if (const QChar c = Mnemonico(etichetta); !c.isNull()) {
            usati += c;
        }
    }
    // Each label's keys: its own letters, those others will need last.
    std::vector<QString> candidati;
    for (const QString& etichetta : etichette) {
        QString liberi;
        QString dopo;
        if (!etichetta.contains(u'&')) {
            for (const QChar c : CandidatiMnemonico(etichetta)) {
                if (!usati.contains(c)) {
                    (contesi.contains(c, Qt::CaseInsensitive) ? dopo : liberi) += c;
                }
            }
        }
        candidati.push_back(liberi + dopo);
    }
    // A maximum matching of labels to keys (augmenting paths, label by label): a label that
    // got a key keeps one, so the earlier labels come first.
    std::vector<qsizetype> etichettaDi(128, -1);
    std::vector<QChar> scelto(candidati.size());
    std::vector<bool> visto;
    const std::function<bool(qsizetype)> prova = [&](qsizetype i) {
        for (const QChar c : candidati[static_cast<std::size_t>(i)]) {
            const auto k = static_cast<std::size_t>(c.unicode());
            if (visto[k]) {
                continue;
            }
            visto[k] = true;
            if (etichettaDi[k] < 0 || prova(etichettaDi[k])) {
                etichettaDi[k] = i;
                scelto[static_cast<std::size_t>(i)] = c;
                return true;
            }
        }
        return false;
    };
    for (qsizetype i = 0; i < etichette.size(); ++i) {
        visto.assign(etichettaDi.size(), false);
        prova(i);
    }
    QStringList risultato;
    for (qsizetype i = 0; i < etichette.size(); ++i) {
        QString con = etichette.at(i);
        if (const QChar c = scelto[static_cast<std::size_t>(i)]; !c.isNull()) {
            const qsizetype posizione = con.indexOf(c, 0, Qt::CaseInsensitive);
            con.insert(posizione, u'&');
        }
        risultato << con;
    }
    return risultato;
}
