#ifndef QUILLON_SERIAL_PORTLIST_H
#define QUILLON_SERIAL_PORTLIST_H

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One serial port as the system describes it.
struct PortInfo
{
    QString name; // as the list shows it and a link opens it
    QString description;
    QString manufacturer;
    std::optional<quint16> vendorId; // USB ids, where the port is on USB
    std::optional<quint16> productId;
    QString serialNumber;
    QString stableLink; // a path that leads to this device whatever its name (Linux: by-id)
    // What tells this very device from any other, whatever name the system gives it this time:
    // its USB ids and serial number (or, without one, the socket it is plugged into). Empty for
    // ports without such a thing (built-in UARTs, pseudo-terminals).
    QString identity;
};

namespace PortList {

// The serial ports to offer, in the order the system reports them.
QList<PortInfo> available();

// The port of that name in the list, if listed.
std::optional<PortInfo> find(const QList<PortInfo> &ports, const QString &name);

// Makes available() return these ports instead of the system's, until called again. For tests
// only: they must never list or open the machine's real ports.
void replaceForTests(const QList<PortInfo> &ports);
void replaceForTests(const QStringList &names);

} // namespace PortList

#endif
