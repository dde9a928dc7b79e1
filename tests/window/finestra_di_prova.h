#pragma once

#include "core/parametri_ntc.h"
#include "servizi_finti.h"
#include "window/lista_storico.h"
#include "window/main_form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A shown, active main window under a given region, with the handles tests need.
class FinestraDiProva {
public:
    explicit FinestraDiProva(const Regione& regione = Regione{".", ","})
        : finestra(std::make_unique<MainForm>(regione, servizi.Crea())) {
        finestra->show();
        finestra->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(finestra.get()));
    }

    QPushButton* Pulsante(const QString& nome) const {
        auto* p = finestra->findChild<QPushButton*>(nome);
        EXPECT_NE(p, nullptr) << nome.toStdString();
        return p;
    }
    ListaStorico* Lista() const { return finestra->findChild<ListaStorico*>("Lst_Storico"); }
    QString Registro() const { return finestra->findChild<QLabel*>("Display")->text(); }
    QStringList Storico() const {
        QStringList righe;
        for (int i = 0; i < Lista()->Conta(); ++i) {
            righe << Lista()->Riga(i);
        }
        return righe;
    }
    QString UltimaRiga() const { return Lista()->Riga(Lista()->Conta() - 1); }

    void Clic(const QString& nome) const { QTest::mouseClick(Pulsante(nome), Qt::LeftButton); }

    // Keys go where the keyboard focus is, as a user's keys do.
    static void Tasto(Qt::Key tasto, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), tasto, mod);
    }
    static void Digita(const QString& testo) {
        for (const QChar c : testo) {
            QTest::keyClicks(static_cast<QWidget*>(nullptr), QString(c));
        }
    }

    ServiziFinti servizi;
    std::unique_ptr<MainForm> finestra;
};
