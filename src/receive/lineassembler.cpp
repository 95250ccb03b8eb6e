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

void LineAssembler::append(const QByteArray &bytes)
{
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

ReceivedBytes LineAssembler::takeForTyping(bool fennick)
{
    ReceivedBytes line = takeAllBut(fennick ? DeviceBytes::unfinishedEscapeLength(rxBuffer) : 0);
    if (fennick)
        DeviceBytes::translateFennickEscapes(line.bytes);
    return line;
}

QString LineAssembler::takeForLog()
{
    return takeAllBut(DeviceBytes::unfinishedUtf8Length(rxBuffer)).logText();
}

ReceivedBytes LineAssembler::takeOverlongLine()
{
    return takeUpToBound();
}

QString LineAssembler::takeOverlongLineForLog()
{
    const QString text = takeUpToBound().logText();
    return text.isEmpty() ? text : text + QLatin1Char('\n');
}

ReceivedBytes LineAssembler::takeUpToBound()
{
    const QByteArray upToBound = rxBuffer.left(lineBound);
    const int tailLength = std::max(DeviceBytes::unfinishedEscapeLength(upToBound),
                                    DeviceBytes::unfinishedUtf8Length(upToBound));
    return take(upToBound.size() - tailLength);
}

void LineAssembler::dropUnfinishedLine()
{
    rxBuffer.clear();
    lineEnd = -1;
    lineEnds = LineEnds();
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
    rxBuffer.remove(0, length);
    for (const char byte : taken.bytes)
        lineEnds.completesCrLf(static_cast<unsigned char>(byte));
    lineEnd = DeviceBytes::endOfFirstEndMarker(rxBuffer);
    return taken;
}
