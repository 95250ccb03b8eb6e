// Cuts the input into chunks as a serial port might deliver them and collects them in the line
// assembler, with a small bound, the way the program does: every byte ends up processed or still
// waiting, a line is due exactly when a line end is held within the bound, and neither a line
// end nor the bound waits.
#include "receive/lineassembler.h"

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
    const int chunkSize = data[0] % 16 + 1;
    const int bound = data[0] / 16 + 8; // above the longest tail kept back at a cut
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), static_cast<int>(size - 1));
    LineAssembler lines(bound);
    QByteArray waiting;
    QByteArray processed;
    for (int at = 0; at < stream.size(); at += chunkSize) {
        const QByteArray chunk = stream.mid(at, chunkSize);
        lines.append(chunk);
        waiting.append(chunk);
        for (auto due = lines.due(); due != LineAssembler::Due::Nothing; due = lines.due()) {
            const bool line = due == LineAssembler::Due::Line;
            if (line != naiveContainsEndMarker(waiting.left(bound)))
                std::abort();
            const QByteArray taken =
                line ? lines.takeReading(false).bytes : lines.takeOverlongLine().bytes;
            if (!waiting.startsWith(taken) || (!line && taken.size() < bound - 6))
                std::abort();
            // Nor does an unfinished line of the bound's length go out behind a line end.
            if (line && taken.size() > bound && !naiveContainsEndMarker(taken.right(bound + 5)))
                std::abort();
            processed += taken;
            waiting.remove(0, taken.size());
        }
        if (waiting.size() >= bound || naiveContainsEndMarker(waiting))
            std::abort();
    }
    if (processed + waiting != stream)
        std::abort();
    return 0;
}
