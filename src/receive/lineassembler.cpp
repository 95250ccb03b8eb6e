#include "receive/lineassembler.h"

#include "receive/devicebytes.h"

bool LineAssembler::append(const QByteArray &bytes)
{
    rxBuffer.append(bytes);
    return DeviceBytes::containsEndMarker(rxBuffer);
}

QByteArray LineAssembler::takeForTyping(bool fennick)
{
    // Typed lines come between the log's last text and whatever it shows next.
    logEndsWithCarriageReturn = false;
    if (!fennick)
        return takeAllBut(0);
    QByteArray line = takeAllBut(DeviceBytes::unfinishedEscapeLength(rxBuffer));
    DeviceBytes::translateFennickEscapes(line);
    return line;
}

QString LineAssembler::takeForLog()
{
    QString text = DeviceBytes::logText(takeAllBut(DeviceBytes::unfinishedUtf8Length(rxBuffer)));
    const bool completesCrLf = logEndsWithCarriageReturn && text.startsWith(QLatin1Char('\n'));
    if (completesCrLf)
        text.remove(0, 1);
    if (!text.isEmpty() || completesCrLf)
        logEndsWithCarriageReturn = text.endsWith(QLatin1Char('\r'));
    return text;
}

void LineAssembler::dropUnfinishedLine()
{
    rxBuffer.clear();
    logEndsWithCarriageReturn = false;
}

QByteArray LineAssembler::takeAllBut(int tailLength)
{
    QByteArray taken = rxBuffer.left(rxBuffer.size() - tailLength);
    rxBuffer.remove(0, taken.size());
    return taken;
}
