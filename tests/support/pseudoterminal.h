#ifndef QUILLON_TESTS_PSEUDOTERMINAL_H
#define QUILLON_TESTS_PSEUDOTERMINAL_H

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>
#include <termios.h>

// A pseudo-terminal standing in for a serial device: the program opens the slave side, the test
// plays the device on the master side.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    QString slavePath() const { return path; }
    dev_t slaveDevice() const { return device; }

    void send(const QByteArray &bytes);
    // Reads what the program wrote until `count` bytes came or the time ran out, running the
    // event loop meanwhile so that the program's port can flush.
    QByteArray receive(int count, int timeoutMs = 2000);
    // Closes the device's end, as when a USB adapter is pulled out.
    void hangUp();
    termios slaveSettings() const;

private:
    int master = -1;
    QString path;
    dev_t device = 0;
};

// A stable port name that can be pointed at a new pseudo-terminal, as a re-plugged adapter
// reappears under its old name.
class PortAlias
{
public:
    explicit PortAlias(const QString &target,
                       const QString &name = QStringLiteral("ttyQuillonTest"));
    QString path() const { return dir.filePath(name); }
    void pointTo(const QString &target);
    // Pulls the device out: the name leads nowhere until pointTo, never to the freed
    // pseudo-terminal, whose number another program may be given at once.
    void unplug(PseudoTerminal &device);

private:
    QTemporaryDir dir;
    QString name;
};

#endif
