// The serial link on QtSerialPort.
#include "serial/linux/lineerrorcount.h"
#include "serial/platform.h"

#include <QFile>
#include <QSerialPort>

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace {

std::optional<quint64> kernelLineErrorCount(int descriptor)
{
    serial_icounter_struct counts = {};
    if (ioctl(descriptor, TIOCGICOUNT, &counts) != 0)
        return std::nullopt;
    return quint64(counts.overrun) + quint64(counts.buf_overrun) + quint64(counts.frame) +
           quint64(counts.parity);
}

LineErrorCount lineErrorCount = kernelLineErrorCount;

static_assert(int(SerialSettings::DataBits::Data7) == QSerialPort::Data7 &&
              int(SerialSettings::DataBits::Data8) == QSerialPort::Data8);
static_assert(int(SerialSettings::Parity::NoParity) == QSerialPort::NoParity &&
              int(SerialSettings::Parity::EvenParity) == QSerialPort::EvenParity &&
              int(SerialSettings::Parity::OddParity) == QSerialPort::OddParity &&
              int(SerialSettings::Parity::SpaceParity) == QSerialPort::SpaceParity &&
              int(SerialSettings::Parity::MarkParity) == QSerialPort::MarkParity);
static_assert(int(SerialSettings::StopBits::OneStop) == QSerialPort::OneStop &&
              int(SerialSettings::StopBits::TwoStop) == QSerialPort::TwoStop);
static_assert(int(SerialSettings::FlowControl::NoFlowControl) == QSerialPort::NoFlowControl &&
              int(SerialSettings::FlowControl::HardwareControl) == QSerialPort::HardwareControl &&
              int(SerialSettings::FlowControl::SoftwareControl) == QSerialPort::SoftwareControl);

bool meansPortIsGone(QSerialPort::SerialPortError error)
{
    // A hang-up or an unplugged adapter arrives as ReadError (repeated while the port stays open)
    // or ResourceError; any other error, such as a refused setting, leaves the port usable.
    return error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
}

class QtSerialLink : public SerialLink
{
    Q_OBJECT

public:
    explicit QtSerialLink(const QString &portName)
        : port(portName),
          deviceNode(portName.startsWith(QLatin1Char('/')) ? portName
                                                           : QStringLiteral("/dev/") + portName)
    {
        connect(&port, &QSerialPort::readyRead, this, &SerialLink::readyRead);
        // Queued, because closing a port from inside its own error signal pulls its notifier
        // away under it.
        connect(
            &port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) {
                if (!meansPortIsGone(error) || !port.isOpen())
                    return;
                port.close();
                emit deviceLost();
            },
            Qt::QueuedConnection);
    }

    bool open(const SerialSettings &settings) override
    {
        if (!port.open(QIODevice::ReadWrite)) {
            reason = reasonForFailedOpen();
            return false;
        }
        port.setBaudRate(settings.baudRate, QSerialPort::AllDirections);
        port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits));
        port.setFlowControl(static_cast<QSerialPort::FlowControl>(settings.flowControl));
        port.setParity(static_cast<QSerialPort::Parity>(settings.parity));
        port.setStopBits(static_cast<QSerialPort::StopBits>(settings.stopBits));
        // What the port lost before it was ours is no loss of this program's.
        lineErrorsCounted = lineErrorCount(port.handle()).value_or(0);
        return true;
    }

    void close() override { port.close(); }
    bool isOpen() const override { return port.isOpen(); }
    QByteArray readAll() override { return port.readAll(); }
    qint64 write(const QByteArray &bytes) override { return port.write(bytes); }

    int takeLosses() override
    {
        const std::optional<quint64> count = lineErrorCount(port.handle());
        if (!count || *count <= lineErrorsCounted)
            return 0;
        const auto found = static_cast<int>(std::min<quint64>(*count - lineErrorsCounted, INT_MAX));
        lineErrorsCounted = *count;
        return found;
    }

    QString failureReason() const override { return reason; }

private:
    // Another program's hold on the port and a user without the right to it both come as a
    // PermissionError; only the latter is for the user to mend.
    QString reasonForFailedOpen() const
    {
        switch (port.error()) {
        case QSerialPort::PermissionError:
            if (userIsRefused())
                return tr("This user may not use the port. Join the group dialout with the "
                          "command\nsudo usermod -aG dialout $USER\nthen log out and in again.");
            return tr("Another program holds the port, or this user may not use it (on most "
                      "systems that takes membership of the group dialout).");
        case QSerialPort::DeviceNotFoundError:
            return tr("The port is gone: the system does not have it (any more).");
        default:
            return port.errorString();
        }
    }

    bool userIsRefused() const
    {
        return faccessat(AT_FDCWD, QFile::encodeName(deviceNode).constData(), R_OK | W_OK,
                         AT_EACCESS) != 0 &&
               errno == EACCES;
    }

    QSerialPort port;
    QString deviceNode;
    QString reason;
    quint64 lineErrorsCounted = 0;
};

} // namespace

void countLineErrorsForTests(LineErrorCount count)
{
    lineErrorCount = std::move(count);
}

std::unique_ptr<SerialLink> createPlatformSerialLink(const QString &portName)
{
    return std::make_unique<QtSerialLink>(portName);
}

#include "qtseriallink.moc"
