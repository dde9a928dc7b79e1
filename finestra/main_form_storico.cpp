// The history list: the parameter summary and the coded lines.
#include "finestra/main_form.h"

#include "core/parametri_ntc.h"
#include "finestra/lista_storico.h"
#include "finestra/righe_storico.h"

void MainForm::MostraParametri(qint16 flag) {
    if (flag == SVUOTA_PRIMA) {
        lstStorico_->Svuota();
    }
    const int righe = lstStorico_->Conta();
    if (righe > 0 && !lstStorico_->Riga(righe - 1).isEmpty()) {
        lstStorico_->Aggiungi(QString());
    }
    for (const QString& riga : BloccoParametri(ParametriCorrenti(), regione_)) {
        lstStorico_->Aggiungi(riga);
    }
    lstStorico_->SelezionaUltima();
}

void MainForm::ScriviStorico(const RigaStorico& riga) {
    lstStorico_->Aggiungi(TestoRigaStorico(riga, Registro(), ParametriCorrenti(), regione_));
    lstStorico_->SelezionaUltima();
}
