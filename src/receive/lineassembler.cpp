#include "receive/lineassembler.h"

#include "receive/receivelogic.h"

#include <algorithm>

LineAssembler::LineAssembler(int lineBound) : lineBound(lineBound) {}

void LineAssembler::append(const QByteArray &bytes)
{
    rxBuffer.append(bytes);
    if (lineEnd < 0)
        lineEnd = ReceiveLogic::endOfFirstEndMarker(rxBuffer, rxBuffer.size() - bytes.size());
}

LineAssembler::Due LineAssembler::due() const
{
    if (lineEnd >= 0 && lineEnd <= lineBound)
        return Due::Line;
    return rxBuffer.size() >= lineBound ? Due::OverlongLine : Due::Nothing;
}

QByteArray LineAssembler::takeForTyping(bool fennick)
{
    // Typed lines come between the log's last text and whatever it shows next.
    logEndsWithCarriageReturn = false;
    if (!fennick)
        return takeAllBut(0);
    QByteArray line = takeAllBut(ReceiveLogic::unfinishedEscapeLength(rxBuffer));
    ReceiveLogic::translateFennickEscapes(line);
    return line;
}

QString LineAssembler::takeForLog()
{
    QString text = ReceiveLogic::logText(takeAllBut(ReceiveLogic::unfinishedUtf8Length(rxBuffer)));
    const bool completesCrLf = logEndsWithCarriageReturn && text.startsWith(QLatin1Char('\n'));
    if (completesCrLf)
        text.remove(0, 1);
    if (!text.isEmpty() || completesCrLf)
        logEndsWithCarriageReturn = text.endsWith(QLatin1Char('\r'));
    return text;
}

QByteArray LineAssembler::takeOverlongLine()
{
    // What is not typed goes to the log on a line of its own.
    logEndsWithCarriageReturn = false;
    return takeUpToBound();
}

QString LineAssembler::takeOverlongLineForLog()
{
    const QString text = ReceiveLogic::logText(takeUpToBound());
    if (text.isEmpty())
        return text;
    logEndsWithCarriageReturn = false;
    return text + QLatin1Char('\n');
}

QByteArray LineAssembler::takeUpToBound()
{
    const QByteArray upToBound = rxBuffer.left(lineBound);
    const int tailLength = std::max(ReceiveLogic::unfinishedEscapeLength(upToBound),
                                    ReceiveLogic::unfinishedUtf8Length(upToBound));
    return take(upToBound.size() - tailLength);
}

void LineAssembler::dropUnfinishedLine()
{
    rxBuffer.clear();
    lineEnd = -1;
    logEndsWithCarriageReturn = false;
}

QByteArray LineAssembler::takeAllBut(int tailLength)
{
    return take(rxBuffer.size() - tailLength);
}

// What stays was not searched on its own: a marker that began in the bytes taken is gone.
QByteArray LineAssembler::take(int length)
{
    QByteArray taken = rxBuffer.left(length);
    rxBuffer.remove(0, length);
    lineEnd = ReceiveLogic::endOfFirstEndMarker(rxBuffer);
    return taken;
}
