// The four conversion buttons.
#include "finestra/main_form.h"

#include "core/conversioni.h"
#include "core/testi_numerici.h"
#include "finestra/lista_storico.h"
#include "finestra/registro.h"
#include "finestra/righe_storico.h"

void MainForm::Cmd_Operazione_Click(qint16 indice) {
    if (Registro() == TestoErrore()) {
        ImpostaRegistro(QStringLiteral("0"));
    }
    if (indice >= 0 && indice < NUMERO_OPERAZIONI) {
        // A register that is no number, or lies beyond single precision, is a failure
        // like any other, not an input of 0.
        double risultato = ERRORE_CALCOLO;
        const auto letto = LeggiRegistroPerConversione(Registro().toStdString(), regione_);
        const auto x = letto ? RiduciASingola(*letto) : std::nullopt;
        if (x) {
            const ParametriNTC& p = ParametriCorrenti();
            switch (indice) {
            case OPERAZIONE_OHM_IN_C:
                risultato = CalcolaTemperatura(p, *x);
                break;
            case OPERAZIONE_C_IN_OHM:
                risultato = CalcolaOhm(p, *x);
                break;
            case OPERAZIONE_C_IN_F:
                risultato = ConvertiTemperatura(*x, "F");
                break;
            default:
                risultato = ConvertiTemperatura(*x, "K");
                break;
            }
        }
        if (risultato == ERRORE_CALCOLO) {
            ScriviStorico(RigaErroreConversione{indice});
            ImpostaRegistro(TestoErrore());
        } else if (risultato == ERRORE_R0) {
            ScriviStorico(RigaAvviso::R0Zero);
            ImpostaRegistro(TestoErrore());
        } else if (risultato == ERRORE_B) {
            ScriviStorico(RigaAvviso::BZero);
            ImpostaRegistro(TestoErrore());
        } else {
            ScriviStorico(RigaRisultato{indice, risultato});
            ImpostaRegistro(QString::fromStdString(FormattaNumero(risultato, regione_)));
        }
    }
    lstStorico_->setFocus();
}
