#include "serial/platform.h"

namespace {

SerialLinkWrapper &wrapperForTests()
{
    static SerialLinkWrapper wrapper;
    return wrapper;
}

} // namespace

std::unique_ptr<SerialLink> createSerialLink(const QString &portName)
{
    std::unique_ptr<SerialLink> link = createPlatformSerialLink(portName);
    return wrapperForTests() ? wrapperForTests()(std::move(link)) : std::move(link);
}

void wrapSerialLinksForTests(SerialLinkWrapper wrapper)
{
    wrapperForTests() = std::move(wrapper);
}
