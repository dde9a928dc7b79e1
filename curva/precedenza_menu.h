#pragma once

#include <QKeySequence>
#include <QObject>
#include <QSet>

class QWidget;

// Makes the window's menu shortcuts work wherever its focus is. A line edit claims
// editing keys of the platform's scheme before any shortcut (under X11 Ctrl+U empties the
// line, Ctrl+E goes to its end, Ctrl+K cuts to it, Ctrl+H deletes back): a key that is one
// of the window's shortcuts is not offered to the focused control, so the menu command
// runs instead. Installed on the application, it acts on the window's own controls only.
class PrecedenzaMenu : public QObject {
    Q_OBJECT
public:
    // The shortcuts of the window's actions as they are now.
    explicit PrecedenzaMenu(QWidget* finestra);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QWidget* finestra_;
    QSet<QKeySequence> scorciatoie_;
};
