#ifndef QUILLON_SERIAL_CONNECTION_H
#define QUILLON_SERIAL_CONNECTION_H

#include "serial/seriallink.h"
#include "serial/serialsettings.h"

#include <QObject>
#include <QString>

#include <memory>

class QTimer;

// The program's one connection to a device: the port opened with the line settings, the device
// lost while connected and looked for again until it is back, and the user taking over. A device
// that says who it is (a USB adapter) is looked for by that, under whatever name it has now,
// never under its old name once another device has that.
class Connection : public QObject
{
    Q_OBJECT

public:
    explicit Connection(QObject *parent = nullptr);
    ~Connection() override;

    // A lost device is looked for again this often, until it is back or the user takes over.
    static constexpr int defaultReopenInterval = 1000; // ms
    void setReopenInterval(int milliseconds);

    // Applied from the next open on.
    const SerialSettings &settings() const { return serialSettings; }
    void setSettings(const SerialSettings &settings);

    // The user opens the port of that name anew. While the device lost there is looked for, that
    // device is opened, wherever it is now, and if it cannot be (not back yet, busy) it is still
    // looked for; another port's opening ends the looking. False if it cannot be opened.
    bool open(const QString &portName);
    // Why the last open() failed, in the user's words, as the system told it.
    QString failureReason() const { return lastFailure; }
    // The user lets the port go; a lost device is no longer looked for.
    void close();
    // The name the device has that was opened last, or is looked for.
    QString portName() const { return openedPortName; }

    bool isOpen() const;
    qint64 write(const QByteArray &bytes);

signals:
    // What the device sent, as read, with how many times bytes were found lost on the line
    // among these bytes or right after them.
    void received(const QByteArray &bytes, int lossesFound);
    // The device went away while connected; it is looked for from now on.
    void deviceLost();
    // The lost device is back and open again, under that name.
    void reopened(const QString &portName);
    // The port's driver refused a setting (see SerialLink::settingRefused).
    void settingRefused(const QString &setting);

private:
    bool awaitingLostDevice() const;
    QString nameOfLostDevice() const;
    void tryReopening();
    void readLink();
    void linkTo(const QString &portName);
    void dropLink();
    void linkLost();

    std::unique_ptr<SerialLink> link;
    SerialSettings serialSettings;
    QTimer *reopenTimer;
    // The port the link was last opened on and what the device there is, to find it again.
    QString openedPortName;
    QString linkedPortName; // the port of the link, opened or not
    QString openedDeviceIdentity;
    QString lastFailure;
};

#endif
