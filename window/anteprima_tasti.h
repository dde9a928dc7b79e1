#pragma once

#include <QObject>

class MainForm;

// Sees every key meant for a widget of the main window before that widget does, and
// runs the keyboard map on it.
class AnteprimaTasti : public QObject {
    Q_OBJECT
public:
    explicit AnteprimaTasti(MainForm& finestra);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    MainForm& finestra_;
};
