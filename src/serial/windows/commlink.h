#ifndef QUILLON_SERIAL_WINDOWS_COMMLINK_H
#define QUILLON_SERIAL_WINDOWS_COMMLINK_H

// The Windows serial link's logic, free of Win32 itself: what it makes of the answers of a port
// is tried on Linux with a port that answers as a driver might.
#include "serial/seriallink.h"

#include <QSet>
#include <QTimer>

#include <chrono>
#include <deque>

// One port as the Windows communications API offers it, a call for each step the link takes.
// Each step answers with the system's error code, 0 when it succeeded.
class CommPort : public QObject
{
    Q_OBJECT

public:
    using Error = unsigned long;
    // The answer of finishRead or finishWrite for an operation whose notification came while it
    // was still running (ERROR_IO_INCOMPLETE): it stays pending, and its end is notified again.
    static constexpr Error notEnded = 996;

    // The port opened for overlapped reading and writing, checked to be a serial port.
    virtual Error open() = 0;
    virtual void close() = 0;
    virtual Error setQueueSizes(int input, int output) = 0;
    // Each setting goes on top of those the driver took; returns the ones it refused, in words.
    virtual QStringList applySettings(const SerialSettings &settings) = 0;
    // Reads end as soon as a byte is there; a long total timeout only bounds an idle read.
    virtual Error setReadTimeouts() = 0;
    virtual void discardQueues() = 0;

    // A read of one byte, pending until readEnded(); finishRead appends what it gave.
    virtual Error startRead() = 0;
    virtual Error finishRead(QByteArray &bytes) = 0;
    // Appends what the driver holds already; such a read ends at once.
    virtual Error readQueued(QByteArray &bytes) = 0;
    // A write of the bytes, which the port keeps until writeEnded().
    virtual Error startWrite(const QByteArray &bytes) = 0;
    virtual Error finishWrite() = 0;
    // Whether the device is still there, for drivers that leave a read pending when it goes.
    virtual Error checkStatus() = 0;
    // How many of the driver's reports since last asked (with readQueued and checkStatus) told
    // of bytes lost or damaged on the line: an overrun of its queue or of the UART, a framing or
    // parity error.
    virtual int takeLineErrors() = 0;
    // Cancels what is pending and waits up to `bound` for it to end. What does not end by then
    // keeps its buffers for good, since the system may still write into them.
    virtual void cancelPending(std::chrono::milliseconds bound) = 0;

    // The system's own words for an error.
    virtual QString describe(Error error) const = 0;

signals:
    void readEnded();
    void writeEnded();
};

// Reading: a read of one byte is always pending; when it ends, what the driver holds besides is
// read at once. A read that ends with no byte (the long total timeout) is simply issued again.
// Loss: a failed read, write or status query closes the link and reports the device lost, after
// the bytes that came with it or with a read that ended before the loss was found.
class CommLink : public SerialLink
{
    Q_OBJECT

public:
    // As the usual serial libraries ask, so that a small driver queue cannot overflow between
    // two reads.
    static constexpr int queueSize = 4096;
    // How long closing waits for a cancelled operation; a driver that never ends one must not
    // hang the window or the program's exit.
    static constexpr std::chrono::milliseconds cancelBound{500};
    // How often an open port is asked whether it is still there.
    static constexpr int presenceCheckMs = 1000;

    explicit CommLink(std::unique_ptr<CommPort> port);
    ~CommLink() override;

    bool open(const SerialSettings &settings) override;
    void close() override;
    bool isOpen() const override { return opened; }
    QByteArray readAll() override;
    qint64 write(const QByteArray &bytes) override;
    QString failureReason() const override { return reason; }
    int takeLosses() override { return port->takeLineErrors(); }

private:
    bool fail(const QString &why);
    QString openFailure(CommPort::Error error) const;
    void sayRefused(const QStringList &settings);
    bool startRead();
    void finishRead();
    void startWrite();
    void finishWrite();
    void checkPresence();
    void takeEndedRead();
    void lose();

    std::unique_ptr<CommPort> port;
    bool opened = false;
    bool readPending = false;
    bool writePending = false;
    QByteArray received;
    std::deque<QByteArray> outgoing;
    QTimer presenceCheck;
    QString reason;
    QSet<QString> refusalsSaid;
};

#endif
