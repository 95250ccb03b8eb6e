#ifndef QUILLON_SERIAL_PLATFORM_H
#define QUILLON_SERIAL_PLATFORM_H

#include "serial/portlist.h"
#include "serial/seriallink.h"

// What each platform's folder here provides.

// The platform's own link, which createSerialLink hands out unless tests wrap it.
std::unique_ptr<SerialLink> createPlatformSerialLink(const QString &portName);

namespace PortList {

// The system's own list of serial ports.
QList<PortInfo> systemPorts();

} // namespace PortList

#endif
