#ifndef QUILLON_SERIAL_SERIALLINK_H
#define QUILLON_SERIAL_SERIALLINK_H

#include "serial/serialsettings.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <memory>

// One serial port: opened with its line settings, read as data arrives, written, closed. Each
// platform has its own implementation.
class SerialLink : public QObject
{
    Q_OBJECT

public:
    // Opens the port for reading and writing, then applies the settings (baud rate for both
    // directions, data bits, flow control, parity, stop bits); false if it cannot be opened,
    // and failureReason() then says why. A closed link can be opened again.
    virtual bool open(const SerialSettings &settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual QByteArray readAll() = 0;
    virtual qint64 write(const QByteArray &bytes) = 0;
    // How many times the port found bytes lost on the line (an overrun of its queue or of the
    // hardware, a framing or parity error) since last asked. Asked right after readAll(): a gap
    // lies among the bytes read or right after them. 0 where the port keeps no count.
    virtual int takeLosses() = 0;

    // Why the last open() failed, in the user's words, as the system told it.
    virtual QString failureReason() const = 0;

signals:
    void readyRead();
    // The device went away while open (unplugged, hung up); the link has closed itself. Never
    // emitted from inside a call on the link.
    void deviceLost();
    // The port's driver refused a setting (named in the user's words); the port runs with what
    // the driver keeps instead. Said once for each setting a link is refused, from the event loop.
    void settingRefused(const QString &setting);
};

// The link to the port of that name (as the port list names it), not yet open.
std::unique_ptr<SerialLink> createSerialLink(const QString &portName);

// Makes createSerialLink hand out what `wrapper` makes of each platform link. For tests only,
// which watch that way what the program reads.
using SerialLinkWrapper = std::function<std::unique_ptr<SerialLink>(std::unique_ptr<SerialLink>)>;
void wrapSerialLinksForTests(SerialLinkWrapper wrapper);

#endif
