#include "serial/windows/commlink.h"

namespace {

// The system's error codes that tell the user what to do about a port that would not open.
constexpr CommPort::Error fileNotFound = 2;
constexpr CommPort::Error pathNotFound = 3;
constexpr CommPort::Error accessDenied = 5;
constexpr CommPort::Error deviceNotFunctioning = 31; // ERROR_GEN_FAILURE
constexpr CommPort::Error sharingViolation = 32;

} // namespace

CommLink::CommLink(std::unique_ptr<CommPort> port) : port(std::move(port))
{
    connect(this->port.get(), &CommPort::readEnded, this, &CommLink::finishRead);
    connect(this->port.get(), &CommPort::writeEnded, this, &CommLink::finishWrite);
    presenceCheck.setInterval(presenceCheckMs);
    connect(&presenceCheck, &QTimer::timeout, this, &CommLink::checkPresence);
}

CommLink::~CommLink()
{
    close();
}

bool CommLink::open(const SerialSettings &settings)
{
    if (opened)
        return false;
    reason.clear();
    if (const CommPort::Error error = port->open())
        return fail(openFailure(error));
    opened = true;
    QStringList refused;
    if (port->setQueueSizes(queueSize, queueSize) != 0)
        refused << tr("queues of %1 bytes").arg(queueSize);
    sayRefused(refused + port->applySettings(settings));
    // Timeouts another program left behind (reads that return at once) would spin the read loop.
    if (const CommPort::Error error = port->setReadTimeouts()) {
        close();
        return fail(tr("Its driver refused the read timeouts: %1").arg(port->describe(error)));
    }
    port->discardQueues();
    received.clear();
    if (!startRead()) {
        close();
        return fail(reason);
    }
    presenceCheck.start();
    return true;
}

void CommLink::close()
{
    if (!opened)
        return;
    opened = false;
    presenceCheck.stop();
    if (readPending || writePending)
        port->cancelPending(cancelBound);
    readPending = writePending = false;
    outgoing.clear();
    port->close();
}

QByteArray CommLink::readAll()
{
    QByteArray bytes;
    bytes.swap(received);
    return bytes;
}

qint64 CommLink::write(const QByteArray &bytes)
{
    if (!opened)
        return -1;
    outgoing.push_back(bytes);
    if (!writePending)
        startWrite();
    // A write the system refused at once lost the device: nothing of it was written.
    return opened ? bytes.size() : -1;
}

bool CommLink::fail(const QString &why)
{
    reason = why;
    return false;
}

QString CommLink::openFailure(CommPort::Error error) const
{
    switch (error) {
    case accessDenied:
    case sharingViolation:
        return tr("Another program holds the port.");
    case fileNotFound:
    case pathNotFound:
        return tr("The port is gone: the system does not have it (any more).");
    case deviceNotFunctioning:
        return tr("Its driver refused the device (\"device not functioning\", Code 10 in Device "
                  "Manager), as drivers do to many clone chips: %1")
            .arg(port->describe(error));
    default:
        return port->describe(error);
    }
}

void CommLink::sayRefused(const QStringList &settings)
{
    for (const QString &setting : settings) {
        if (refusalsSaid.contains(setting))
            continue;
        refusalsSaid.insert(setting);
        QMetaObject::invokeMethod(
            this, [this, setting] { emit settingRefused(setting); }, Qt::QueuedConnection);
    }
}

bool CommLink::startRead()
{
    if (const CommPort::Error error = port->startRead()) {
        reason = port->describe(error);
        return false;
    }
    readPending = true;
    return true;
}

void CommLink::finishRead()
{
    if (!readPending)
        return;
    const CommPort::Error error = port->finishRead(received);
    if (error == CommPort::notEnded)
        return;
    readPending = false;
    const bool stillThere = error == 0 && port->readQueued(received) == 0 && startRead();
    // What came with the read that reveals a loss goes out first: a device that sends its last
    // reading and powers off at once has that reading taken.
    if (!received.isEmpty())
        emit readyRead();
    if (!stillThere && opened)
        lose();
}

void CommLink::startWrite()
{
    if (outgoing.empty())
        return;
    if (port->startWrite(outgoing.front()) != 0) {
        lose();
        return;
    }
    writePending = true;
}

void CommLink::finishWrite()
{
    if (!writePending)
        return;
    const CommPort::Error error = port->finishWrite();
    if (error == CommPort::notEnded)
        return;
    writePending = false;
    if (error != 0) {
        lose();
        return;
    }
    outgoing.pop_front();
    startWrite();
}

void CommLink::checkPresence()
{
    if (port->checkStatus() != 0)
        lose();
}

// A loss found by a write or the presence check can come before the notification of a read that
// has ended already: what it holds is the device's last reading and goes out before the loss,
// while the link is still open to be read.
void CommLink::takeEndedRead()
{
    if (!readPending || port->finishRead(received) == CommPort::notEnded)
        return;
    readPending = false;
    port->readQueued(received);
    if (!received.isEmpty())
        emit readyRead();
}

// Said from the event loop, never from inside a call on the link.
void CommLink::lose()
{
    takeEndedRead();
    close();
    QMetaObject::invokeMethod(
        this, [this] { emit deviceLost(); }, Qt::QueuedConnection);
}
