// The edit menu: clipboard copy and paste, and sending the register to the calculator.
#include "finestra/main_form.h"

#include "finestra/lista_storico.h"
#include "finestra/righe_storico.h"
#include "scambio/copia_incolla.h"
#include "scambio/invia_calcolatrice.h"

#include <QClipboard>
#include <QGuiApplication>

void MainForm::MenuCopia_Click() {
    std::vector<std::string> righe;
    std::vector<bool> selezionate;
    // The newest line the program highlighted after a write is not a choice of the user;
    // then the register is copied.
    if (lstStorico_->SceltaDallUtente()) {
        righe.reserve(static_cast<size_t>(lstStorico_->Conta()));
        for (int i = 0; i < lstStorico_->Conta(); ++i) {
            righe.push_back(lstStorico_->Riga(i).toStdString());
            selezionate.push_back(lstStorico_->Selezionata(i));
        }
    }
    // Cleared first, so that no image or other format stays beside the text.
    QClipboard* appunti = QGuiApplication::clipboard();
    appunti->clear();
    appunti->setText(
        QString::fromStdString(TestoDaCopiare(righe, selezionate, Registro().toStdString())));
}

void MainForm::MenuIncolla_Click() {
    if (const auto testo =
            TestoDaIncollare(QGuiApplication::clipboard()->text().toStdString(), regione_)) {
        ImpostaRegistro(QString::fromStdString(*testo));
    }
}

void MainForm::MenuInviaCalc_Click() {
    inviaCalcolatrice_->Invia(Registro().toStdString());
}

void MainForm::InvioCalcolatriceConcluso(bool consegnato) {
    // The number did not arrive whole: no calculator is installed, its window never came
    // up, it lost the focus while the number was being typed, or it did not show a key in
    // time (and what was typed has been cleared).
    if (!consegnato) {
        ScriviStorico(RigaAvviso::CalcolatriceNonDisponibile);
    }
}
