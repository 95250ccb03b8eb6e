#include "receive/readingrouter.h"

#include "notices/notices.h"
#include "receive/devicebytes.h"
#include "typing/keyinjector.h"

namespace {

// A log line of its own, whatever the reading ended with.
QString asLogLine(QString text)
{
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text;
}

} // namespace

ReadingRouter::ReadingRouter(int lineBound)
    : lines(lineBound),
      overlongSummary(
          tr("The device sent %1 KiB without a line end").arg(lineBound / 1024).toStdString()),
      lossSummary(tr("Bytes from the device were lost on the line").toStdString())
{
}

void ReadingRouter::receive(const QByteArray &bytes, int losses)
{
    lines.append(bytes, losses > 0);
    if (losses > 0)
        tellOfLosses();
}

// Said once, until a port is opened anew: a device that keeps sending faster than it can be
// typed loses bytes again and again.
void ReadingRouter::tellOfLosses()
{
    tellUser(lossSummary,
             tr("The serial port reported overruns, framing or parity errors. Readings with a gap "
                "are not typed but shown in Quillon's data log. A device that sends more than "
                "about 25 characters a second outruns typing: set it to send on request or on a "
                "stable value, or use the data log.")
                 .toStdString(),
             NoticeEnd::PortOpened);
}

QString ReadingRouter::typeDue(KeyInjector &injector, bool fennick)
{
    return routeDue(true, [&] { return typeReading(injector, lines.takeReading(fennick)); });
}

QString ReadingRouter::logDue()
{
    return routeDue(false, [this] {
        const ReceivedBytes shown = lines.takeForLog();
        // Should keyboard mode come next, the reading begun here is not finished by typing.
        readingStopped = DeviceBytes::endOfLastEndMarker(shown.bytes) != shown.bytes.size();
        return withLossMark(shown);
    });
}

QString ReadingRouter::routeDue(bool keyboardMode, const std::function<QString()> &takeLine)
{
    QString log;
    for (;;) {
        switch (lines.due()) {
        case LineAssembler::Due::Nothing:
            return log;
        case LineAssembler::Due::OverlongLine:
            log += takeOverlongLine(keyboardMode);
            break;
        case LineAssembler::Due::Line:
            noticesEnd(NoticeEnd::LineEnd);
            log += takeLine();
            break;
        }
    }
}

QString ReadingRouter::typeReading(KeyInjector &injector, const ReceivedBytes &reading)
{
    if (readingStopped || reading.bytesLost) {
        readingStopped = false;
        return notTyped(reading);
    }
    const std::string_view bytes(reading.bytes.constData(),
                                 static_cast<size_t>(reading.bytes.size()));
    const size_t untyped = injector.typeLine(bytes, reading.lineEndsBefore).size();
    if (untyped == 0)
        return {};
    const int typedCount = reading.bytes.size() - static_cast<int>(untyped);
    return notTyped(
        reading, ReceivedBytes{reading.bytes.left(typedCount), reading.lineEndsBefore}.logText());
}

// The whole reading, so that it can be copied as it came; where its start was typed already,
// the log says how far, since that much is in the user's document.
QString ReadingRouter::notTyped(const ReceivedBytes &bytes, const QString &typedOfIt) const
{
    QString text = bytes.logText();
    if (text.isEmpty())
        return text;
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (!typedOfIt.isEmpty())
        text = tr("%1 (only \"%2\" of it was typed)").arg(text, typedOfIt);
    return asLogLine(bytes.bytesLost ? tr("Not typed (bytes were lost on the line): %1").arg(text)
                                     : tr("Not typed: %1").arg(text));
}

// A line that has reached the bound without an end is never typed: so much text is no reading,
// and would hold the window for minutes. It is kept where the user can see what came, and said
// until a line ends again. In keyboard mode the rest of that line, up to its end, is not typed
// either.
QString ReadingRouter::takeOverlongLine(bool keyboardMode)
{
    tellUser(overlongSummary,
             tr("Check its line-end setting. What it sent is in Quillon's data log.").toStdString(),
             NoticeEnd::LineEnd);
    const ReceivedBytes cut = lines.takeOverlongLine();
    readingStopped = true;
    return keyboardMode ? notTyped(cut) : asLogLine(withLossMark(cut));
}

QString ReadingRouter::withLossMark(const ReceivedBytes &bytes) const
{
    if (bytes.lossAt < 0)
        return bytes.logText();
    return ReceivedBytes{bytes.bytes.left(bytes.lossAt), bytes.lineEndsBefore}.logText() +
           tr("[bytes were lost on the line]") +
           bytes.last(bytes.bytes.size() - bytes.lossAt).logText();
}

QString ReadingRouter::dropUnfinishedReading(bool keyboardMode)
{
    const ReceivedBytes unfinished = lines.takeUnfinishedLine();
    readingStopped = false;
    if (!keyboardMode)
        return asLogLine(withLossMark(unfinished));
    return notTyped(unfinished);
}
