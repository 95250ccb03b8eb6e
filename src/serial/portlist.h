#ifndef QUILLON_SERIAL_PORTLIST_H
#define QUILLON_SERIAL_PORTLIST_H

#include <QStringList>

namespace PortList {

// The names of the serial ports to offer, in the order the system reports them.
QStringList available();

// The system's own list, as each platform reads it.
QStringList systemPortNames();

// Makes available() return these names instead of the system's ports. For tests only: they must
// never list or open the machine's real ports.
void replaceForTests(const QStringList &names);

} // namespace PortList

#endif
