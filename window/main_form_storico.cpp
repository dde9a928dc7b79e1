// The history list: the parameter summary and the coded lines.
#include "main_form.h"

#include "core/parametri_ntc.h"
#include "righe_storico.h"

#include <QListWidget>

void MainForm::AggiungiRigaStorico(const QString& riga) {
    lstStorico_->addItem(riga);
}

void MainForm::SelezionaUltimaRiga() {
    const int ultima = lstStorico_->count() - 1;
    lstStorico_->setCurrentRow(ultima);
    lstStorico_->scrollToItem(lstStorico_->item(ultima));
    // The tape must show the new line before the handler goes on.
    lstStorico_->viewport()->repaint();
}

void MainForm::MostraParametri(qint16 flag) {
    if (flag == -1) {
        lstStorico_->clear();
    }
    const int righe = lstStorico_->count();
    if (righe > 0 && !lstStorico_->item(righe - 1)->text().isEmpty()) {
        AggiungiRigaStorico(QString());
    }
    for (const QString& riga : BloccoParametri(ParametriCorrenti(), regione_)) {
        AggiungiRigaStorico(riga);
    }
    SelezionaUltimaRiga();
}

void MainForm::ScriviStorico(qint16 codice, double valore) {
    const auto riga = RigaStorico(codice, valore, Registro(), ParametriCorrenti(), regione_);
    if (!riga) {
        return;
    }
    AggiungiRigaStorico(*riga);
    SelezionaUltimaRiga();
}
