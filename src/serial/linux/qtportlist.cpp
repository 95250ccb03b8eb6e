#include "serial/portlist.h"

#include <QSerialPortInfo>

QStringList PortList::systemPortNames()
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}
