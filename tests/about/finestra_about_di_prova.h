#pragma once

#include "about/frm_about.h"

#include <QApplication>
#include <QPushButton>
#include <QString>
#include <gtest/gtest.h>

// A plain widget stands in for the main window.
class FinestraAboutDiProva : public testing::Test {
protected:
    FinestraAboutDiProva() {
        sostituto.setGeometry(200, 150, 546, 361);
        sostituto.show();
    }

    template <typename T = QWidget> T* Controllo(const char* nome) {
        T* trovato = about.findChild<T*>(QString::fromLatin1(nome));
        EXPECT_NE(trovato, nullptr) << nome;
        return trovato;
    }

    QPushButton* Ok() { return Controllo<QPushButton>("cmdOK"); }

    QWidget sostituto;
    Frm_About about{&sostituto};
};
