#ifndef QUILLON_TESTS_RECEIVERPROCESS_H
#define QUILLON_TESTS_RECEIVERPROCESS_H

#include <QProcess>

// The receiving application: a Qt text box in a process of its own (support/x11receiver.cpp), or
// another program that speaks the same protocol.
class ReceiverProcess
{
public:
    // asSwayUser: runs as the user the test's sway runs as (support/headlesssway.h).
    explicit ReceiverProcess(const QProcessEnvironment &environment,
                             const QStringList &arguments = {}, bool asSwayUser = false,
                             const QString &program = QStringLiteral(X11_RECEIVER));
    ~ReceiverProcess();
    ReceiverProcess(const ReceiverProcess &) = delete;
    ReceiverProcess &operator=(const ReceiverProcess &) = delete;

    bool waitUntilReady() { return readLine(10000) == "ready"; }
    QString text();
    // Every key press the text box got, as "Shift+Tab", "Return", "A" and the like.
    QStringList keyPresses();
    // The modifiers the application has as held now (Qt::KeyboardModifiers).
    int modifiers();
    qint64 pid() const { return process.processId(); }

private:
    QByteArray readLine(int timeoutMs);

    QProcess process;
};

#endif
