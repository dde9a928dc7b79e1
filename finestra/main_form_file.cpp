// The file menu: loading and saving parameter sets.
#include "finestra/main_form.h"

#include "core/parametri_ntc.h"
#include "dialoghi/dialoghi_file.h"
#include "finestra/righe_storico.h"
#include "profilo/file_ntc.h"

void MainForm::MenuApri_Click() {
    const auto nome = DialogoApri(*comDialog_);
    if (!nome.empty()) {
        CaricaParametri(nome, ParametriCorrenti());
        MostraParametri(IN_CODA);
    }
}

void MainForm::MenuSalva_Click() {
    const auto nome = DialogoSalva(*comDialog_);
    // A failed save leaves the file as it was; the user must not believe it kept.
    if (!nome.empty() && !SalvaParametri(nome, ParametriCorrenti())) {
        ScriviStorico(RigaAvviso::SalvataggioFallito);
    }
}
