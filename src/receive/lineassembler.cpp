#include "receive/lineassembler.h"

#include "receive/devicebytes.h"

#include <algorithm>

ReceivedBytes ReceivedBytes::last(int count) const
{
    LineEnds before = lineEndsBefore;
    for (int i = 0; i < bytes.size() - count; ++i)
        before.completesCrLf(static_cast<unsigned char>(bytes[i]));
    return {bytes.right(count), before};
}

QString ReceivedBytes::logText() const
{
    LineEnds ends = lineEndsBefore;
    QByteArray shown;
    shown.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (ends.completesCrLf(value))
            continue;
        shown += value == LineEnds::carriageReturn ? char(LineEnds::lineFeed) : byte;
    }
    return DeviceBytes::logText(shown);
}

LineAssembler::LineAssembler(int lineBound) : lineBound(lineBound) {}

void LineAssembler::append(const QByteArray &bytes, bool lossFound)
{
    if (lossFound) {
        lossFrom = lossTo < 0 ? rxBuffer.size() : lossFrom;
        lossTo = rxBuffer.size() + bytes.size();
    }
    rxBuffer.append(bytes);
    if (lineEnd < 0)
        lineEnd = DeviceBytes::endOfFirstEndMarker(rxBuffer, rxBuffer.size() - bytes.size());
}

LineAssembler::Due LineAssembler::due() const
{
    if (lineEnd >= 0 && lineEnd <= lineBound)
        return Due::Line;
    return rxBuffer.size() >= lineBound ? Due::OverlongLine : Due::Nothing;
}

ReceivedBytes LineAssembler::takeReading(bool fennick)
{
    ReceivedBytes reading = take(lineEnd);
    if (fennick)
        DeviceBytes::translateFennickEscapes(reading.bytes);
    return reading;
}

// A gap is marked once in the log, where it is, so what is held after it is no longer suspect.
ReceivedBytes LineAssembler::takeForLog()
{
    ReceivedBytes taken = takeAllBut(DeviceBytes::unfinishedUtf8Length(rxBuffer));
    if (taken.lossAt >= 0)
        lossFrom = lossTo = -1;
    return taken;
}

ReceivedBytes LineAssembler::takeOverlongLine()
{
    return takeUpToBound();
}

ReceivedBytes LineAssembler::takeUpToBound()
{
    const QByteArray upToBound = rxBuffer.left(lineBound);
    const int tailLength = std::max(DeviceBytes::unfinishedEscapeLength(upToBound),
                                    DeviceBytes::unfinishedUtf8Length(upToBound));
    return take(upToBound.size() - tailLength);
}

ReceivedBytes LineAssembler::takeUnfinishedLine()
{
    ReceivedBytes unfinished = take(rxBuffer.size());
    lineEnds = LineEnds();
    lossFrom = lossTo = -1;
    return unfinished;
}

// What goes out at a line end is everything held, but for an unfinished line behind the last
// line end that has reached the bound already (a read may bring a line end and kilobytes more):
// that stays, to be cut at the bound like any other.
ReceivedBytes LineAssembler::takeAllBut(int tailLength)
{
    if (rxBuffer.size() - lineEnd >= lineBound) {
        const int lastLineEnd = DeviceBytes::endOfLastEndMarker(rxBuffer);
        if (rxBuffer.size() - lastLineEnd >= lineBound)
            return take(lastLineEnd);
    }
    return take(rxBuffer.size() - tailLength);
}

// Whatever becomes of the bytes taken, the next ones follow them. What stays was not searched on
// its own: a marker that began in the bytes taken is gone.
ReceivedBytes LineAssembler::take(int length)
{
    ReceivedBytes taken{rxBuffer.left(length), lineEnds};
    takeLossSpan(taken);
    rxBuffer.remove(0, length);
    for (const char byte : taken.bytes)
        lineEnds.completesCrLf(static_cast<unsigned char>(byte));
    lineEnd = DeviceBytes::endOfFirstEndMarker(rxBuffer);
    return taken;
}

// A gap right at the end of the bytes taken may have taken the start of the next reading, so that
// reading stays suspect too.
void LineAssembler::takeLossSpan(ReceivedBytes &taken)
{
    if (lossTo < 0)
        return;
    const int length = taken.bytes.size();
    taken.bytesLost = lossFrom < length;
    if (lossTo <= length && taken.bytesLost)
        taken.lossAt = lossTo;
    lossTo -= length;
    lossFrom = std::max(0, lossFrom - length);
    if (lossTo < 0)
        lossFrom = -1;
}
