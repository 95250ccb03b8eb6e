#include "serial/portlist.h"

#include <QSerialPortInfo>

#include <optional>

namespace {

std::optional<QStringList> &testPortNames()
{
    static std::optional<QStringList> names;
    return names;
}

} // namespace

namespace PortList {

QStringList available()
{
    if (testPortNames())
        return *testPortNames();
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}

void replaceForTests(const QStringList &names)
{
    testPortNames() = names;
}

} // namespace PortList
