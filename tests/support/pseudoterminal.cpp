#include "pseudoterminal.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

PseudoTerminal::PseudoTerminal()
{
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    struct stat info = {};
    fstat(slave, &info);
    device = info.st_rdev;
    ::close(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    fcntl(master, F_SETFD, FD_CLOEXEC); // a child process holding it would defeat hangUp()
    path = QString::fromLocal8Bit(name);
}

PseudoTerminal::~PseudoTerminal()
{
    hangUp();
}

void PseudoTerminal::send(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(master, bytes.constData() + done, bytes.size() - done);
        if (written > 0) {
            done += written;
        } else {
            // The pty is full until the program reads; let it, then wait briefly for room.
            QCoreApplication::processEvents();
            pollfd writable{master, POLLOUT, 0};
            ::poll(&writable, 1, 1);
        }
    }
}

QByteArray PseudoTerminal::receive(int count, int timeoutMs)
{
    QByteArray bytes;
    QElapsedTimer clock;
    clock.start();
    while (bytes.size() < count && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        char chunk[4096];
        const ssize_t got = ::read(master, chunk, sizeof chunk);
        if (got > 0)
            bytes.append(chunk, static_cast<int>(got));
        else
            QTest::qWait(2);
    }
    return bytes;
}

void PseudoTerminal::hangUp()
{
    if (master >= 0)
        ::close(master);
    master = -1;
}

termios PseudoTerminal::slaveSettings() const
{
    termios settings = {};
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    tcgetattr(fd, &settings);
    ::close(fd);
    return settings;
}

PortAlias::PortAlias(const QString &target, const QString &name) : name(name)
{
    pointTo(target);
}

void PortAlias::pointTo(const QString &target)
{
    QFile::remove(path());
    QFile::link(target, path());
}

void PortAlias::unplug(PseudoTerminal &device)
{
    QFile::remove(path());
    device.hangUp();
}
