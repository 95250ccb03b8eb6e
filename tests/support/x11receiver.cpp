// A window that takes the keyboard focus and reports what was typed into it: "ready" once it has
// the focus (or, with --ready-when-shown, once it is on screen: a Wayland seat without a
// keyboard yet gives no focus), then the text as hex for every line read from stdin.
#include <QApplication>
#include <QPlainTextEdit>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QPlainTextEdit edit;
    edit.setWindowTitle(QStringLiteral("receiver"));
    edit.resize(400, 200);
    edit.show();
    edit.activateWindow();
    edit.setFocus();

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
        char line[64];
        if (::read(STDIN_FILENO, line, sizeof line) <= 0) {
            app.quit();
            return;
        }
        std::printf("%s\n", edit.toPlainText().toUtf8().toHex().constData());
        std::fflush(stdout);
    });
    return app.exec();
}
