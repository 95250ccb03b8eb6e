// A window that takes the keyboard focus and reports what was typed into it: "ready" once it has
// the focus (or, with --ready-when-shown, once it is on screen: a Wayland seat without a
// keyboard yet gives no focus), then, as hex, the key presses with their modifiers for every
// line "keys" read from stdin and the text for any other line.
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

namespace {

class KeyPressLog : public QObject
{
public:
    QString presses;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const QKeySequence pressed(static_cast<int>(key->modifiers()) | key->key());
            presses += pressed.toString(QKeySequence::PortableText) + QLatin1Char(' ');
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QPlainTextEdit edit;
    edit.setWindowTitle(QStringLiteral("receiver"));
    edit.resize(400, 200);
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    KeyPressLog keyPresses;
    edit.installEventFilter(&keyPresses);

    const bool readyWhenShown = app.arguments().contains(QStringLiteral("--ready-when-shown"));
    QTimer focusWatch;
    QObject::connect(&focusWatch, &QTimer::timeout, [&] {
        const bool focused = edit.hasFocus() && QApplication::focusWindow() == edit.windowHandle();
        if (!focused && !(readyWhenShown && edit.windowHandle()->isExposed())) {
            edit.activateWindow();
            return;
        }
        focusWatch.stop();
        std::printf("ready\n");
        std::fflush(stdout);
    });
    focusWatch.start(20);

    QSocketNotifier requests(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&requests, &QSocketNotifier::activated, [&] {
        char line[64] = {};
        if (::read(STDIN_FILENO, line, sizeof line - 1) <= 0) {
            app.quit();
            return;
        }
        QString report = edit.toPlainText();
        if (qstrncmp(line, "keys", 4) == 0)
            report = keyPresses.presses;
        else if (qstrncmp(line, "modifiers", 9) == 0)
            report = QString::number(QGuiApplication::queryKeyboardModifiers());
        std::printf("%s\n", report.toUtf8().toHex().constData());
        std::fflush(stdout);
    });
    return app.exec();
}
