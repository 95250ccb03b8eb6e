#ifndef QUILLON_TESTS_HARNESS_H
#define QUILLON_TESTS_HARNESS_H

#include "app/widget.h"
#include "pseudoterminal.h"
#include "recordingkeyinjector.h"
#include "serial/portlist.h"

#include <QCheckBox>
#include <QStringList>

#include <memory>

// The program's window listing the given ports, typing into a recording backend.
class Harness
{
public:
    explicit Harness(const QStringList &ports);
    explicit Harness(const QList<PortInfo> &ports);

    template <typename T> T *get(const char *name) const
    {
        T *child = window->findChild<T *>(QLatin1String(name));
        Q_ASSERT(child);
        return child;
    }

    bool connected() const { return get<QCheckBox>("checkBox_Connect")->isChecked(); }
    void clickConnect() { get<QCheckBox>("checkBox_Connect")->click(); }
    void switchToLogMode();
    QString logText() const;

    // Whether a line the device sends now arrives, typed or in the log, within the time.
    bool receivesFrom(PseudoTerminal &device, int timeoutMs = 1500);

    // Sends the bytes from the device and waits until the program has read them all (and so
    // has done with them whatever it does); false if it has not within the time.
    bool deliver(PseudoTerminal &device, const QByteArray &bytes, int timeoutMs = 5000);

    std::shared_ptr<KeyRecord> keys = std::make_shared<KeyRecord>();
    std::unique_ptr<Widget> window;
    // How many times the program has made a link to a port, to open it.
    std::shared_ptr<int> linksMade = std::make_shared<int>(0);

private:
    void start();

    int linesSent = 0;
    std::shared_ptr<qint64> bytesRead = std::make_shared<qint64>(0);
};

// CPU time this process has used so far, to catch busy loops.
double cpuSecondsUsed();

#endif
