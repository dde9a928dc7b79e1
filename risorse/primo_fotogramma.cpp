#include "risorse/primo_fotogramma.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Watches the application's events until the window's first exposure, lets the window
// handle it, then runs the action and goes.
class Osservatore : public QObject {
public:
    Osservatore(QWidget* finestra, std::function<void()> azione)
        : QObject(finestra), finestra_(finestra), azione_(std::move(azione)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        QWindow* const handle = finestra_->windowHandle();
        if (evento->type() != QEvent::Expose || handle == nullptr || oggetto != handle ||
            !handle->isExposed()) {
            return false;
        }
        QCoreApplication::instance()->removeEventFilter(this);
        // The window paints and shows its frame while it handles the event.
        QCoreApplication::sendEvent(handle, evento);
        azione_();
        deleteLater();
        return true;
    }

private:
    QWidget* finestra_;
    std::function<void()> azione_;
};

} // namespace

void DopoIlPrimoFotogramma(QWidget* finestra, std::function<void()> azione) {
    new Osservatore(finestra, std::move(azione));
}
