// Stands in for a calculator in the tests, recording in the folder named by
// BREVANTO_CALCOLATRICE_FINTA: its arguments when it has any; otherwise its process id, the
// text typed into the X11 window it shows, and for each key pressed whether the server
// would have repeated it ('1') or not ('0'). Like a calculator it repaints for every key it
// takes (its line edit once more for the release), and for the focus only a while after it
// got it; it ignores "x" without a repaint, and Escape clears it.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSaveFile>
#include <QStyleHints>
#include <QTimer>

#include <xcb/xcb.h>

#include <memory>

namespace {

bool Registra(const QString& nome, const QByteArray& contenuto) {
    QSaveFile file(QDir(qEnvironmentVariable("BREVANTO_CALCOLATRICE_FINTA")).filePath(nome));
    return file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size() &&
           file.commit();
}

bool SiRipete(quint32 codice) {
    xcb_connection_t* x11 =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const std::unique_ptr<xcb_get_keyboard_control_reply_t, decltype(&free)> stato(
        xcb_get_keyboard_control_reply(x11, xcb_get_keyboard_control(x11), nullptr), &free);
    return stato && stato->global_auto_repeat == XCB_AUTO_REPEAT_MODE_ON &&
           (stato->auto_repeats[codice / 8] & (1U << (codice % 8))) != 0;
}

// Longer than the stillness the tests give it after a key, shorter than the one before the
// first.
constexpr std::chrono::milliseconds RITARDO_FUOCO{250};

class Tasti : public QObject {
public:
    explicit Tasti(QLineEdit& riga) : riga_(riga) {}

protected:
    bool eventFilter(QObject* /*oggetto*/, QEvent* evento) override {
        const QEvent::Type tipo = evento->type();
        // A slow calculator repaints for the focus well after it got it, when a key may
        // already be on its way.
        if (tipo == QEvent::FocusIn) {
            QTimer::singleShot(RITARDO_FUOCO, &riga_, [this] { riga_.repaint(); });
            return false;
        }
        if (tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease &&
            tipo != QEvent::ShortcutOverride) {
            return false;
        }
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tipo == QEvent::KeyPress) {
            ripetizioni_ += SiRipete(tasto->nativeScanCode()) ? '1' : '0';
            Registra("ripetizione", ripetizioni_);
        }
        // Not even the line edit's shortcut check sees "x": it would repaint.
        if (tasto->key() == Qt::Key_X) {
            return true;
        }
        if (tipo == QEvent::KeyPress) {
            if (tasto->key() == Qt::Key_Escape) {
                riga_.clear();
            }
            riga_.update();
        }
        return false;
    }

private:
    QLineEdit& riga_;
    QByteArray ripetizioni_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        QByteArray argomenti;
        for (int i = 1; i < argc; ++i) {
            argomenti += QByteArray(argv[i]) + '\n';
        }
        return Registra("argomenti", argomenti) ? 0 : 1;
    }
    if (!Registra("pid", QByteArray::number(QCoreApplication::applicationPid()))) {
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication applicazione(argc, argv);
    // A blinking cursor would repaint the window without any key.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QLineEdit riga;
    QObject::connect(&riga, &QLineEdit::textChanged,
                     [](const QString& testo) { Registra("testo", testo.toUtf8()); });
    Tasti tasti(riga);
    riga.installEventFilter(&tasti);
    riga.show();
    // Never outlives a test run that failed to end it.
    QTimer scadenza;
    QObject::connect(&scadenza, &QTimer::timeout, &applicazione, &QCoreApplication::quit);
    scadenza.start(60000);
    return QApplication::exec();
}
