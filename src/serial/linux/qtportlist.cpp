#include "serial/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

// The USB interface folder in sysfs that the tty belongs to ("1-1.2:1.0"); empty if it is not
// on USB. sysfs has it as soon as the device node exists, unlike udev's links, which come later.
QString usbInterfaceFolder(const QString &portName)
{
    QString folder =
        QFileInfo(QStringLiteral("/sys/class/tty/%1/device").arg(portName)).canonicalFilePath();
    for (int up = 0; up < 3 && !folder.isEmpty(); ++up) {
        if (QFile::exists(folder + QStringLiteral("/bInterfaceNumber")))
            return folder;
        folder = QFileInfo(folder).path();
    }
    return {};
}

QString interfaceNumber(const QString &interfaceFolder)
{
    QFile file(interfaceFolder + QStringLiteral("/bInterfaceNumber"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll().trimmed());
}

// Two adapters of one kind tell themselves apart by serial number; those without one only by
// the socket they are plugged into. A dual adapter's two ports differ in their interface.
QString usbIdentity(const QSerialPortInfo &info)
{
    if (!info.hasVendorIdentifier() || !info.hasProductIdentifier())
        return {};
    QString identity = QStringLiteral("usb:%1:%2")
                           .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                           .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
    const QString interfaceFolder = usbInterfaceFolder(info.portName());
    if (!info.serialNumber().isEmpty()) {
        identity += QLatin1Char(':') + info.serialNumber();
        if (!interfaceFolder.isEmpty())
            identity += QStringLiteral(":if") + interfaceNumber(interfaceFolder);
    } else if (!interfaceFolder.isEmpty()) {
        identity += QLatin1Char('@') + QFileInfo(interfaceFolder).fileName();
    }
    return identity;
}

QString byIdLink(const QString &deviceNode)
{
    const QDir links(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &link : links.entryInfoList(QDir::System | QDir::Files)) {
        if (link.canonicalFilePath() == deviceNode)
            return link.filePath();
    }
    return {};
}

PortInfo portInfo(const QSerialPortInfo &info)
{
    PortInfo port;
    port.name = info.portName();
    port.description = info.description();
    port.manufacturer = info.manufacturer();
    if (info.hasVendorIdentifier())
        port.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier())
        port.productId = info.productIdentifier();
    port.serialNumber = info.serialNumber();
    port.stableLink = byIdLink(QFileInfo(info.systemLocation()).canonicalFilePath());
    port.identity = usbIdentity(info);
    return port;
}

} // namespace

QList<PortInfo> PortList::systemPorts()
{
    QList<PortInfo> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports << portInfo(info);
    return ports;
}
