#include "serial/portlist.h"

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
    return testPortNames() ? *testPortNames() : systemPortNames();
}

void replaceForTests(const QStringList &names)
{
    testPortNames() = names;
}

} // namespace PortList
