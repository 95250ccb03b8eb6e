#include "serial/platform.h"

namespace {

std::optional<QList<PortInfo>> &testPorts()
{
    static std::optional<QList<PortInfo>> ports;
    return ports;
}

} // namespace

namespace PortList {

QList<PortInfo> available()
{
    return testPorts() ? *testPorts() : systemPorts();
}

std::optional<PortInfo> find(const QList<PortInfo> &ports, const QString &name)
{
    for (const PortInfo &port : ports) {
        if (port.name == name)
            return port;
    }
    return std::nullopt;
}

void replaceForTests(const QList<PortInfo> &ports)
{
    testPorts() = ports;
}

void replaceForTests(const QStringList &names)
{
    QList<PortInfo> ports;
    for (const QString &name : names) {
        PortInfo port;
        port.name = name;
        ports << port;
    }
    replaceForTests(ports);
}

} // namespace PortList
