// Ending the program: the event loop stops at once, with nothing asked.
#include "finestra_di_prova.h"

#include <QAction>
#include <QTimer>

namespace {

// Runs the event loop until something ends it; a watchdog makes a missing exit fail.
int CicloFinoAllaFine(const std::function<void()>& azione) {
    QTimer::singleShot(0, azione);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    return QCoreApplication::exec();
}

TEST(Uscita, FineProgrammaDalMenu) {
    FinestraDiProva f;
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    QAction* fine = f.finestra->findChild<QAction*>("MenuFine");
    EXPECT_EQ(CicloFinoAllaFine([fine] { fine->trigger(); }), 0);
}

TEST(Uscita, CtrlXDaOgniControllo) {
    for (const char* nome : {"Lst_Storico", "Cmd_Tasto3", "MainForm"}) {
        FinestraDiProva f;
        QWidget* w = nome == std::string("MainForm") ? f.finestra.get()
                                                     : f.finestra->findChild<QWidget*>(nome);
        w->setFocus();
        EXPECT_EQ(CicloFinoAllaFine([] { FinestraDiProva::Tasto(Qt::Key_X, Qt::ControlModifier); }),
                  0)
            << nome;
    }
}

} // namespace
