#pragma once

#include "core/parametri_ntc.h"
#include "finestra/lista_storico.h"
#include "finestra/main_form.h"
#include "finestra/tabella_pulsanti.h"
#include "tests/finestra/servizi_finti.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

// A shown, active main window under a given region, with the handles tests need.
class FinestraDiProva {
public:
    explicit FinestraDiProva(const Regione& regione = Regione{".", ","})
        : finestra(regione, servizi.Crea()) {
        finestra.show();
        finestra.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
    }

    QWidget* Controllo(const QString& nome) { return finestra.findChild<QWidget*>(nome); }
    QWidget* Controllo(Schiera schiera, qint16 indice) {
        return Controllo(NomePulsante(schiera, indice));
    }
    ListaStorico* Lista() { return finestra.findChild<ListaStorico*>("Lst_Storico"); }
    QLabel* Display() { return finestra.findChild<QLabel*>("Display"); }
    QString Registro() { return Display()->text(); }
    // A register no keys can produce, as the handlers would find it.
    void ImpostaRegistro(const QString& testo) { Display()->setText(testo); }
    QStringList Storico() {
        QStringList righe;
        for (int i = 0; i < Lista()->Conta(); ++i) {
            righe << Lista()->Riga(i);
        }
        return righe;
    }
    QString UltimaRiga() { return Lista()->Riga(Lista()->Conta() - 1); }
    // The real clipboard: Qt keeps it inside the process offscreen.
    static QString Appunti() { return QApplication::clipboard()->text(); }
    static void MettiNegliAppunti(const QString& testo) {
        QApplication::clipboard()->setText(testo);
    }
    static QWidget* Fuoco() { return QApplication::focusWidget(); }

    void Clic(const QString& nome) { QTest::mouseClick(Controllo(nome), Qt::LeftButton); }
    void Clic(Schiera schiera, qint16 indice) { Clic(NomePulsante(schiera, indice)); }
    void Scegli(const char* azione) { finestra.findChild<QAction*>(azione)->trigger(); }
    // Keys go where the keyboard focus is, as a user's keys do.
    static void Tasto(Qt::Key tasto, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), tasto, mod);
    }
    static void Digita(const QString& testo) {
        QTest::keyClicks(static_cast<QWidget*>(nullptr), testo);
    }

    ServiziFinti servizi;
    MainForm finestra;
};
