// The keypad and the two parameter buttons.
#include "main_form.h"

#include "core/parametri_ntc.h"
#include "core/testi_numerici.h"
#include "registro.h"

#include "lista_storico.h"
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
    case 10:
        ImpostaRegistro(PremiPunto(Registro()));
        break;
    case 11:
        ImpostaRegistro(CambiaSegno(Registro(), regione_));
        break;
    case 12:
        lstStorico_->Svuota();
        break;
    case 13:
        ImpostaRegistro(QStringLiteral("0"));
        break;
    case 14:
        ImpostaRegistro(TogliUltimo(Registro()));
        break;
    case 15:
        MostraParametri(0);
        break;
    case 16:
        AzzeraParametri(ParametriCorrenti());
        ScriviStorico(10, 0);
        MostraParametri(0);
        break;
    default:
        break;
    }
    lstStorico_->setFocus();
}

void MainForm::Cmd_Par_Click(qint16 indice) {
    if (indice != 0 && indice != 1) {
        return;
    }
    double& parametro = indice == 0 ? ParametriCorrenti().R0 : ParametriCorrenti().B;
    // A register beyond the double range is refused like a non-positive one.
    const double valore = LeggiRegistro(Registro().toStdString(), regione_).value_or(0);
    if (valore > 0) {
        parametro = valore;
    } else {
        parametro = 0;
        ScriviStorico(indice == 0 ? 98 : 97, 0);
    }
    ScriviStorico(indice, 0);
    Cmd_Tasto_Click(13);
    lstStorico_->setFocus();
}
