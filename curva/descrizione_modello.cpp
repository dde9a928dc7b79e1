#include "curva/descrizione_modello.h"

#include "curva/campi_regione.h"
#include "curva/testi_registro.h"
#include "modelli/registro_modelli.h"

#include <QStringList>

QString DescrizioneModello(const QLocale& regione, const ParametriModello& parametri) {
    const TipoModello& tipo = TipoDi(parametri);
    const std::vector<double> valori = ValoriCoefficienti(parametri);
    QStringList campi;
    for (size_t i = 0; i < valori.size(); ++i) {
        campi << QStringLiteral("%1 = %2").arg(QString::fromUtf8(tipo.coefficienti[i].chiave),
                                               TestoCampo(regione, valori[i]));
    }
    return TestoRegistro(tipo.titolo) + QStringLiteral(": ") + campi.join(QStringLiteral(", "));
}
