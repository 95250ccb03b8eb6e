// Cuts the input into chunks as a serial port might deliver them and collects them the way the
// program does: every byte ends up processed or still waiting, and nothing waits behind a
// line end.
#include "receive/devicebytes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool naiveContainsEndMarker(const QByteArray &buffer)
{
    const std::string bytes = buffer.toStdString();
    for (const char *marker : {"enter.", "TAB.", "\r\n", "\r", "\n"}) {
        if (bytes.find(marker) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t chunkSize = data[0] % 16 + 1;
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), static_cast<int>(size - 1));
    QByteArray waiting;
    QByteArray processed;
    for (int at = 0; at < stream.size(); at += static_cast<int>(chunkSize)) {
        waiting.append(stream.mid(at, static_cast<int>(chunkSize)));
        const bool due = DeviceBytes::containsEndMarker(waiting);
        if (due != naiveContainsEndMarker(waiting))
            std::abort();
        if (due) {
            processed += waiting;
            waiting.clear();
        }
    }
    if (processed + waiting != stream || naiveContainsEndMarker(waiting))
        std::abort();
    return 0;
}
