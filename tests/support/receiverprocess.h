#ifndef QUILLON_TESTS_RECEIVERPROCESS_H
#define QUILLON_TESTS_RECEIVERPROCESS_H

#include <QProcess>

// The receiving application: a Qt text box in a process of its own (support/x11receiver.cpp).
class ReceiverProcess
{
public:
    explicit ReceiverProcess(const QProcessEnvironment &environment,
                             const QStringList &arguments = {});
    ~ReceiverProcess();
    ReceiverProcess(const ReceiverProcess &) = delete;
    ReceiverProcess &operator=(const ReceiverProcess &) = delete;

    bool waitUntilReady() { return readLine(10000) == "ready"; }
    QString text();

private:
    QByteArray readLine(int timeoutMs);

    QProcess process;
};

#endif
