#include "serial/connection.h"

#include "serial/portlist.h"

#include <QTimer>

namespace {

// Should two ports carry the identity (two identical adapters), only the last name is taken,
// never a guess.
QString nameOfDevice(const QList<PortInfo> &ports, const QString &identity, const QString &lastName)
{
    QStringList names;
    for (const PortInfo &port : ports) {
        if (port.identity == identity)
            names << port.name;
    }
    if (names.size() == 1)
        return names.first();
    return names.contains(lastName) ? lastName : QString();
}

QString identityOf(const QString &portName)
{
    const auto port = PortList::find(PortList::available(), portName);
    return port ? port->identity : QString();
}

} // namespace

Connection::Connection(QObject *parent) : QObject(parent), reopenTimer(new QTimer(this))
{
    reopenTimer->setInterval(defaultReopenInterval);
    connect(reopenTimer, &QTimer::timeout, this, &Connection::tryReopening);
}

Connection::~Connection() = default;

void Connection::setReopenInterval(int milliseconds)
{
    reopenTimer->setInterval(milliseconds);
}

void Connection::setSettings(const SerialSettings &settings)
{
    serialSettings = settings;
}

// Asked for while it is awaited, the lost device is opened the way it is looked for: a Connect
// or a new setting must not open the other instrument that now has its old name.
bool Connection::open(const QString &portName)
{
    const bool lookingForIt = awaitingLostDevice() && portName == openedPortName;
    const QString name = lookingForIt ? nameOfLostDevice() : portName;
    // Not back yet: it is still looked for, so that it is opened once it is.
    if (name.isEmpty()) {
        lastFailure = tr("The instrument that was lost is not back yet.");
        return false;
    }
    reopenTimer->stop();
    dropLink();
    linkTo(name);
    if (!link->open(serialSettings)) {
        lastFailure = link->failureReason();
        if (lookingForIt)
            reopenTimer->start();
        return false;
    }
    openedPortName = name;
    openedDeviceIdentity = identityOf(name);
    return true;
}

// The link goes too, so that nothing it still had queued (a loss) reaches the program.
void Connection::close()
{
    reopenTimer->stop();
    dropLink();
}

bool Connection::isOpen() const
{
    return link && link->isOpen();
}

qint64 Connection::write(const QByteArray &bytes)
{
    return link ? link->write(bytes) : -1;
}

bool Connection::awaitingLostDevice() const
{
    return reopenTimer->isActive();
}

QString Connection::nameOfLostDevice() const
{
    if (openedDeviceIdentity.isEmpty())
        return openedPortName;
    return nameOfDevice(PortList::available(), openedDeviceIdentity, openedPortName);
}

// A failed attempt (still gone, or busy) stays silent. The link of the lost device is kept,
// closed, with its connections, and opened again as it is while the device keeps its name.
void Connection::tryReopening()
{
    const QString name = nameOfLostDevice();
    if (name.isEmpty())
        return;
    if (!link || name != linkedPortName)
        linkTo(name);
    if (!link->open(serialSettings))
        return;
    // Only now: until the device is open under its new name, a Connect on the entry it was lost
    // under must still find it by who it is.
    openedPortName = name;
    reopenTimer->stop();
    emit reopened(name);
}

void Connection::linkTo(const QString &portName)
{
    link = createSerialLink(portName);
    linkedPortName = portName;
    connect(link.get(), &SerialLink::readyRead, this, &Connection::readLink);
    connect(link.get(), &SerialLink::deviceLost, this, &Connection::linkLost);
    connect(link.get(), &SerialLink::settingRefused, this, &Connection::settingRefused);
}

void Connection::readLink()
{
    if (!isOpen())
        return;
    const QByteArray bytes = link->readAll();
    const int losses = link->takeLosses();
    if (!bytes.isEmpty() || losses > 0)
        emit received(bytes, losses);
}

void Connection::dropLink()
{
    if (!link)
        return;
    link->close();
    link.reset();
}

void Connection::linkLost()
{
    reopenTimer->start();
    emit deviceLost();
}
