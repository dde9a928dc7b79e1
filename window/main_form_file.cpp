// The file menu: loading and saving parameter sets.
#include "main_form.h"

#include "core/parametri_ntc.h"
#include "files/dialoghi_file.h"
#include "profilo/file_ntc.h"

void MainForm::MenuApri_Click() {
    const auto nome = DialogoApri(*comDialog_);
    if (!nome.empty()) {
        CaricaParametri(nome, ParametriCorrenti());
        MostraParametri(0);
    }
}

void MainForm::MenuSalva_Click() {
    const auto nome = DialogoSalva(*comDialog_);
    // A failed save leaves the file as it was; the user must not believe it kept.
    if (!nome.empty() && !SalvaParametri(nome, ParametriCorrenti())) {
        ScriviStorico(95, 0);
    }
}
