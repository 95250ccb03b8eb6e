#include "receive/lineassembler.h"

#include "receive/devicebytes.h"

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

bool LineAssembler::append(const QByteArray &bytes)
{
    rxBuffer.append(bytes);
    return DeviceBytes::containsEndMarker(rxBuffer);
}

ReceivedBytes LineAssembler::takeForTyping(bool fennick)
{
    ReceivedBytes line = takeAllBut(fennick ? DeviceBytes::unfinishedEscapeLength(rxBuffer) : 0);
    if (fennick)
        DeviceBytes::translateFennickEscapes(line.bytes);
    return handedOn(line);
}

QString LineAssembler::takeForLog()
{
    return handedOn(takeAllBut(DeviceBytes::unfinishedUtf8Length(rxBuffer))).logText();
}

void LineAssembler::dropUnfinishedLine()
{
    rxBuffer.clear();
    lineEnds = LineEnds();
}

// Whatever becomes of the bytes, the next ones follow them.
const ReceivedBytes &LineAssembler::handedOn(const ReceivedBytes &bytes)
{
    for (const char byte : bytes.bytes)
        lineEnds.completesCrLf(static_cast<unsigned char>(byte));
    return bytes;
}

ReceivedBytes LineAssembler::takeAllBut(int tailLength)
{
    ReceivedBytes taken{rxBuffer.left(rxBuffer.size() - tailLength), lineEnds};
    rxBuffer.remove(0, taken.bytes.size());
    return taken;
}
