// The four conversion buttons.
#include "main_form.h"

#include "core/conversioni.h"
#include "core/testi_numerici.h"

#include "lista_storico.h"

void MainForm::Cmd_Operazione_Click(qint16 indice) {
    if (Registro() == QStringLiteral("Errore")) {
        ImpostaRegistro(QStringLiteral("0"));
    }
    if (indice >= 0 && indice <= 3) {
        // A register that is no number, or lies beyond single precision, is a failure
        // like any other, not an input of 0.
        double risultato = ERRORE_CALCOLO;
        const auto letto = LeggiRegistroPerConversione(Registro().toStdString(), regione_);
        const auto x = letto ? RiduciASingola(*letto) : std::nullopt;
        if (x) {
            const ParametriNTC& p = ParametriCorrenti();
            switch (indice) {
            case 0:
                risultato = CalcolaTemperatura(p, *x);
                break;
            case 1:
                risultato = CalcolaOhm(p, *x);
                break;
            case 2:
                risultato = ConvertiTemperatura(*x, "F");
                break;
            default:
                risultato = ConvertiTemperatura(*x, "K");
                break;
            }
        }
        if (risultato == ERRORE_CALCOLO) {
            ScriviStorico(static_cast<qint16>(30 + indice), 0);
            ImpostaRegistro(QStringLiteral("Errore"));
        } else if (risultato == ERRORE_R0) {
            ScriviStorico(99, 0);
            ImpostaRegistro(QStringLiteral("Errore"));
        } else if (risultato == ERRORE_B) {
            ScriviStorico(96, 0);
            ImpostaRegistro(QStringLiteral("Errore"));
        } else {
            ScriviStorico(static_cast<qint16>(20 + indice), risultato);
            ImpostaRegistro(QString::fromStdString(FormattaNumero(risultato, regione_)));
        }
    }
    lstStorico_->setFocus();
}
