// The keypad and the two parameter buttons.
#include "finestra/main_form.h"

#include "core/parametri_ntc.h"
#include "core/testi_numerici.h"
#include "finestra/lista_storico.h"
#include "finestra/registro.h"
#include "finestra/righe_storico.h"

#include <QPushButton>

void MainForm::Cmd_Tasto_Click(qint16 indice) {
    switch (indice) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
        ImpostaRegistro(PremiCifra(Registro(), cmdTasto_[indice]->text()));
        break;
    case TASTO_PUNTO:
        ImpostaRegistro(PremiPunto(Registro()));
        break;
    case TASTO_SEGNO:
        ImpostaRegistro(CambiaSegno(Registro(), regione_));
        break;
    case TASTO_CLEAR:
        lstStorico_->Svuota();
        break;
    case TASTO_C:
        ImpostaRegistro(QStringLiteral("0"));
        break;
    case TASTO_BACK:
        ImpostaRegistro(TogliUltimo(Registro()));
        break;
    case TASTO_INFO:
        MostraParametri(IN_CODA);
        break;
    case TASTO_RESET:
        AzzeraParametri(ParametriCorrenti());
        ScriviStorico(RigaReset{});
        MostraParametri(IN_CODA);
        break;
    default:
        break;
    }
    lstStorico_->setFocus();
}

void MainForm::Cmd_Par_Click(qint16 indice) {
    if (indice != PAR_R0 && indice != PAR_B) {
        return;
    }
    double& parametro = indice == PAR_R0 ? ParametriCorrenti().R0 : ParametriCorrenti().B;
    // A register beyond the double range is refused like a non-positive one.
    const double valore = LeggiRegistro(Registro().toStdString(), regione_).value_or(0);
    if (valore > 0) {
        parametro = valore;
    } else {
        parametro = 0;
        ScriviStorico(indice == PAR_R0 ? RigaAvviso::R0NonPositivo : RigaAvviso::BNonPositivo);
    }
    ScriviStorico(
        RigaParametro{indice == PAR_R0 ? RigaParametro::Quale::R0 : RigaParametro::Quale::B});
    Cmd_Tasto_Click(TASTO_C);
    lstStorico_->setFocus();
}
